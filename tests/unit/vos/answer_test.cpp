// Reading the prescribing software's answer into the result record.
#include <gtest/gtest.h>

#include <string>

#include "support/CaseName.h"
#include "tevofhir/tevo.h"
#include "usecases/vos/vosOperationOutcome2_1_0_Wrapper.h"

namespace {

// An answer with one issue naming `key` in its extension.
std::string answerText(const std::string& key, const std::string& value, const std::string& display,
                       const std::string& valueElement = "valueString") {
    const std::string valueText = valueElement == "valueIdentifier"
                                      ? "<valueIdentifier><value value=\"" + value + "\"/></valueIdentifier>"
                                      : "<" + valueElement + " value=\"" + value + "\"/>";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<OperationOutcome xmlns=\"http://hl7.org/fhir\"><issue>"
           "<extension url=\"https://fhir.kbv.de/StructureDefinition/KBV_EX_VoS_Identifier\"><extension url=\"" +
           key + "\">" + valueText +
           "</extension></extension><severity value=\"error\"/><code value=\"processing\"/>"
           "<details><coding><system value=\"https://fhir.kbv.de/CodeSystem/KBV_CS_VoS_Fehler\"/>"
           "<code value=\"VOS-17\"/><display value=\"" +
           display + "\"/></coding></details></issue></OperationOutcome>";
}

const char* const kUuid = "5af39963-9272-4e2f-9dca-b917ba485ca1";

struct AnswerCase {
    const char* name;
    std::string text;
    bool errorFlag;
    const char* code;
    const char* display;
    const char* document;  // "before" when kept
    const char* validation;  // "before" when kept
};

const AnswerCase kAnswers[] = {
    {"bundle_identifier_without_urn", answerText("Bundle-Identifier", std::string("urn:uuid:") + kUuid, "Fehler"),
     true, "VOS-17", "Fehler", kUuid, "before"},
    {"bundle_identifier_as_identifier",
     answerText("Bundle-Identifier", std::string("urn:uuid:") + kUuid, "Fehler", "valueIdentifier"), true, "VOS-17",
     "Fehler", kUuid, "before"},
    {"message_id", answerText("Message-ID", "msg-4711", "Fehler"), true, "VOS-17", "Fehler", "before", "msg-4711"},
    {"unknown_key", answerText("Bundle-ID", "x", "Fehler"), true, "VOS-17", "Fehler", "before", "before"},
    {"key_in_other_case", answerText("message-id", "x", "Fehler"), true, "VOS-17", "Fehler", "before", "before"},
    {"umlauts_stay_utf8", answerText("Message-ID", "m", "Ung\xC3\xBCltig"), true, "VOS-17", "Ung\xC3\xBCltig",
     "before", "m"},
    {"no_issue", "<OperationOutcome xmlns=\"http://hl7.org/fhir\"/>", false, "", "", "before", "before"},
    {"empty_text", "", false, "", "", "before", "before"},
    {"malformed", "<OperationOutcome><issue>", false, "", "", "before", "before"},
    {"not_xml", "Fehler 500", false, "", "", "before", "before"},
    {"last_issue_wins",
     "<OperationOutcome><issue><details><coding><code value=\"A\"/><display value=\"a\"/></coding></details></issue>"
     "<issue><details><coding><code value=\"B\"/></coding><coding><code value=\"C\"/><display value=\"c\"/>"
     "</coding></details></issue></OperationOutcome>",
     true, "C", "c", "before", "before"},
};

class VosAnswerReading : public testing::TestWithParam<AnswerCase> {};

TEST_P(VosAnswerReading, FillsTheResultRecord) {
    const AnswerCase& tested = GetParam();
    HostString text(tested.text);
    ExportResult result;
    result.document = "before";
    result.validation = "before";
    result.errorFlag = !tested.errorFlag;
    EXPECT_EQ(TevoReadVOSOperationOutcome(&text, &result), 0);
    EXPECT_EQ(result.errorFlag, tested.errorFlag);
    EXPECT_EQ(result.errorCode.str(), tested.code);
    EXPECT_EQ(result.answerCode.str(), tested.code);
    EXPECT_EQ(result.errorText.str(), tested.display);
    EXPECT_EQ(result.answerText.str(), tested.display);
    EXPECT_EQ(result.document.str(), tested.document);
    EXPECT_EQ(result.validation.str(), tested.validation);
}

INSTANTIATE_TEST_SUITE_P(Answers, VosAnswerReading, testing::ValuesIn(kAnswers), tevo::test::CaseName());

// The reader's own status and message, which the export does not hand on.
struct ReaderCase {
    const char* name;
    std::string text;
    int code;
    const char* message;
};

const ReaderCase kReaderCases[] = {
    {"read", answerText("Message-ID", "m", "d"), 0, ""},
    {"empty_text", "", 13, "XML document is empty."},
    {"comment_only", "<!-- nichts -->", 13, "XML document is empty."},
    {"truncated", "<OperationOutcome><issue", 1465, "expected >"},
    {"no_element", "Fehler 500", 1465, "expected <"},
};

class VosAnswerReader : public testing::TestWithParam<ReaderCase> {};

TEST_P(VosAnswerReader, ReportsItsStatus) {
    fhir::vosOperationOutcome2_1_0_Wrapper reader;
    EXPECT_EQ(reader.read(GetParam().text), GetParam().code);
    EXPECT_EQ(reader.getMessageText().str(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Status, VosAnswerReader, testing::ValuesIn(kReaderCases), tevo::test::CaseName());

TEST(VosAnswerExport, ToleratesNullArguments) {
    HostString text(answerText("Message-ID", "m", "d"));
    EXPECT_EQ(TevoReadVOSOperationOutcome(&text, nullptr), 0);
    ExportResult result;
    EXPECT_EQ(TevoReadVOSOperationOutcome(nullptr, &result), 0);
    EXPECT_FALSE(result.errorFlag);
}

}  // namespace
