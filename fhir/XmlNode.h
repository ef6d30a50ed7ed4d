// Navigation over the nodes of a parsed XML document. FHIR XML carries every
// primitive in the attribute "value", so text content is never read.
#pragma once

#include <string>
#include <string_view>

namespace rapidxml {
template <class Ch>
class xml_node;
}

namespace fhir::xml {

using Node = rapidxml::xml_node<char>;

// True when the node's name is exactly `name` (case-sensitive).
bool hasName(const Node* node, const char* name);
std::string nameOf(const Node* node);
// The node's name without a copy; empty for null.
std::string_view nameView(const Node* node);
// First child element, optionally with the exact name; null when none.
const Node* firstChildElement(const Node* node, const char* name = nullptr);
// Next sibling element, optionally with the exact name; null when none.
const Node* nextSiblingElement(const Node* node, const char* name = nullptr);
// Value of the first attribute whatever its name; empty when none.
std::string firstAttributeValue(const Node* node);
// Value of the named attribute; empty when absent. `found` tells which.
std::string attributeValue(const Node* node, const char* name, bool* found = nullptr);
// The "value" attribute of the first child element with the given name.
std::string childValue(const Node* node, const char* childName);

}  // namespace fhir::xml
