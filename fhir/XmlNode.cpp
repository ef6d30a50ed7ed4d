#include "fhir/XmlNode.h"

#include <cstring>
#include <rapidxml/rapidxml.hpp>

namespace fhir::xml {
namespace {

bool isElementNamed(const Node* node, const char* name) {
    return node->type() == rapidxml::node_element && (!name || hasName(node, name));
}

}  // namespace

bool hasName(const Node* node, const char* name) {
    if (!node || !name) {
        return false;
    }
    const std::size_t length = std::strlen(name);
    return node->name_size() == length && std::memcmp(node->name(), name, length) == 0;
}

std::string_view nameView(const Node* node) {
    return node ? std::string_view(node->name(), node->name_size()) : std::string_view();
}

std::string nameOf(const Node* node) {
    return node ? std::string(node->name(), node->name_size()) : std::string();
}

const Node* firstChildElement(const Node* node, const char* name) {
    if (!node) {
        return nullptr;
    }
    const Node* child = node->first_node();
    while (child && !isElementNamed(child, name)) {
        child = child->next_sibling();
    }
    return child;
}

const Node* nextSiblingElement(const Node* node, const char* name) {
    if (!node) {
        return nullptr;
    }
    const Node* sibling = node->next_sibling();
    while (sibling && !isElementNamed(sibling, name)) {
        sibling = sibling->next_sibling();
    }
    return sibling;
}

std::string firstAttributeValue(const Node* node) {
    const rapidxml::xml_attribute<char>* attribute = node ? node->first_attribute() : nullptr;
    return attribute ? std::string(attribute->value(), attribute->value_size()) : std::string();
}

std::string attributeValue(const Node* node, const char* name, bool* found) {
    const rapidxml::xml_attribute<char>* attribute = node && name ? node->first_attribute(name) : nullptr;
    if (found) {
        *found = attribute != nullptr;
    }
    return attribute ? std::string(attribute->value(), attribute->value_size()) : std::string();
}

std::string childValue(const Node* node, const char* childName) {
    return attributeValue(firstChildElement(node, childName), "value");
}

}  // namespace fhir::xml
