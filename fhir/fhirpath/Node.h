// The read-only node model the profile rules are evaluated on: every element,
// attribute and (inside narrative XHTML) text of a received or built FHIR XML
// document, nothing dropped. Nodes live in one array owned by NodeDocument;
// the strings point into the document's own copy of the text.
#pragma once

#include <cstdint>
#include <string_view>

namespace fhir::path {

struct Node {
    enum class Kind : std::uint8_t { Element, Attribute, Text };

    // The XML name. A resource inside `resource` or `contained` carries the
    // name of that wrapping element and its own type in `typeName`.
    std::string_view name;
    // The "value" attribute of a FHIR element, the value of an attribute node,
    // the characters of a text node.
    std::string_view value;
    // The resource type of a resource node, empty for every other node.
    std::string_view typeName;
    const Node* parent = nullptr;
    // The resource this node belongs to (the node itself for a resource).
    const Node* resource = nullptr;
    // Children in document order: attributes first, then elements and texts.
    const Node* firstChild = nullptr;
    std::uint32_t childCount = 0;
    Kind kind = Kind::Element;
    bool hasValue = false;
    bool isResource = false;
    // Inside narrative XHTML (the `div` itself and everything below it).
    bool isXhtml = false;

    const Node* begin() const { return firstChild; }
    const Node* end() const { return firstChild + childCount; }
    bool isElement() const { return kind == Kind::Element; }
};

}  // namespace fhir::path
