// Turns an element tree into FHIR XML. The tree's child store already holds the
// document order; the writer adds four rules: resource wrapping, the url
// attribute of extensions, the value attribute of primitives, and merging the
// holders of extensions on primitive fields into the field's element.
//
// The document is first laid out as a flat list of nodes (a holder may add to
// an element written before it) and then printed in one pass into the output,
// in exactly the form of rapidxml's printer with flags 0: a tab per level, a
// line break after each node and after the document, "/>" for elements without children, and the
// attribute quoting and entities of that printer.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "fhir/CanonicalBase.h"
#include "fhir/Element.h"
#include "fhir/r4/core/v4_0_1/Extension.h"

namespace fhir {
namespace {

constexpr std::int32_t kNone = -1;

// A text the layout refers to: either held by the tree (which outlives the
// writing) or copied into the writer's own text store, found by offset.
struct TextRef {
    const char* data = nullptr;
    std::size_t offset = 0;
    std::size_t size = 0;
};

struct XmlNode {
    TextRef name;
    const char* attributeName = nullptr;  // null: no attribute
    TextRef attributeValue;
    std::int32_t firstChild = kNone;
    std::int32_t lastChild = kNone;
    std::int32_t nextSibling = kNone;
};

class Layout {
public:
    explicit Layout(std::size_t expectedNodes) { nodes_.reserve(expectedNodes); }

    std::int32_t appendRoot(const std::string& type) { return append(kNone, copied(type)); }
    void setAttribute(std::int32_t node, const char* name, TextRef value) {
        attributeBytes_ += value.size;
        nodes_[static_cast<std::size_t>(node)].attributeName = name;
        nodes_[static_cast<std::size_t>(node)].attributeValue = value;
    }
    TextRef copied(std::string_view text) {
        TextRef ref;
        ref.offset = texts_.size();
        ref.size = text.size();
        texts_.append(text.data(), text.size());
        return ref;
    }

    void writeChildren(const Element& element, std::int32_t parent);
    void print(std::string& out, bool withDeclaration) const;

private:
    std::int32_t append(std::int32_t parent, TextRef name);
    std::string_view textOf(const TextRef& ref) const {
        return std::string_view(ref.data ? ref.data : texts_.data() + ref.offset, ref.size);
    }
    std::int32_t firstChildNamed(std::int32_t parent, std::string_view name) const;
    void printNode(std::string& out, std::int32_t index, std::size_t depth) const;

