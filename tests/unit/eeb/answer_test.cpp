// Reading the insurer's error answer (EEBFehler): identifiers by extension
// name, the error code and texts in code page 1252, and the result codes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "support/CaseName.h"
#include "tevofhir/tevo.h"

namespace {

std::string fixture(const std::string& name) {
    std::ifstream in(std::string(TEVO_SOURCE_DIR) + "/tests/fixtures/eeb/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Reading {
    std::int32_t code = 0;
    EebAnswerRecord answer;
    HostString messages;
};

Reading readAnswer(const std::string& text) {
    Reading reading;
    HostString input(text);
    reading.code = TevoReadEEBOperationOutcome(&input, &reading.answer, &reading.messages);
    return reading;
}

TEST(EebAnswer, BundleIdentifierLosesItsUrnPrefix) {
    const Reading reading = readAnswer(fixture("answer_bundle.xml"));
    ASSERT_EQ(reading.code, 0);
    EXPECT_EQ(reading.answer.bundleidentifier.str(), "79939e34-c5cc-4da6-ba55-f4bd85832760");
    EXPECT_EQ(reading.answer.messageid.str(), "");
    EXPECT_TRUE(reading.answer.fehler);
    EXPECT_EQ(reading.answer.fehlercode.str(), "100");
    EXPECT_EQ(reading.answer.fehleranzeige.str(), "Der Patient ist nicht bei der adressierten Krankenkasse versichert.");
    EXPECT_EQ(reading.answer.fehlertext.str(), "");
    EXPECT_TRUE(reading.messages.IsEmpty());
}

TEST(EebAnswer, MessageIdAndTextsInCodePage1252) {
    const Reading reading = readAnswer(fixture("answer_message.xml"));
    ASSERT_EQ(reading.code, 0);
    EXPECT_EQ(reading.answer.messageid.str(), "96d6a790-afc2-4556-ab73-301e51a7bf30@kim.de");
    EXPECT_EQ(reading.answer.bundleidentifier.str(), "");
    EXPECT_EQ(reading.answer.fehlercode.str(), "311");
    EXPECT_EQ(reading.answer.fehleranzeige.str(),
              "Die Integrit\xE4t der Nachricht wurde verletzt. Die Pr\xFC" "fung der Signatur hat ergeben, dass die "
              "Nachricht manipuliert wurde.");
    EXPECT_EQ(reading.answer.fehlertext.str(), "Hier k\xF6nnte ihr Stacktrace stehen");
}

TEST(EebAnswer, WithoutIdentifierExtensionAndWithoutCode) {
    std::string text = fixture("answer_bundle.xml");
    const std::size_t begin = text.find("<extension");
    const std::size_t end = text.rfind("</extension>") + 12;
    text.erase(begin, end - begin);
    text.replace(text.find("<code value=\"100\"/>"), 19, "");
    EebAnswerRecord answer;
    answer.bundleidentifier = "before";
    HostString input(text);
    ASSERT_EQ(TevoReadEEBOperationOutcome(&input, &answer, nullptr), 0);
    EXPECT_EQ(answer.bundleidentifier.str(), "before");
    EXPECT_FALSE(answer.fehler);
    EXPECT_EQ(answer.fehlercode.str(), "");
    EXPECT_EQ(answer.fehleranzeige.str(), "Der Patient ist nicht bei der adressierten Krankenkasse versichert.");
}

struct FailureCase {
    const char* name;
    std::string text;
    std::int32_t code;
    const char* message;
};

const FailureCase kFailures[] = {
    {"EmptyInput", "", 13, "Input document is empty."},
    {"OnlyComment", "<!-- none -->", 13, "XML document is empty."},
    {"BundleRoot", fixture("certificate_kvk.xml"), 13, "No FHIR OperationOutcome detected."},
    {"OutcomeWithoutIssue", "<OperationOutcome xmlns=\"http://hl7.org/fhir\"><id value=\"x\"/></OperationOutcome>", 13,
     "No FHIR OperationOutcome detected."},
    {"Truncated", fixture("answer_bundle.xml").substr(0, fixture("answer_bundle.xml").find("<issue>")), 1465,
     "unexpected end of data"},
    {"BadReference", "<OperationOutcome a=\"&#12\"/>", 1465, "expected ;"},
};

class EebAnswerFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(EebAnswerFailure, GivesCodeAndMessage) {
    const Reading reading = readAnswer(GetParam().text);
    EXPECT_EQ(reading.code, GetParam().code);
    EXPECT_EQ(reading.messages.str(), GetParam().message);
    EXPECT_FALSE(reading.answer.fehler);
}

INSTANTIATE_TEST_SUITE_P(Documents, EebAnswerFailure, testing::ValuesIn(kFailures), tevo::test::CaseName());

}  // namespace
