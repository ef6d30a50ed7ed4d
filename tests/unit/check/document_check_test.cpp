// The document check through both exports: built and official documents,
// documents that break a rule, no profile named, unreadable text.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "boundary/ResultCode.h"
#include "support/CaseName.h"
#include "support/LumoBuffers.h"
#include "tests/conformance/eauSamples.h"
#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"

namespace {

std::string calibrationExample(const std::string& relative) {
    std::ifstream in(std::string(TEVO_SHARED_DIR) + "/tools/fhircheck/calibration/examples/" + relative,
                     std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string built(EauRecord record) {
    ExportResult result;
    HostString messages;
    EXPECT_EQ(TevoCreateEAUBundle(&record, &result, &messages, true), 0) << messages.str();
    return result.document.str();
}

struct Checked {
    std::int32_t code;
    std::string messages;
};

Checked check(const std::string& xml) {
    HostString document(xml);
    HostString messages;
    const std::int32_t code = TevoCheckDocument(&document, &messages);
    return {code, messages.str()};
}

// A Bundle that names no profile: checked against the core definitions.
const char* const kDocumentWithoutIdentifier =
    R"(<Bundle xmlns="http://hl7.org/fhir"><type value="document"/><timestamp value="2025-01-01T10:00:00Z"/>)"
    R"(<entry><fullUrl value="urn:uuid:8c2d1a3e-0000-4000-8000-000000000001"/><resource><Patient>)"
    R"(<id value="8c2d1a3e-0000-4000-8000-000000000001"/></Patient></resource></entry></Bundle>)";

struct Case {
    const char* name;
    std::string xml;
    std::int32_t code;
    const char* message;  // a part of the messages; "" for none at all
};

class ChecksDocument : public testing::TestWithParam<Case> {};

TEST_P(ChecksDocument, WithCodeAndMessages) {
    const Checked result = check(GetParam().xml);
    EXPECT_EQ(result.code, GetParam().code);
    if (*GetParam().message == '\0') {
        EXPECT_EQ(result.messages, "");
    } else {
        EXPECT_NE(result.messages.find(GetParam().message), std::string::npos) << result.messages;
    }
}

EauRecord streetAndPostBox() {
    EauRecord record = eausamples::gkvCertificate(eausamples::kDate120);
    record.versicherter.postfachanschrift.wohnsitzlaenderkuerzel = "D";
    record.versicherter.postfachanschrift.postleitzahl = "80333";
    record.versicherter.postfachanschrift.ortsname = "M\xFCnchen";
    record.versicherter.postfachanschrift.postfach = "123456";
    return record;
}

const Case kCases[] = {
    {"built_certificate", built(eausamples::gkvCertificate(eausamples::kDate120)), 0, ""},
    {"built_certificate_1_1_0", built(eausamples::gkvCertificate(eausamples::kDate110)), 0, ""},
    {"built_with_street_and_post_box", built(streetAndPostBox()), tevo::result::kProfileRulesBroken, "(-for-"},
    {"official_valid", calibrationExample("KBV_PR_EAU_Bundle/1.2/valid/EEAU0_12a8e1db-448c-5879-aecd-1f81f1b253d5.xml"),
     0, ""},
    {"official_invalid_in_profile_words",
     calibrationExample("KBV_PR_EAU_Bundle/1.2.1/invalid/Beispiel_1-eAU_ERST_GKV-KZVA.xml"),
     tevo::result::kProfileRulesBroken, "(-eau-angabeKZV-AbrechnungsnummerVerbot)"},
    {"no_profile_core_rules", kDocumentWithoutIdentifier, tevo::result::kProfileRulesBroken, "(bdl-9)"},
    {"no_profile_holding", R"(<Patient xmlns="http://hl7.org/fhir"><id value="p"/></Patient>)", 0, ""},
    {"malformed", "<Bundle><type value='document'></Bundle>", tevo::result::kXmlParseError, "expected"},
    {"empty", "  \n", tevo::result::kDocumentIncomplete, "Input document is empty."},
};
INSTANTIATE_TEST_SUITE_P(DocumentCheck, ChecksDocument, testing::ValuesIn(kCases), tevo::test::CaseName());

TEST(DocumentCheck, MessagesAreInCodePage1252OnePerLine) {
    const Checked result = check(built(streetAndPostBox()));
    EXPECT_EQ(result.messages.find("\xC3"), std::string::npos) << "UTF-8 left in the host text";
    EXPECT_EQ(result.messages.back() == '\n', false);
}

TEST(DocumentCheck, NullDocumentIsEmpty) {
    HostString messages;
    EXPECT_EQ(TevoCheckDocument(nullptr, &messages), tevo::result::kDocumentIncomplete);
    EXPECT_EQ(TevoCheckDocument(nullptr, nullptr), tevo::result::kDocumentIncomplete);
}

TEST(LumoCheckDocument, CutsMessagesToTheBuffer) {
    const std::string xml = built(streetAndPostBox());
    tevo::test::LumoBuffers full(1, 4096);
    EXPECT_EQ(LumoCheckDocument(xml.c_str(), full.messageSize(), full.message.data()),
              tevo::result::kProfileRulesBroken);
    const std::string whole(full.message.data());
    EXPECT_NE(whole.find("(-for-"), std::string::npos);

    tevo::test::LumoBuffers small(1, 8);
    EXPECT_EQ(LumoCheckDocument(xml.c_str(), small.messageSize(), small.message.data()),
              tevo::result::kProfileRulesBroken);
    EXPECT_EQ(std::string(small.message.data()), whole.substr(0, 7));
    EXPECT_EQ(LumoCheckDocument(xml.c_str(), 0, nullptr), tevo::result::kProfileRulesBroken);
    EXPECT_EQ(LumoCheckDocument(nullptr, small.messageSize(), small.message.data()),
              tevo::result::kDocumentIncomplete);
}

}  // namespace
