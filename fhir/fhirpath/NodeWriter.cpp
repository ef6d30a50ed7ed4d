#include "fhir/fhirpath/NodeDocument.h"

namespace fhir::path {

namespace {

void escape(std::string& out, std::string_view text, bool attribute) {
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += attribute ? "&quot;" : "\""; break;
            case '\n': out += attribute ? "&#10;" : "\n"; break;
            case '\r': out += "&#13;"; break;
            case '\t': out += attribute ? "&#9;" : "\t"; break;
            default: out += c;
        }
    }
}

void attribute(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out += name;
    out += "=\"";
    escape(out, value, true);
    out += '"';
}

void write(std::string& out, const Node& node);

// The start tag named `name` with the node's attributes, its content and
// the end tag.
void element(std::string& out, std::string_view name, const Node& node) {
    out += '<';
    out += name;
    bool content = false;
    for (const Node& child : node) {
        if (child.kind == Node::Kind::Attribute) {
            attribute(out, child.name, child.value);
        } else {
            content = true;
        }
    }
    if (node.hasValue) {
        attribute(out, "value", node.value);
    }
    if (!content) {
        out += "/>";
        return;
    }
    out += '>';
    for (const Node& child : node) {
        write(out, child);
    }
    out += "</";
    out += name;
    out += '>';
}

void write(std::string& out, const Node& node) {
    switch (node.kind) {
        case Node::Kind::Attribute: return;
        case Node::Kind::Text: escape(out, node.value, false); return;
        case Node::Kind::Element: break;
    }
    if (node.isResource && node.parent) {
        out += '<';
        out += node.name;
        out += '>';
        element(out, node.typeName, node);
        out += "</";
        out += node.name;
        out += '>';
        return;
    }
    element(out, node.name, node);
}

}  // namespace

std::string writeXml(const Node& root) {
    std::string out;
    write(out, root);
    return out;
}

}  // namespace fhir::path
