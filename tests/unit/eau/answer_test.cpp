// Reading the receiver's answer: the readers of both generations and the
// result record that the export fills from them.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "boundary/clock.h"
#include "support/CaseName.h"
#include "tevofhir/tevo.h"
#include "unit/eau/bundle_support.h"
#include "usecases/eau/eauOperationOutcome1_1_0_Wrapper.h"
#include "usecases/eau/eauOperationOutcome1_2_0_Wrapper.h"

namespace {

const char* const kNoMessage = "";

// An answer naming the answered document or the transport message.
std::string answerText(const char* identifierUrl, const char* identifierValue, const char* display) {
    return std::string(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<OperationOutcome xmlns=\"http://hl7.org/fhir\">\n"
               "\t<meta><profile value=\"https://fhir.kbv.de/StructureDefinition/"
               "KBV_PR_EAU_health_insurance_Practitioner|1.2\"/></meta>\n"
               "\t<issue>\n"
               "\t\t<extension url=\"https://fhir.kbv.de/StructureDefinition/"
               "KBV_EX_EAU_health_insurance_Practitioner_Identifier\">\n"
               "\t\t\t<extension url=\"") +
           identifierUrl +
           "\">\n"
           "\t\t\t\t<valueIdentifier><system value=\"urn:ietf:rfc:3986\"/><value value=\"" +
           identifierValue +
           "\"/></valueIdentifier>\n"
           "\t\t\t</extension>\n"
           "\t\t</extension>\n"
           "\t\t<severity value=\"fatal\"/>\n"
           "\t\t<code value=\"processing\"/>\n"
           "\t\t<details><coding><system value=\"https://fhir.kbv.de/CodeSystem/KBV_CS_EAU_Fehler\"/>"
           "<code value=\"E-123\"/><display value=\"" +
           display +
           "\"/></coding></details>\n"
           "\t</issue>\n"
           "</OperationOutcome>\n";
}

const std::string kBundleAnswer =
    answerText("Bundle-Identifier", "urn:uuid:5af39963-9272-4e2f-9dca-b917ba485ca1", "Ung\xC3\xBCltige Signatur");

struct ReaderCase {
    const char* name;
    std::string text;
    int code;
    const char* message110;
    const char* message120;
};

const ReaderCase kReaderCases[] = {
    {"empty_text", "", 13, "XML document is empty.", "Input document is empty."},
    {"no_element", "<?xml version=\"1.0\"?><!-- nothing -->", 13, "XML document is empty.", "XML document is empty."},
    {"wrong_root", "<Bundle xmlns=\"http://hl7.org/fhir\"><id value=\"1\"/></Bundle>", 13, kNoMessage,
     "No FHIR OperationOutcome detected."},
    {"no_issue", "<OperationOutcome xmlns=\"http://hl7.org/fhir\"><id value=\"1\"/></OperationOutcome>", 13,
     kNoMessage, "No FHIR OperationOutcome detected."},
    {"truncated", "<OperationOutcome><issue>", 1465, "unexpected end of data", "unexpected end of data"},
    {"no_markup", "no xml at all", 1465, "expected <", "expected <"},
    {"answer", kBundleAnswer, 0, kNoMessage, kNoMessage},
};

class EauAnswerReader : public testing::TestWithParam<ReaderCase> {};

TEST_P(EauAnswerReader, ReportsLike110) {
    fhir::eauOperationOutcome1_1_0_Wrapper reader;
    EXPECT_EQ(reader.read(GetParam().text), GetParam().code);
    EXPECT_EQ(reader.getMessageText().str(), GetParam().message110);
}

TEST_P(EauAnswerReader, ReportsLike120) {
    fhir::eauOperationOutcome1_2_0_Wrapper reader;
    EXPECT_EQ(reader.read(GetParam().text), GetParam().code);
    EXPECT_EQ(reader.getMessageText().str(), GetParam().message120);
}

INSTANTIATE_TEST_SUITE_P(Documents, EauAnswerReader, testing::ValuesIn(kReaderCases),
                         [](const testing::TestParamInfo<ReaderCase>& param) { return param.param.name; });

TEST(EauAnswerValues, AreTakenFromTheFirstIssue) {
    fhir::eauOperationOutcome1_2_0_Wrapper reader;
    ASSERT_EQ(reader.read(kBundleAnswer), 0);
    EXPECT_EQ(reader.answer().extensionUrl, "Bundle-Identifier");
    EXPECT_EQ(reader.answer().extensionValue, "urn:uuid:5af39963-9272-4e2f-9dca-b917ba485ca1");
    EXPECT_EQ(reader.answer().severity, "fatal");
    EXPECT_EQ(reader.answer().code, "E-123");
    EXPECT_EQ(reader.answer().display, "Ung\xC3\xBCltige Signatur");
}

// With several issues the first one counts; an identifier given directly as
// the issue's extension is read as well as the nested form.
TEST(EauAnswerValues, FirstIssueAndFlatExtension) {
    const std::string text =
        "<OperationOutcome xmlns=\"http://hl7.org/fhir\">"
        "<issue><extension url=\"Message-ID\"><valueString value=\"m-1\"/></extension>"
        "<severity value=\"error\"/><details><coding><code value=\"E-1\"/></coding></details></issue>"
        "<issue><severity value=\"fatal\"/><details><coding><code value=\"E-2\"/></coding></details></issue>"
        "</OperationOutcome>";
    fhir::eauOperationOutcome1_1_0_Wrapper reader;
    ASSERT_EQ(reader.read(text), 0);
    EXPECT_EQ(reader.answer().extensionUrl, "Message-ID");
    EXPECT_EQ(reader.answer().extensionValue, "m-1");
    EXPECT_EQ(reader.answer().severity, "error");
    EXPECT_EQ(reader.answer().code, "E-1");
}

// The export reads with the generation of today's date.
class EauAnswerExport : public eautest::PinnedIdentity {
protected:
    int readAnswer(const std::string& text) {
        HostString answer(text);
        return TevoReadEAUOperationOutcome(&answer, &result, &messages);
    }
    ExportResult result;
    HostString messages = "untouched";
};

// The identifier names the answered document (every "urn:uuid:" removed) or
// the transport message; both reach the host as received, while the error
// text is converted to ANSI.
struct AnswerFieldsCase {
    const char* name;
    const char* identifierUrl;
    const char* identifierValue;
    const char* display;
    const char* document;
    const char* validation;
    const char* text;
};

const AnswerFieldsCase kAnswerFieldsCases[] = {
    {"bundle_identifier", "Bundle-Identifier", "urn:uuid:5af39963-9272-4e2f-9dca-b917ba485ca1",
     "Ung\xC3\xBCltige Signatur", "5af39963-9272-4e2f-9dca-b917ba485ca1", "", "Ung\xFCltige Signatur"},
    {"every_urn_uuid_removed", "Bundle-Identifier", "urn:uuid:urn:uuid:5af39963", "", "5af39963", "", ""},
    {"bundle_identifier_as_received", "Bundle-Identifier", "urn:uuid:d\xC3\xB6k", "", "d\xC3\xB6k", "", ""},
    {"message_id_as_received", "Message-ID", "<m\xC3\xA4@kim.telematik>", "Gepr\xC3\xBC" "ft", "",
     "<m\xC3\xA4@kim.telematik>", "Gepr\xFC" "ft"},
    {"other_identifier_ignored", "Other-ID", "x-1", "", "", "", ""},
};

class EauAnswerFields : public eautest::PinnedIdentity, public testing::WithParamInterface<AnswerFieldsCase> {};

// Both generations' readers: today's date chooses the reader.
TEST_P(EauAnswerFields, FillTheResult) {
    const AnswerFieldsCase& tested = GetParam();
    for (const std::int64_t today :
         {eautest::localSeconds(2024, 3, 15, 12, 0, 0), eautest::localSeconds(2025, 10, 15, 12, 0, 0)}) {
        eautest::pinnedNow() = today;
        HostString answer(answerText(tested.identifierUrl, tested.identifierValue, tested.display));
        ExportResult result;
        HostString messages = "untouched";
        ASSERT_EQ(TevoReadEAUOperationOutcome(&answer, &result, &messages), 0);
        EXPECT_EQ(result.document.str(), tested.document);
        EXPECT_EQ(result.validation.str(), tested.validation);
        EXPECT_EQ(result.errorText.str(), tested.text);
        EXPECT_EQ(result.answerText.str(), tested.text);
        EXPECT_TRUE(result.errorFlag);
        EXPECT_EQ(result.errorCode.str(), "E-123");
        EXPECT_EQ(result.answerCode.str(), "E-123");
        EXPECT_EQ(messages.str(), "untouched");
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, EauAnswerFields, testing::ValuesIn(kAnswerFieldsCases), tevo::test::CaseName());

TEST_F(EauAnswerExport, FailureLeavesEmptyValuesAndTheMessage) {
    EXPECT_EQ(readAnswer(""), 13);
    EXPECT_EQ(messages.str(), "Input document is empty.");
    EXPECT_FALSE(result.errorFlag);
    EXPECT_TRUE(result.errorCode.IsEmpty());
    EXPECT_TRUE(result.document.IsEmpty());
}

TEST_F(EauAnswerExport, DateBeforeTheFirstGenerationReadsNothing) {
    eautest::pinnedNow() = eautest::localSeconds(2023, 6, 30, 12, 0, 0);
    EXPECT_EQ(readAnswer(kBundleAnswer), -2);
    EXPECT_TRUE(result.document.IsEmpty());
    EXPECT_FALSE(result.errorFlag);
    EXPECT_EQ(messages.str(), "untouched");
}

}  // namespace
