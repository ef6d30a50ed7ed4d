// A FHIR XML document read completely into the node model.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fhir/XmlReader.h"
#include "fhir/fhirpath/Node.h"

namespace fhir::path {

class NodeDocument {
public:
    // Parses `text` as every reader does (xml::ParsedDocument); throws
    // rapidxml::parse_error on malformed or too deeply nested text.
    explicit NodeDocument(const std::string& text);
    ~NodeDocument();
    NodeDocument(const NodeDocument&) = delete;
    NodeDocument& operator=(const NodeDocument&) = delete;

    // The root resource; null when the document holds no element.
    const Node* root() const { return nodes_.empty() ? nullptr : nodes_.data(); }
    std::size_t size() const { return nodes_.size(); }

private:
    xml::ParsedDocument parsed_;
    std::vector<Node> nodes_;
};

// Writes the nodes back as FHIR XML (UTF-8, no declaration); used to prove that
// the read keeps everything.
std::string writeXml(const Node& root);

}  // namespace fhir::path
