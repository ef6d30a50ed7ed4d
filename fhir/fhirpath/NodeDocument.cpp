#include "fhir/fhirpath/NodeDocument.h"

#include <cstring>

#include <rapidxml/rapidxml.hpp>


namespace fhir::path {

namespace {

using XmlNode = rapidxml::xml_node<char>;
using XmlAttribute = rapidxml::xml_attribute<char>;

std::string_view nameOf(const XmlNode& node) {
    return {node.name(), node.name_size()};
}

bool isValueAttribute(const XmlAttribute& attribute, bool xhtml) {
    return !xhtml && attribute.name_size() == 5 && std::memcmp(attribute.name(), "value", 5) == 0;
}

const XmlNode* firstElement(const XmlNode& node) {
    for (const XmlNode* child = node.first_node(); child; child = child->next_sibling()) {
        if (child->type() == rapidxml::node_element) {
            return child;
        }
    }
    return nullptr;
}

// FHIR XML wraps a resource in an element (entry.resource, contained,
// response.outcome) whose one child is named after the resource type, the
// only element names that start with a capital letter.
const XmlNode* wrappedResource(const XmlNode& node, bool xhtml) {
    if (xhtml) {
        return nullptr;
    }
    const XmlNode* inner = firstElement(node);
    return inner && inner->name_size() > 0 && inner->name()[0] >= 'A' && inner->name()[0] <= 'Z' ? inner
                                                                                               : nullptr;
}

bool isText(const XmlNode& node, bool xhtml) {
    return xhtml && (node.type() == rapidxml::node_data || node.type() == rapidxml::node_cdata);
}

bool startsXhtml(const XmlNode& node) {
    return nameOf(node) == "div";
}

// What a node's children are read from: the element itself, or for a
// resource wrapper the resource element inside it.
struct Content {
    const XmlNode* element;
    bool xhtml;
};

std::size_t countChildren(const Content& content) {
    std::size_t count = 0;
    for (const XmlAttribute* a = content.element->first_attribute(); a; a = a->next_attribute()) {
        count += isValueAttribute(*a, content.xhtml) ? 0 : 1;
    }
    for (const XmlNode* child = content.element->first_node(); child; child = child->next_sibling()) {
        if (child->type() == rapidxml::node_element || isText(*child, content.xhtml)) {
            ++count;
        }
    }
    return count;
}

std::size_t countAll(const Content& content) {
    std::size_t count = countChildren(content);
    for (const XmlNode* child = content.element->first_node(); child; child = child->next_sibling()) {
        if (child->type() != rapidxml::node_element) {
            continue;
        }
        const bool xhtml = content.xhtml || startsXhtml(*child);
        const XmlNode* inner = wrappedResource(*child, xhtml);
        count += countAll({inner ? inner : child, xhtml});
    }
    return count;
}

class Builder {
public:
    explicit Builder(std::vector<Node>& nodes) : nodes_(nodes) {}

    // Fills the children of `node` from `content`, then their children.
    void fill(Node& node, const Content& content) {
        const std::size_t first = nodes_.size();
        for (const XmlAttribute* a = content.element->first_attribute(); a; a = a->next_attribute()) {
            if (isValueAttribute(*a, content.xhtml)) {
                node.value = {a->value(), a->value_size()};
                node.hasValue = true;
                continue;
            }
            Node& attribute = append(node, Node::Kind::Attribute, {a->name(), a->name_size()}, content.xhtml);
            attribute.value = {a->value(), a->value_size()};
            attribute.hasValue = true;
        }
        const std::size_t attributes = nodes_.size() - first;
        for (const XmlNode* child = content.element->first_node(); child; child = child->next_sibling()) {
            if (child->type() == rapidxml::node_element) {
                const bool xhtml = content.xhtml || startsXhtml(*child);
                Node& element = append(node, Node::Kind::Element, nameOf(*child), xhtml);
                if (const XmlNode* inner = wrappedResource(*child, xhtml)) {
                    element.isResource = true;
                    element.typeName = nameOf(*inner);
                    element.resource = &element;
                }
            } else if (isText(*child, content.xhtml)) {
                Node& text = append(node, Node::Kind::Text, {}, true);
                text.value = {child->value(), child->value_size()};
                text.hasValue = true;
            }
        }
        node.firstChild = nodes_.data() + first;
        node.childCount = static_cast<std::uint32_t>(nodes_.size() - first);
        // Then the children's children, in the same order.
        std::size_t index = first + attributes;
        for (const XmlNode* child = content.element->first_node(); child; child = child->next_sibling()) {
            if (child->type() == rapidxml::node_element) {
                const bool xhtml = content.xhtml || startsXhtml(*child);
                const XmlNode* inner = wrappedResource(*child, xhtml);
                fill(nodes_[index], {inner ? inner : child, xhtml});
                ++index;
            } else if (isText(*child, content.xhtml)) {
                ++index;
            }
        }
    }

private:
    Node& append(const Node& parent, Node::Kind kind, std::string_view name, bool xhtml) {
        // The array was sized beforehand, so addresses stay valid.
        Node& node = nodes_.emplace_back();
        node.kind = kind;
        node.name = name;
        node.parent = &parent;
        node.resource = parent.resource;
        node.isXhtml = xhtml;
        return node;
    }

    std::vector<Node>& nodes_;
};

}  // namespace

NodeDocument::NodeDocument(const std::string& text) : parsed_(text) {
    const XmlNode* rootElement = parsed_.root();
    while (rootElement && rootElement->type() != rapidxml::node_element) {
        rootElement = rootElement->next_sibling();
    }
    if (!rootElement) {
        return;
    }
    const Content content{rootElement, false};
    nodes_.reserve(1 + countAll(content));
    Node& root = nodes_.emplace_back();
    root.name = nameOf(*rootElement);
    root.typeName = root.name;
    root.isResource = true;
    root.resource = &root;
    Builder(nodes_).fill(root, content);
}

NodeDocument::~NodeDocument() = default;

}  // namespace fhir::path
