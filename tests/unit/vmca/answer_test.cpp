// Reading the appointment service's answer: Parameters and OperationOutcome
// answers, the reader's status codes and the result record the export fills.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "support/CaseName.h"
#include "tevofhir/tevo.h"
#include "usecases/vmca/kvdigital_vmcaOperationOutcome1_1_0_Wrapper.h"

namespace {

const std::string kParameters =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Parameters xmlns=\"http://hl7.org/fhir\">\n"
    "  <parameter><name value=\"vermittlungscode\"/>\n"
    "    <valueIdentifier><system value=\"urn:ietf:rfc:3986\"/><value value=\"VC-4711-\xC3\xA4\"/></valueIdentifier>\n"
    "  </parameter>\n"
    "  <parameter><name value=\"link\"/><valueUrl value=\"https://116117.example/termin?c=4711&amp;x=1\"/></parameter>\n"
    "</Parameters>\n";

// An OperationOutcome with one issue per argument.
std::string outcome(std::initializer_list<std::string> issues) {
    std::string text = "<OperationOutcome xmlns=\"http://hl7.org/fhir\">";
    for (const std::string& issue : issues) {
        text += "<issue>" + issue + "</issue>";
    }
    return text + "</OperationOutcome>";
}

const std::string kCoding =
    "<severity value=\"error\"/><code value=\"processing\"/>"
    "<details><coding><system value=\"https://fhir.kbv.de/CodeSystem/KBV_CS_116117_Fehler\"/>"
    "<code value=\"VCA-17\"/><display value=\"Ung\xC3\xBCltige BSNR\"/></coding></details>";

struct AnswerCase {
    const char* name;
    std::string text;
    std::int32_t status;
    const char* message;
    fhir::VmcaAnswer answer;
};

const AnswerCase kCases[] = {
    {"parameters", kParameters, 0, "", {"https://116117.example/termin?c=4711&x=1", "VC-4711-\xC3\xA4", "", "", ""}},
    {"last_parameter_wins",
     "<Parameters><parameter><valueUrl value=\"a\"/></parameter><parameter><valueUrl value=\"b\"/>"
     "<valueIdentifier><value value=\"1\"/></valueIdentifier></parameter><parameter><valueString value=\"x\"/>"
     "</parameter></Parameters>",
     0, "", {"b", "1", "", "", ""}},
    {"outcome_with_display", outcome({kCoding}), 0, "", {"", "", "error", "VCA-17", "Ung\xC3\xBCltige BSNR"}},
    {"outcome_diagnostics_replace_display", outcome({kCoding + "<diagnostics value=\"BSNR 03 unbekannt\"/>"}), 0, "",
     {"", "", "error", "VCA-17", "BSNR 03 unbekannt"}},
    {"outcome_empty_diagnostics_keep_display", outcome({kCoding + "<diagnostics value=\"\"/>"}), 0, "",
     {"", "", "error", "VCA-17", "Ung\xC3\xBCltige BSNR"}},
    {"outcome_later_issue_overwrites",
     outcome({kCoding, "<severity value=\"warning\"/><details><coding><code value=\"VCA-2\"/></coding></details>"}),
     0, "", {"", "", "warning", "VCA-2", "Ung\xC3\xBCltige BSNR"}},
    {"outcome_without_issue", "<OperationOutcome/>", 0, "", {}},
    {"empty_text", "", 13, "XML document is empty.", {}},
    {"comment_only", "<?xml version=\"1.0\"?><!-- nichts -->", 13, "XML document is empty.", {}},
    {"bundle", "<Bundle xmlns=\"http://hl7.org/fhir\"><type value=\"document\"/></Bundle>", 13, "", {}},
    {"truncated", kParameters.substr(0, kParameters.find("</Parameters>")), 1465, "unexpected end of data", {}},
    {"no_markup", "kein XML", 1465, "expected <", {}},
    {"reference_without_semicolon", "<Parameters><parameter><valueUrl value=\"&#65\"/></parameter></Parameters>", 1465,
     "expected ;", {}},
};

class VmcaAnswerReader : public testing::TestWithParam<AnswerCase> {};

TEST_P(VmcaAnswerReader, ReadsValuesAndStatus) {
    fhir::kvdigital_vmcaOperationOutcome1_1_0_Wrapper reader;
    EXPECT_EQ(reader.read(GetParam().text), GetParam().status);
    EXPECT_EQ(reader.getMessageText().str(), GetParam().message);
    const fhir::VmcaAnswer& expected = GetParam().answer;
    EXPECT_EQ(reader.answer().url, expected.url);
    EXPECT_EQ(reader.answer().identifier, expected.identifier);
    EXPECT_EQ(reader.answer().severity, expected.severity);
    EXPECT_EQ(reader.answer().code, expected.code);
    EXPECT_EQ(reader.answer().text, expected.text);
}

INSTANTIATE_TEST_SUITE_P(Table, VmcaAnswerReader, testing::ValuesIn(kCases), tevo::test::CaseName());

ExportResult prefilled() {
    ExportResult result;
    result.errorFlag = true;
    for (HostString* field : {&result.errorCode, &result.errorText, &result.document, &result.validation,
                              &result.answerCode, &result.answerText}) {
        *field = "old";
    }
    return result;
}

TEST(VmcaAnswerExport, ParametersFillDocumentAndValidation) {
    HostString answer(kParameters);
    ExportResult result = prefilled();
    EXPECT_EQ(TevoReadVMCA_REQUESTOperationOutcome(&answer, &result), 0);
    EXPECT_FALSE(result.errorFlag);
    EXPECT_EQ(result.errorCode.str(), "");
    EXPECT_EQ(result.errorText.str(), "");
    EXPECT_EQ(result.document.str(), "VC-4711-\xE4");  // code page 1252
    EXPECT_EQ(result.validation.str(), "https://116117.example/termin?c=4711&x=1");
    EXPECT_EQ(result.answerCode.str(), "old");
    EXPECT_EQ(result.answerText.str(), "old");
}

TEST(VmcaAnswerExport, OutcomeFillsTheError) {
    HostString answer(outcome({"<details><coding><code value=\"C-\xC3\xA4\"/><display value=\"Ung\xC3\xBCltig\"/>"
                               "</coding></details>"}));
    ExportResult result = prefilled();
    EXPECT_EQ(TevoReadVMCA_REQUESTOperationOutcome(&answer, &result), 0);
    EXPECT_TRUE(result.errorFlag);
    EXPECT_EQ(result.errorCode.str(), "C-\xC3\xA4");  // as received
    EXPECT_EQ(result.errorText.str(), "Ung\xFCltig");  // code page 1252
    EXPECT_EQ(result.document.str(), "");
    EXPECT_EQ(result.validation.str(), "");
}

TEST(VmcaAnswerExport, MalformedAnswerClearsTheFields) {
    HostString answer("<OperationOutcome><issue>");
    ExportResult result = prefilled();
    EXPECT_EQ(TevoReadVMCA_REQUESTOperationOutcome(&answer, &result), 1465);
    EXPECT_FALSE(result.errorFlag);
    for (const HostString* field : {&result.errorCode, &result.errorText, &result.document, &result.validation}) {
        EXPECT_EQ(field->str(), "");
    }
    EXPECT_EQ(TevoReadVMCA_REQUESTOperationOutcome(nullptr, &result), 13);
    EXPECT_EQ(TevoReadVMCA_REQUESTOperationOutcome(&answer, nullptr), 1465);
}

}  // namespace
