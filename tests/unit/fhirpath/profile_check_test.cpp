// Which rules the check applies where: the profile version a meta.profile
// names, slices picked by their discriminators, extensions by their url, the
// core definition without a known profile, every element and extension.
#include "fhir/fhirpath/ProfileCheck.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/CaseName.h"

namespace {

const std::string kFor = "https://fhir.kbv.de/StructureDefinition/KBV_PR_FOR_Patient";

std::string patient(const std::string& profile, const std::string& body) {
    return "<Patient xmlns=\"http://hl7.org/fhir\"><id value=\"p\"/>" +
           (profile.empty() ? "" : "<meta><profile value=\"" + profile + "\"/></meta>") + body + "</Patient>";
}

std::string identifier(const char* code, const char* value) {
    return std::string("<identifier><type><coding><system value=\"http://fhir.de/CodeSystem/identifier-type-de-basis\"/>"
                       "<code value=\"") + code + "\"/></coding></type><system value=\"http://fhir.de/sid/gkv/kvid-10\"/>"
                       "<value value=\"" + value + "\"/></identifier>";
}

struct Case {
    const char* name;
    std::string xml;
    const char* key;  // a key that must fail; "" for none at all
    bool fails;
};

std::set<std::string> failingKeys(const std::string& xml) {
    const fhir::path::NodeDocument document(xml);
    std::set<std::string> keys;
    for (const auto& failure : fhir::path::checkProfiles(document)) {
        keys.insert(std::string(failure.key));
    }
    return keys;
}

class ChecksProfiles : public testing::TestWithParam<Case> {};

TEST_P(ChecksProfiles, FailingKeys) {
    const std::set<std::string> keys = failingKeys(GetParam().xml);
    if (*GetParam().key == '\0') {
        EXPECT_TRUE(keys.empty()) << *keys.begin();
    } else {
        EXPECT_EQ(keys.count(GetParam().key), GetParam().fails ? 1u : 0u) << GetParam().key;
    }
}

const std::string kOtherGender = "<gender value=\"other\"/>";
const std::string kMultiplePrescription =
    "<MedicationRequest xmlns=\"http://hl7.org/fhir\"><meta><profile value=\""
    "https://fhir.kbv.de/StructureDefinition/KBV_PR_ERP_Prescription|1.3\"/></meta>"
    "<extension url=\"https://fhir.kbv.de/StructureDefinition/KBV_EX_ERP_Multiple_Prescription\">"
    "<extension url=\"Kennzeichen\"><valueBoolean value=\"false\"/></extension>"
    "<extension url=\"Nummerierung\"><valueRatio><numerator><value value=\"1\"/></numerator>"
    "<denominator><value value=\"4\"/></denominator></valueRatio></extension></extension></MedicationRequest>";

const Case kCases[] = {
    {"profile_rule", patient(kFor + "|1.2.0", kOtherGender), "pat-de-1", true},
    {"profile_short_version", patient(kFor + "|1.2", kOtherGender), "pat-de-1", true},
    {"profile_without_version", patient(kFor, kOtherGender), "pat-de-1", true},
    {"core_only_without_profile", patient("", kOtherGender), "pat-de-1", false},
    {"unknown_version_core_only", patient(kFor + "|9.9", kOtherGender), "pat-de-1", false},
    {"slice_member_checked", patient(kFor + "|1.2", identifier("KVZ10", "123")), "-for-laengeVersichertenId", true},
    {"slice_member_valid", patient(kFor + "|1.2", identifier("KVZ10", "A123456789")), "-for-laengeVersichertenId",
     false},
    {"other_slice_not_checked", patient(kFor + "|1.2", identifier("PKV", "123")), "-for-laengeVersichertenId", false},
    {"empty_element", patient("", "<active/>"), "ele-1", true},
    {"element_with_only_an_id", patient("", "<active id=\"a\"/>"), "ele-1", true},
    {"extension_value_and_children", patient("", "<extension url=\"http://x\"><valueString value=\"a\"/>"
                                                 "<extension url=\"y\"><valueString value=\"b\"/></extension></extension>"),
     "ext-1", true},
    {"extension_definition_rules", kMultiplePrescription, "-erp-multiplePrescriptionKennzeichenFalseNummerierung", true},
    {"valid_patient", patient(kFor + "|1.2", identifier("KVZ10", "A123456789") + "<gender value=\"female\"/>"), "",
     false},
};
INSTANTIATE_TEST_SUITE_P(ProfileCheck, ChecksProfiles, testing::ValuesIn(kCases), tevo::test::CaseName());

}  // namespace
