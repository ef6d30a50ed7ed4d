// Turns an element tree into FHIR XML. The tree's child store already holds the
// document order; the writer adds four rules: resource wrapping, the url
// attribute of extensions, the value attribute of primitives, and merging the
// holders of extensions on primitive fields into the field's element.
#include <iterator>
#include <rapidxml/rapidxml.hpp>
#include <rapidxml/rapidxml_print.hpp>

#include "fhir/CanonicalBase.h"
#include "fhir/Element.h"
#include "fhir/XmlNode.h"

namespace fhir {
namespace {

using Document = rapidxml::xml_document<char>;
using Node = rapidxml::xml_node<char>;

const char* copyToPool(Document& document, const std::string& text) {
    return document.allocate_string(text.data(), text.size());
}

void addAttribute(Document& document, Node* node, const char* name, const std::string& value) {
    node->append_attribute(
        document.allocate_attribute(name, copyToPool(document, value), 0, value.size()));
}

Node* appendElement(Document& document, Node* parent, const char* name, std::size_t nameSize) {
    Node* node = document.allocate_node(rapidxml::node_element, name, nullptr, nameSize, 0);
    parent->append_node(node);
    return node;
}

Node* firstChildNamed(Node* parent, const char* name, std::size_t nameSize) {
    return parent->first_node(name, nameSize);
}

void writeChildren(const Element& element, Document& document, Node* parent) {
    for (const auto& entry : element.childStore()) {
        // Key names live in the tree, which outlives the document.
        const char* name = entry.first.name.c_str();
        std::size_t nameSize = entry.first.name.size();
        Node* target = nullptr;
        if (nameSize > 0 && name[0] == '_') {
            ++name;
            --nameSize;
            target = firstChildNamed(parent, name, nameSize);
        }
        for (const Element* child : entry.second) {
            if (!child->isPrimitive()) {
                if (target) {
                    writeChildren(*child, document, target);
                    continue;
                }
                Node* node = appendElement(document, parent, name, nameSize);
                Node* toFill = node;
                if (entry.first.name == "resource") {
                    const std::string type = child->getFhirType();
                    toFill = appendElement(document, node, copyToPool(document, type), type.size());
                    addAttribute(document, toFill, "xmlns", base::kFhirNamespace);
                } else if (entry.first.name == "extension") {
                    addAttribute(document, node, "url", child->getUrl());
                }
                writeChildren(*child, document, toFill);
                continue;
            }
            if (xml::hasName(parent, "extension") && (entry.first.name == "url" || entry.first.name == "urlUri")) {
                continue;
            }
            Node* node = appendElement(document, parent, name, nameSize);
            const std::string value = child->getValue();
            if (!value.empty()) {
                addAttribute(document, node, "value", value);
            }
            writeChildren(*child, document, node);
        }
    }
}

}  // namespace

void Element::writeXml(std::string& out, bool withDeclaration) const {
    Document document;
    if (withDeclaration) {
        Node* declaration = document.allocate_node(rapidxml::node_declaration);
        declaration->append_attribute(document.allocate_attribute("version", "1.0"));
        declaration->append_attribute(document.allocate_attribute("encoding", "UTF-8"));
        document.append_node(declaration);
    }
    const std::string type = getFhirType();
    Node* root = appendElement(document, &document, copyToPool(document, type), type.size());
    addAttribute(document, root, "xmlns", base::kFhirNamespace);
    writeChildren(*this, document, root);

    out.clear();
    rapidxml::print(std::back_inserter(out), document, 0);
    document.clear();
}

}  // namespace fhir
