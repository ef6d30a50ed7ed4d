// Reading received FHIR XML: the text is copied into a buffer of its own and
// parsed in place with rapidxml's default flags; and the one guard that every
// reading call wraps its work in.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fhir/XmlNode.h"

namespace fhir {
class Wrapper;
}

namespace fhir::xml {

// A parsed document. The buffer and the node tree live as long as the object.
// Construction throws rapidxml::parse_error on malformed text and on a text
// the guard of XmlNesting.h refuses (checked before parsing).
class ParsedDocument {
public:
    explicit ParsedDocument(const std::string& text);
    ~ParsedDocument();
    ParsedDocument(const ParsedDocument&) = delete;
    ParsedDocument& operator=(const ParsedDocument&) = delete;

    // The first node of the document (declaration, comments and DOCTYPE
    // produce none); null when the document holds no node.
    const Node* root() const;
    // The root if it is named `name`, else its next sibling element of that
    // name; null when neither.
    const Node* rootNamed(const char* name) const;

private:
    struct Parsed;
    std::unique_ptr<Parsed> parsed_;
};

// Runs `read` and maps what it throws: a parse error appends its text to the
// wrapper's messages and gives 1465, another std::exception 1359, anything
// else "Unknown error occurred." and 574. Otherwise the result of `read`.
std::int32_t guardedRead(fhir::Wrapper& wrapper, const std::function<std::int32_t()>& read);

}  // namespace fhir::xml
