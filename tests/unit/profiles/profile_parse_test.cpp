// Profiles read back from received documents: the object is of the profile
// class and holds what the core class reads.
#include "fhir/XmlReader.h"
#include "fhir/r4/gematikeeb/v1_1_0/EEBBescheinigungBundle.h"
#include "fhir/r4/gematikeeb/v1_1_0/EEBFehler.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_PR_EAU_health_insurance_Practitioner.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_health_insurance_Practitioner.h"
#include "fhir/r4/kbvmiozaeb/v1_1_0/KBV_PR_MIO_ZAEB_Bundle.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

namespace r4 = fhir::r4;

const char* const kOutcome =
    "<OperationOutcome xmlns=\"http://hl7.org/fhir\"><id value=\"o-1\"/>"
    "<meta><profile value=\"https://gematik.de/fhir/eeb/StructureDefinition/EEBFehler\"/></meta>"
    "<text><status value=\"generated\"/></text>"
    "<issue><severity value=\"fatal\"/><code value=\"invalid\"/><diagnostics value=\"Fehler\"/></issue>"
    "<issue><severity value=\"error\"/><code value=\"processing\"/></issue>"
    "</OperationOutcome>";

const char* const kBundle =
    "<Bundle xmlns=\"http://hl7.org/fhir\"><id value=\"b-1\"/>"
    "<identifier><system value=\"urn:ietf:rfc:3986\"/><value value=\"urn:uuid:b-1\"/></identifier>"
    "<type value=\"document\"/><timestamp value=\"2026-01-02T03:04:05Z\"/><language value=\"de\"/>"
    "<entry><fullUrl value=\"urn:uuid:p-1\"/><resource><Patient><id value=\"p-1\"/></Patient></resource></entry>"
    "</Bundle>";

struct OutcomeCase {
    const char* name;
    fhir::Element* (*parse)(const fhir::xml::Node*);
    std::string (*canonical)(const fhir::Element&);
    std::string canonicalTail;  // profile id and version
};

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

template <class T> fhir::Element* parseAs(const fhir::xml::Node* node) {
    T* parsed = T::parse(node);
    EXPECT_NE(dynamic_cast<T*>(parsed), nullptr);
    return parsed;
}

template <class T> std::string canonicalOf(const fhir::Element& element) {
    return dynamic_cast<const T&>(element).getCanonical();
}

class ParsedOutcome : public testing::TestWithParam<OutcomeCase> {};

TEST_P(ParsedOutcome, ReadsIdMetaAndIssuesOnly) {
    const fhir::xml::ParsedDocument document(kOutcome);
    const std::unique_ptr<fhir::Element> outcome(GetParam().parse(document.rootNamed("OperationOutcome")));
    ASSERT_NE(outcome, nullptr);
    EXPECT_TRUE(endsWith(GetParam().canonical(*outcome), GetParam().canonicalTail));
    EXPECT_EQ(outcome->getFullUrl(), "urn:uuid:o-1");
    EXPECT_EQ(outcome->getChildren("OperationOutcome.issue").size(), 2u);
    EXPECT_EQ(outcome->getValueByPath({"OperationOutcome.issue", "OperationOutcome.issue.diagnostics"}, true),
              "Fehler");
    EXPECT_EQ(outcome->getChildren("Resource.meta").size(), 1u);
    // id, meta and the issues; the narrative is not read.
    EXPECT_EQ(outcome->childStore().size(), 3u);
}

const OutcomeCase kOutcomeCases[] = {
    {"EebError", &parseAs<r4::gematikeeb::v1_1_0::EEBFehler>, &canonicalOf<r4::gematikeeb::v1_1_0::EEBFehler>,
     "EEBFehler|1.1.0"},
    {"EauAnswer_1_1_0", &parseAs<r4::kbvitaeau::v1_1_0::KBV_PR_EAU_health_insurance_Practitioner>,
     &canonicalOf<r4::kbvitaeau::v1_1_0::KBV_PR_EAU_health_insurance_Practitioner>,
     "KBV_PR_EAU_health_insurance_Practitioner|1.1.0"},
    {"EauAnswer_1_2_0", &parseAs<r4::kbvitaeau::v1_2_0::KBV_PR_EAU_health_insurance_Practitioner>,
     &canonicalOf<r4::kbvitaeau::v1_2_0::KBV_PR_EAU_health_insurance_Practitioner>,
     "KBV_PR_EAU_health_insurance_Practitioner|1.2.0"},
};

INSTANTIATE_TEST_SUITE_P(Answers, ParsedOutcome, testing::ValuesIn(kOutcomeCases),
                         [](const testing::TestParamInfo<OutcomeCase>& row) { return std::string(row.param.name); });

class ParsedBundle : public testing::TestWithParam<OutcomeCase> {};

TEST_P(ParsedBundle, ReadsTheBundleFields) {
    const fhir::xml::ParsedDocument document(kBundle);
    const std::unique_ptr<fhir::Element> bundle(GetParam().parse(document.rootNamed("Bundle")));
    ASSERT_NE(bundle, nullptr);
    EXPECT_TRUE(endsWith(GetParam().canonical(*bundle), GetParam().canonicalTail));
    EXPECT_EQ(bundle->getFullUrl(), "urn:uuid:b-1");
    EXPECT_EQ(bundle->getValueByPath({"Bundle.type"}, true), "document");
    EXPECT_EQ(bundle->getValueByPath({"Bundle.identifier", "Identifier.value"}, true), "urn:uuid:b-1");
    EXPECT_EQ(bundle->getValueByPath({"Bundle.timestamp"}, true), "2026-01-02T03:04:05Z");
    EXPECT_EQ(bundle->getValueByPath({"Bundle.entry", "Bundle.entry.resource"}, true), "not defined yet");
    EXPECT_EQ(bundle->getChild("Bundle.entry")->getChild("Bundle.entry.resource")->getFhirType(), "Patient");
}

const OutcomeCase kBundleCases[] = {
    {"EebCertificate", &parseAs<r4::gematikeeb::v1_1_0::EEBBescheinigungBundle>,
     &canonicalOf<r4::gematikeeb::v1_1_0::EEBBescheinigungBundle>, "EEBBescheinigungBundle|1.1.0"},
    {"ZaebBundle", &parseAs<r4::kbvmiozaeb::v1_1_0::KBV_PR_MIO_ZAEB_Bundle>,
     &canonicalOf<r4::kbvmiozaeb::v1_1_0::KBV_PR_MIO_ZAEB_Bundle>, "KBV_PR_MIO_ZAEB_Bundle|1.1.0"},
};

INSTANTIATE_TEST_SUITE_P(ReceivedBundles, ParsedBundle, testing::ValuesIn(kBundleCases),
                         [](const testing::TestParamInfo<OutcomeCase>& row) { return std::string(row.param.name); });

TEST(ParsedProfile, EmptyNodeGivesAnEmptyProfileObject) {
    const fhir::xml::ParsedDocument document("<OperationOutcome xmlns=\"http://hl7.org/fhir\"/>");
    const std::unique_ptr<r4::gematikeeb::v1_1_0::EEBFehler> outcome(
        r4::gematikeeb::v1_1_0::EEBFehler::parse(document.root()));
    EXPECT_FALSE(outcome->hasChildren());
    EXPECT_EQ(outcome->issueSeverity, "fatal");
}

}  // namespace