    std::vector<XmlNode> nodes_;
    std::string texts_;
    std::string scratch_;
    std::size_t attributeBytes_ = 0;
};

std::int32_t Layout::append(std::int32_t parent, TextRef name) {
    const auto index = static_cast<std::int32_t>(nodes_.size());
    XmlNode node;
    node.name = name;
    nodes_.push_back(node);
    if (parent != kNone) {
        XmlNode& owner = nodes_[static_cast<std::size_t>(parent)];
        if (owner.lastChild == kNone) {
            owner.firstChild = index;
        } else {
            nodes_[static_cast<std::size_t>(owner.lastChild)].nextSibling = index;
        }
        owner.lastChild = index;
    }
    return index;
}

std::int32_t Layout::firstChildNamed(std::int32_t parent, std::string_view name) const {
    for (std::int32_t child = nodes_[static_cast<std::size_t>(parent)].firstChild; child != kNone;
         child = nodes_[static_cast<std::size_t>(child)].nextSibling) {
        if (textOf(nodes_[static_cast<std::size_t>(child)].name) == name) {
            return child;
        }
    }
    return kNone;
}

void Layout::writeChildren(const Element& element, std::int32_t parent) {
    for (const ChildEntry entry : element.childStore()) {
        // Key names are constants that outlive the writing.
        const std::string_view keyName = entry.key().name;
        std::string_view name = keyName;
        std::int32_t target = kNone;
        if (!name.empty() && name.front() == '_') {
            name.remove_prefix(1);
            target = firstChildNamed(parent, name);
        }
        const TextRef nameRef{name.data(), 0, name.size()};
        for (const Element* child : entry) {
            if (!child->isPrimitive()) {
                if (target != kNone) {
                    writeChildren(*child, target);
                    continue;
                }
                const std::int32_t node = append(parent, nameRef);
                std::int32_t toFill = node;
                if (keyName == "resource") {
                    toFill = append(node, copied(child->getFhirType()));
                    setAttribute(toFill, "xmlns", TextRef{base::kFhirNamespace, 0, std::strlen(base::kFhirNamespace)});
                } else if (keyName == "extension") {
                    // Only addExtension files under this name, so the child is
                    // an Extension; its url text outlives the writing.
                    const std::string_view url = static_cast<const r4::core::v4_0_1::Extension*>(child)->urlText();
                    setAttribute(node, "url", TextRef{url.data(), 0, url.size()});
                }
                writeChildren(*child, toFill);
                continue;
            }
            if ((keyName == "url" || keyName == "urlUri") &&
                textOf(nodes_[static_cast<std::size_t>(parent)].name) == "extension") {
                continue;
            }
            const std::int32_t node = append(parent, nameRef);
            const std::string_view value = child->viewValue(scratch_);
            if (!value.empty()) {
                // A value in the scratch text is copied; one held by the tree is not.
                const bool held = value.data() != scratch_.data();
                setAttribute(node, "value", held ? TextRef{value.data(), 0, value.size()} : copied(value));
            }
            writeChildren(*child, node);
        }
    }
}

// Attribute text with the entities of rapidxml's printer: ampersand, less-than,
// greater-than and the quote character in use are replaced.
void appendEscaped(std::string& out, std::string_view text, char quote) {
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char* entity = nullptr;
        switch (text[i]) {
            case '&': entity = "&amp;"; break;
            case '<': entity = "&lt;"; break;
            case '>': entity = "&gt;"; break;
            case '"': entity = quote == '"' ? "&quot;" : nullptr; break;
            case '\'': entity = quote == '\'' ? "&apos;" : nullptr; break;
            default: break;
        }
        if (entity) {
            out.append(text.data() + runStart, i - runStart);
            out.append(entity);
            runStart = i + 1;
        }
    }
    out.append(text.data() + runStart, text.size() - runStart);
}

void appendAttribute(std::string& out, const char* name, std::string_view value) {
    const char quote = value.find('"') == std::string_view::npos ? '"' : '\'';
    out.push_back(' ');
    out.append(name);
    out.push_back('=');
    out.push_back(quote);
    appendEscaped(out, value, quote);
    out.push_back(quote);
}

void Layout::printNode(std::string& out, std::int32_t index, std::size_t depth) const {
    const XmlNode& node = nodes_[static_cast<std::size_t>(index)];
    const std::string_view name = textOf(node.name);
    out.append(depth, '\t');
    out.push_back('<');
    out.append(name.data(), name.size());
    if (node.attributeName) {
        appendAttribute(out, node.attributeName, textOf(node.attributeValue));
    }
    if (node.firstChild == kNone) {
        out.append("/>\n");
        return;
    }
    out.append(">\n");
    for (std::int32_t child = node.firstChild; child != kNone;
         child = nodes_[static_cast<std::size_t>(child)].nextSibling) {
        printNode(out, child, depth + 1);
    }
    out.append(depth, '\t');
    out.append("</");
    out.append(name.data(), name.size());
    out.append(">\n");
}

void Layout::print(std::string& out, bool withDeclaration) const {
    out.clear();
    // A node's line holds its name (twice for elements with children), tabs,
    // brackets and its attribute; a rare second allocation is cheap.
    out.reserve(nodes_.size() * 48 + attributeBytes_ + 64);
    if (withDeclaration) {
        out.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    }
    if (!nodes_.empty()) {
        printNode(out, 0, 0);
    }
    // The printer ends the document itself with a line break as well.
    out.push_back('\n');
}

}  // namespace

void Element::writeXml(std::string& out, bool withDeclaration) const {
    Layout layout(1024);
    const std::int32_t root = layout.appendRoot(getFhirType());
    layout.setAttribute(root, "xmlns", TextRef{base::kFhirNamespace, 0, std::strlen(base::kFhirNamespace)});
    layout.writeChildren(*this, root);
    layout.print(out, withDeclaration);
}

}  // namespace fhir
