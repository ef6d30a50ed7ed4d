// The node model keeps every element, attribute and narrative text: writing
// an official example back gives the same elements, and a resource inside
// `resource` knows its type.
#include "fhir/fhirpath/NodeDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <rapidxml/rapidxml.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using fhir::path::Node;
using fhir::path::NodeDocument;
using XmlNode = rapidxml::xml_node<char>;

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Elements with their attributes sorted, narrative text, nothing else: the
// form in which two readings of a document must agree.
void canonical(const XmlNode& node, bool xhtml, std::string& out) {
    if (node.type() == rapidxml::node_data || node.type() == rapidxml::node_cdata) {
        if (xhtml) {
            out.append("#text(").append(node.value(), node.value_size()).append(")");
        }
        return;
    }
    if (node.type() != rapidxml::node_element) {
        return;
    }
    const std::string name(node.name(), node.name_size());
    xhtml = xhtml || name == "div";
    std::vector<std::pair<std::string, std::string>> attributes;
    for (auto* a = node.first_attribute(); a; a = a->next_attribute()) {
        attributes.emplace_back(std::string(a->name(), a->name_size()), std::string(a->value(), a->value_size()));
    }
    std::sort(attributes.begin(), attributes.end());
    out += "<" + name;
    for (const auto& [key, value] : attributes) {
        out += " " + key + "=[" + value + "]";
    }
    out += ">";
    for (const XmlNode* child = node.first_node(); child; child = child->next_sibling()) {
        canonical(*child, xhtml, out);
    }
    out += "</>";
}

std::string canonical(std::string text) {
    rapidxml::xml_document<char> document;
    document.parse<0>(text.data());
    std::string out;
    for (const XmlNode* node = document.first_node(); node; node = node->next_sibling()) {
        canonical(*node, false, out);
    }
    return out;
}

std::vector<std::filesystem::path> officialExamples() {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path folder = std::string(TEVO_SHARED_DIR) + "/tools/fhircheck/calibration/examples";
    if (std::filesystem::is_directory(folder)) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (entry.path().extension() == ".xml") {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(NodeDocument, EveryOfficialExampleWritesBackTheSameElements) {
    const auto files = officialExamples();
    if (files.empty()) {
        GTEST_SKIP() << "official examples not found";
    }
    for (const auto& file : files) {
        const std::string text = readFile(file);
        const NodeDocument document(text);
        ASSERT_NE(document.root(), nullptr) << file;
        EXPECT_EQ(canonical(fhir::path::writeXml(*document.root())), canonical(text)) << file;
    }
}

const Node* child(const Node& node, std::string_view name) {
    for (const Node& c : node) {
        if (c.name == name) {
            return &c;
        }
    }
    return nullptr;
}

TEST(NodeDocument, ResourcesKnowTheirTypeAndNodesTheirResource) {
    const NodeDocument document(
        R"(<Bundle xmlns="http://hl7.org/fhir"><id value="b"/><entry><fullUrl value="urn:x"/>)"
        R"(<resource><Patient><extension url="u"><valueCode value="c"/></extension>)"
        R"(<text><div xmlns="http://www.w3.org/1999/xhtml">a <b>b</b></div></text></Patient></resource></entry></Bundle>)");
    const Node& bundle = *document.root();
    EXPECT_EQ(bundle.typeName, "Bundle");
    const Node& resource = *child(*child(bundle, "entry"), "resource");
    EXPECT_TRUE(resource.isResource);
    EXPECT_EQ(resource.typeName, "Patient");
    const Node& extension = *child(resource, "extension");
    EXPECT_EQ(extension.resource, &resource);
    const Node& url = *child(extension, "url");
    EXPECT_EQ(url.kind, Node::Kind::Attribute);
    EXPECT_EQ(url.value, "u");
    EXPECT_EQ(child(extension, "valueCode")->value, "c");
    const Node& div = *child(*child(resource, "text"), "div");
    EXPECT_TRUE(div.isXhtml);
    EXPECT_EQ(div.childCount, 3u);  // xmlns, text, <b>
    EXPECT_EQ(div.firstChild[1].value, "a ");
}

TEST(NodeDocument, MalformedTextThrowsTheParserError) {
    EXPECT_THROW(NodeDocument("<Bundle><id value='x'></Bundle>"), rapidxml::parse_error);
    EXPECT_THROW(NodeDocument(std::string(600, '<')), rapidxml::parse_error);
    EXPECT_EQ(NodeDocument("").root(), nullptr);
}

}  // namespace
