#include "fhir/XmlReader.h"

#include <gtest/gtest.h>

#include <rapidxml/rapidxml.hpp>
#include <stdexcept>

#include "boundary/Wrapper.h"

#include "support/CaseName.h"

namespace {

using fhir::xml::ParsedDocument;

std::string parseErrorOf(const std::string& text) {
    try {
        ParsedDocument document(text);
    } catch (const rapidxml::parse_error& error) {
        return error.what();
    }
    return "no error";
}

TEST(XmlReader, ByteOrderMarkAndDeclarationAreSkipped) {
    const ParsedDocument plain("<OperationOutcome><issue/></OperationOutcome>");
    const ParsedDocument marked(
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<OperationOutcome><issue/></OperationOutcome>");
    for (const ParsedDocument* document : {&plain, &marked}) {
        ASSERT_NE(document->root(), nullptr);
        EXPECT_EQ(fhir::xml::nameOf(document->root()), "OperationOutcome");
        EXPECT_NE(fhir::xml::firstChildElement(document->root(), "issue"), nullptr);
    }
}

TEST(XmlReader, CommentBeforeRootProducesNoNode) {
    const ParsedDocument document("<!-- answer --><?pi x?><Bundle/>");
    EXPECT_EQ(fhir::xml::nameOf(document.root()), "Bundle");
}

TEST(XmlReader, ReferencesAreReplaced) {
    const ParsedDocument document("<a value=\"A&amp;B &#228; &#xE4; &foo; x\"/>");
    EXPECT_EQ(fhir::xml::attributeValue(document.root(), "value"), "A&B \xC3\xA4 \xC3\xA4 &foo; x");
}

TEST(XmlReader, MismatchedClosingTagIsAccepted) {
    const ParsedDocument document("<a><b value='1'></c></a>");
    EXPECT_EQ(fhir::xml::childValue(document.root(), "b"), "1");
}

TEST(XmlReader, EmptyTextHasNoRoot) {
    const ParsedDocument document("");
    EXPECT_EQ(document.root(), nullptr);
    EXPECT_EQ(document.rootNamed("Bundle"), nullptr);
}

TEST(XmlReader, RootNamedLooksAtTheNextSibling) {
    const ParsedDocument document("<Other/><Bundle/>");
    EXPECT_EQ(fhir::xml::nameOf(document.rootNamed("Bundle")), "Bundle");
    EXPECT_EQ(document.rootNamed("Parameters"), nullptr);
}

struct ParseErrorCase {
    const char* name;
    const char* text;
    const char* error;
};

class XmlParseErrors : public testing::TestWithParam<ParseErrorCase> {};

TEST_P(XmlParseErrors, ReportTheParserText) {
    EXPECT_EQ(parseErrorOf(GetParam().text), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, XmlParseErrors,
    testing::Values(ParseErrorCase{"Truncated", "<Bundle><entry>", "unexpected end of data"},
                    ParseErrorCase{"NoAngleBracket", "just text", "expected <"},
                    ParseErrorCase{"NoElementName", "<>", "expected element name"},
                    ParseErrorCase{"NoEquals", "<a b/>", "expected ="},
                    ParseErrorCase{"NoQuote", "<a b=c/>", "expected ' or \""},
                    ParseErrorCase{"NumericReferenceWithoutSemicolon", "<a b=\"&#228\"/>", "expected ;"}),
    tevo::test::CaseName());

class ReadingCall : public fhir::Wrapper {};

TEST(GuardedRead, MapsEachKindOfFailure) {
    ReadingCall parseFailure;
    EXPECT_EQ(fhir::xml::guardedRead(parseFailure, [] { ParsedDocument d("<a>"); return 0; }), 1465);
    EXPECT_EQ(parseFailure.getMessageText().str(), "unexpected end of data");

    ReadingCall standardFailure;
    EXPECT_EQ(fhir::xml::guardedRead(standardFailure, []() -> std::int32_t { throw std::runtime_error("kaputt"); }),
              1359);
    EXPECT_EQ(standardFailure.getMessageText().str(), "kaputt");

    ReadingCall otherFailure;
    EXPECT_EQ(fhir::xml::guardedRead(otherFailure, []() -> std::int32_t { throw 42; }), 574);
    EXPECT_EQ(otherFailure.getMessageText().str(), "Unknown error occurred.");

    ReadingCall success;
    EXPECT_EQ(fhir::xml::guardedRead(success, [] { return 13; }), 13);
    EXPECT_TRUE(success.messages().IsEmpty());
}

}  // namespace
