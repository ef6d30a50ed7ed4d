// The nesting guard counts element levels the way the parser descends into
// them, so that nothing hidden in markup it skips can slip past the limit.
#include "fhir/XmlNesting.h"

#include <gtest/gtest.h>

#include <rapidxml/rapidxml.hpp>
#include <random>
#include <string>
#include <vector>

#include "fhir/XmlReader.h"
#include "support/CaseName.h"
#include "support/Repeated.h"

namespace {

using tevo::test::repeated;

using fhir::xml::kMaxNestingDepth;
using fhir::xml::nestingDepth;

std::string nested(std::size_t levels, const std::string& inner = "") {
    std::string text;
    for (std::size_t i = 0; i < levels; ++i) {
        text += "<a>";
    }
    text += inner;
    for (std::size_t i = 0; i < levels; ++i) {
        text += "</a>";
    }
    return text;
}

struct DepthCase {
    const char* name;
    std::string text;
    std::size_t depth;
};

const DepthCase kDepthCases[] = {
    {"empty", "", 0},
    {"text_only", "no markup", 0},
    {"one_element", "<a/>", 1},
    {"siblings_do_not_add_up", "<a><b/><c></c><d/></a>", 2},
    {"three_levels", nested(3), 3},
    {"declaration_and_comment", "<?xml version=\"1.0\"?><!-- <a><a><a> --><a><b/></a>", 2},
    {"cdata_holds_no_elements", "<a><![CDATA[<b><c><d>]]></a>", 1},
    {"processing_instruction", "<a><?pi <b><c> ?></a>", 1},
    {"doctype_with_subset", "<!DOCTYPE a [ <!ELEMENT a (b)> <x><y> ]><a/>", 1},
    {"doctype_needs_blank", "<!DOCTYPEx [ ><a><b/></a>", 2},
    {"other_bang_markup_ends_at_gt", "<!foo [ ><a><b/></a>", 2},
    {"quoted_gt_and_slash", "<a v=\"/>\" w='>'><b/></a>", 2},
    {"quote_in_attribute_name", "<a b\"c='x'><d><e/></d></a>", 3},
    {"self_closing_with_blank", "<a><b v='1' /><c/></a>", 2},
    {"mismatched_closing_tag", "<a><b></c><d/></a>", 2},
    {"unclosed", "<a><a><a>", 3},
    {"embedded_zero_ends_text", std::string("<a>\0<b><c><d>", 13), 1},
    {"malformed_tag_stops_count", "<a b><c><d><e>", 1},
    {"closing_at_top_level", "</x><a/>", 1},
};

class NestingDepth : public testing::TestWithParam<DepthCase> {};

TEST_P(NestingDepth, CountsLikeTheParser) {
    EXPECT_EQ(nestingDepth(GetParam().text, kMaxNestingDepth), GetParam().depth);
}

INSTANTIATE_TEST_SUITE_P(Texts, NestingDepth, testing::ValuesIn(kDepthCases), tevo::test::CaseName());

TEST(NestingDepth, StopsCountingBehindTheLimit) {
    EXPECT_EQ(nestingDepth(nested(10), 4), 5u);
    EXPECT_EQ(nestingDepth(nested(10'000), kMaxNestingDepth), kMaxNestingDepth + 1);
    // '<' may stand inside an element name: this is one element, left open.
    EXPECT_EQ(nestingDepth("<a>" + std::string(100'000, '<'), kMaxNestingDepth), 2u);
}

std::string parseErrorOf(const std::string& text) {
    try {
        const fhir::xml::ParsedDocument document(text);
    } catch (const rapidxml::parse_error& error) {
        return error.what();
    }
    return "parsed";
}

TEST(NestingDepth, ParserReadsTheLimitAndRejectsOneMore) {
    EXPECT_EQ(parseErrorOf(nested(kMaxNestingDepth)), "parsed");
    EXPECT_EQ(parseErrorOf(nested(kMaxNestingDepth + 1)), "elements nested deeper than 512 levels");
    EXPECT_EQ(parseErrorOf(nested(100'000)), "elements nested deeper than 512 levels");
}

struct RefusalCase {
    const char* name;
    std::string text;
    const char* refusal;  // null: parsed
};

using fhir::xml::kMaxNodes;
const std::string kLongest(fhir::xml::kMaxDocumentBytes - 4, ' ');

// Each limit is exact: the last text within it is parsed, one node or byte
// more is refused; every kind of node counts.
const RefusalCase kRefusalCases[] = {
    {"longest_document", kLongest + "<a/>", nullptr},
    {"one_byte_too_long", kLongest + "<a/> ", fhir::xml::kDocumentTooLong},
    {"most_elements", "<a>" + repeated("<b/>", kMaxNodes - 1) + "</a>", nullptr},
    {"one_element_too_many", "<a>" + repeated("<b/>", kMaxNodes) + "</a>", fhir::xml::kTooManyNodes},
    {"attributes_count", "<a" + repeated(" b=''", kMaxNodes) + "/>", fhir::xml::kTooManyNodes},
    {"texts_count", "<a>" + repeated("x<!---->", kMaxNodes) + "</a>", fhir::xml::kTooManyNodes},
    {"blank_texts_are_no_nodes", "<a>" + repeated(" <b/>", kMaxNodes - 1) + "</a>", nullptr},
    {"cdata_sections_count", "<a>" + repeated("<![CDATA[]]>", kMaxNodes) + "</a>", fhir::xml::kTooManyNodes},
    {"doctype", "<!DOCTYPE a><a/>", fhir::xml::kDoctypeRefused},
    {"doctype_with_entities", "<!DOCTYPE a [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><a v='&e;'/>",
     fhir::xml::kDoctypeRefused},
    {"doctype_in_a_comment", "<!-- <!DOCTYPE a> --><a/>", nullptr},
    {"doctype_without_blank_is_other_markup", "<!DOCTYPEa><a/>", nullptr},
};

class Refusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, AtTheLimits) {
    const char* refusal = fhir::xml::refusalOf(GetParam().text);
    EXPECT_STREQ(refusal, GetParam().refusal);
    if (!refusal) {
        EXPECT_EQ(parseErrorOf(GetParam().text), "parsed");
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, Refusal, testing::ValuesIn(kRefusalCases), tevo::test::CaseName());

std::size_t treeDepth(const rapidxml::xml_node<char>* node) {
    std::size_t deepest = 0;
    for (const rapidxml::xml_node<char>* child = node->first_node(); child; child = child->next_sibling()) {
        if (child->type() == rapidxml::node_element) {
            const std::size_t depth = 1 + treeDepth(child);
            deepest = depth > deepest ? depth : deepest;
        }
    }
    return deepest;
}

// Random texts from markup pieces: wherever the parser accepts one, the
// guard's count equals the depth of the tree the parser built.
TEST(NestingDepth, AgreesWithTheParsedTree) {
    const std::vector<std::string> pieces = {"<a>", "</a>", "<b/>", "<c v='>'>", "<d w=\"/>\" />", "<!-- <e> -->",
                                             "<![CDATA[<f>]]>", "<?p <g> ?>", "<!DOCTYPE h [<i>]>", "<!j>",
                                             "text", " ", "</k >", "<l\"m='1'>", "&amp;"};
    std::mt19937 random(8);
    int accepted = 0;
    for (int round = 0; round < 20'000; ++round) {
        std::string text;
        for (int count = 1 + static_cast<int>(random() % 12); count > 0; --count) {
            text += pieces[random() % pieces.size()];
        }
        std::vector<char> buffer(text.begin(), text.end());
        buffer.push_back('\0');
        rapidxml::xml_document<char> document;
        try {
            document.parse<0>(buffer.data());
        } catch (const rapidxml::parse_error&) {
            continue;
        }
        ++accepted;
        EXPECT_EQ(nestingDepth(text, kMaxNestingDepth), treeDepth(&document)) << text;
    }
    EXPECT_GT(accepted, 1000);
}

}  // namespace
