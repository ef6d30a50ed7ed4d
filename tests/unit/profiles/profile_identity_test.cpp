// URL, canonical URL and FHIR type of sample profile classes, per package.
#include "ProfileCase.h"
#include "fhir/r4/debasis/v0_9_13/HumannameNamenszusatz.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionGkvWop.h"
#include "fhir/r4/debasis/v1_3_2/VitalSignDE_Koerpergroesse.h"
#include "fhir/r4/debasis/v1_4_0/GenderOtherDE.h"
#include "fhir/r4/debasis/v1_5_2/AddressDeBasis.h"
#include "fhir/r4/debasis/v1_5_2/CodingPZN.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierBsnr.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierKvid10.h"
#include "fhir/r4/gematikeeb/v1_1_0/EEBAnfrageBundle.h"
#include "fhir/r4/gematikeeb/v1_1_0/EEBFehler.h"
#include "fhir/r4/gematikeeb/v1_1_0/Einverstaendnis.h"
#include "fhir/r4/kbvbasis/v1_1_3/KBV_EX_Base_Terminology_German.h"
#include "fhir/r4/kbvbasis/v1_3_0/KBV_PR_Base_Datatype_Name.h"
#include "fhir/r4/kbvbasis/v1_6_0/KBV_PR_Base_Patient.h"
#include "fhir/r4/kbvbasis/v1_7_0/KBV_PR_Base_Identifier_KVK.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_BVG.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_EX_ERP_Multiple_Prescription.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_PR_ERP_Bundle.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_PR_ERP_Medication_PZN.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_PR_EAU_Bundle.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_PR_EAU_health_insurance_Practitioner.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_EX_EAU_7_weeks.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Bundle.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Composition.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Condition_AU.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Storno.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_PR_FOR_Identifier_PkvID_10.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_EX_FOR_Accident.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Observation_Body_Height.h"
#include "fhir/r4/kbvmiozaeb/v1_1_0/KBV_EX_MIO_ZAEB_Disclaimer.h"
#include "fhir/r4/kbvmiozaeb/v1_1_0/KBV_PR_MIO_ZAEB_Bundle.h"
#include "fhir/r4/kvdigitalvmca/v1_1_0/KBV_PR_116117_TERMINSERVICE_VCA_Patient.h"
#include "fhir/r4/kvdigitalvmca/v1_1_0/KBV_PR_116117_TERMINSERVICE_VCA_Practitioner.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using profile_case::identity;
using profile_case::Identity;
namespace r4 = fhir::r4;

std::string kbv(const char* id) { return std::string("https://fhir.kbv.de/StructureDefinition/") + id; }
std::string de(const char* id) { return std::string("http://fhir.de/StructureDefinition/") + id; }
std::string eeb(const char* id) { return std::string("https://gematik.de/fhir/eeb/StructureDefinition/") + id; }

const std::vector<Identity> kGermanBase = {
    identity<r4::debasis::v0_9_13::HumannameNamenszusatz>("Namenszusatz_0_9_13", de("humanname-namenszusatz"), "0.9.13",
                                                          "Extension"),
    identity<r4::debasis::v1_3_2::ExtensionGkvWop>("Wop_1_3_2", de("gkv/wop"), "1.3.2", "Extension"),
    identity<r4::debasis::v1_3_2::VitalSignDE_Koerpergroesse>(
        "Koerpergroesse_1_3_2", de("observation-de-vitalsign-koerpergroesse"), "1.3.2", "Observation"),
    identity<r4::debasis::v1_4_0::GenderOtherDE>("Gender_1_4_0", de("gender-amtlich-de"), "1.4.0", "Extension"),
    identity<r4::debasis::v1_5_2::AddressDeBasis>("Address_1_5_2", de("address-de-basis"), "1.5.2", "Address"),
    identity<r4::debasis::v1_5_2::IdentifierBsnr>("Bsnr_1_5_2", de("identifier-bsnr"), "1.5.2", "Identifier"),
    identity<r4::debasis::v1_5_2::IdentifierKvid10>("Kvid10_1_5_2", de("identifier-kvid-10"), "1.5.2", "Identifier"),
    identity<r4::debasis::v1_5_2::CodingPZN>("Pzn_1_5_2", de("CodingPZN"), "1.5.2", "Coding"),
};

const std::vector<Identity> kKbvBase = {
    identity<r4::kbvbasis::v1_1_3::KBV_EX_Base_Terminology_German>(
        "TerminologyGerman_1_1_3", kbv("KBV_EX_Base_Terminology_German"), "1.1.3", "Extension"),
    identity<r4::kbvbasis::v1_3_0::KBV_PR_Base_Datatype_Name>("Name_1_3_0", kbv("KBV_PR_Base_Datatype_Name"), "1.3.0",
                                                              "HumanName"),
    identity<r4::kbvbasis::v1_6_0::KBV_PR_Base_Patient>("Patient_1_6_0", kbv("KBV_PR_Base_Patient"), "1.6.0",
                                                        "Patient"),
    identity<r4::kbvbasis::v1_7_0::KBV_PR_Base_Identifier_KVK>("Kvk_1_7_0", kbv("KBV_PR_Base_Identifier_KVK"), "1.7.0",
                                                               "Identifier"),
};

const std::vector<Identity> kEau = {
    identity<r4::kbvitaeau::v1_1_0::KBV_PR_EAU_Bundle>("Bundle_1_1_0", kbv("KBV_PR_EAU_Bundle"), "1.1.0", "Bundle"),
    identity<r4::kbvitaeau::v1_1_0::KBV_PR_EAU_health_insurance_Practitioner>(
        "Answer_1_1_0", kbv("KBV_PR_EAU_health_insurance_Practitioner"), "1.1.0", "OperationOutcome"),
    identity<r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Bundle>("Bundle_1_2_0", kbv("KBV_PR_EAU_Bundle"), "1.2.0", "Bundle"),
    identity<r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Composition>("Composition_1_2_0", kbv("KBV_PR_EAU_Composition"), "1.2.0",
                                                            "Composition"),
    identity<r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Condition_AU>("ConditionAU_1_2_0", kbv("KBV_PR_EAU_Condition_AU"),
                                                             "1.2.0", "Condition"),
    identity<r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Storno>("Storno_1_2_0", kbv("KBV_PR_EAU_Storno"), "1.2.0", "List"),
    identity<r4::kbvitaeau::v1_2_0::KBV_EX_EAU_7_weeks>("SevenWeeks_1_2_0", kbv("KBV_EX_EAU_7_weeks"), "1.2.0",
                                                        "Extension"),
};

const std::vector<Identity> kErpAndForms = {
    identity<r4::kbverp::v1_1_0::KBV_EX_ERP_BVG>("Bvg_1_1_0", kbv("KBV_EX_ERP_BVG"), "1.1.0", "Extension"),
    identity<r4::kbverp::v1_3_2::KBV_PR_ERP_Bundle>("Bundle_1_3_2", kbv("KBV_PR_ERP_Bundle"), "1.3.2", "Bundle"),
    identity<r4::kbverp::v1_3_2::KBV_EX_ERP_Multiple_Prescription>(
        "MultiplePrescription_1_3_2", kbv("KBV_EX_ERP_Multiple_Prescription"), "1.3.2", "Extension"),
    identity<r4::kbverp::v1_3_2::KBV_PR_ERP_Medication_PZN>("MedicationPzn_1_3_2", kbv("KBV_PR_ERP_Medication_PZN"),
                                                            "1.3.2", "Medication"),
    identity<r4::kbvitafor::v1_1_0::KBV_PR_FOR_Identifier_PkvID_10>(
        "PkvId_1_1_0", kbv("KBV_PR_FOR_Identifier_PkvID_10"), "1.1.0", "Identifier"),
    identity<r4::kbvitafor::v1_2_0::KBV_EX_FOR_Accident>("Accident_1_2_0", kbv("KBV_EX_FOR_Accident"), "1.2.0",
                                                         "Extension"),
};

const std::vector<Identity> kOtherUseCases = {
    identity<r4::kbvitavos::v2_1_0::KBV_PR_VoS_Observation_Body_Height>(
        "VosBodyHeight", kbv("KBV_PR_VoS_Observation_Body_Height"), "2.1.0", "Observation"),
    identity<r4::gematikeeb::v1_1_0::EEBAnfrageBundle>("EebRequest", eeb("EEBAnfrageBundle"), "1.1.0", "Bundle"),
    identity<r4::gematikeeb::v1_1_0::EEBFehler>("EebError", eeb("EEBFehler"), "1.1.0", "OperationOutcome"),
    identity<r4::gematikeeb::v1_1_0::Einverstaendnis>("EebConsent", eeb("Einverstaendnis"), "1.1.0", "Extension"),
    identity<r4::kbvmiozaeb::v1_1_0::KBV_PR_MIO_ZAEB_Bundle>("ZaebBundle", kbv("KBV_PR_MIO_ZAEB_Bundle"), "1.1.0",
                                                             "Bundle"),
    identity<r4::kbvmiozaeb::v1_1_0::KBV_EX_MIO_ZAEB_Disclaimer>("ZaebDisclaimer", kbv("KBV_EX_MIO_ZAEB_Disclaimer"),
                                                                 "1.1.0", "Extension"),
    identity<r4::kvdigitalvmca::v1_1_0::KBV_PR_116117_TERMINSERVICE_VCA_Patient>(
        "VmcaPatient", kbv("KBV_PR_116117_TERMINSERVICE_VCA_Patient"), "2.1.0", "Patient"),
    identity<r4::kvdigitalvmca::v1_1_0::KBV_PR_116117_TERMINSERVICE_VCA_Practitioner>(
        "VmcaPractitioner", kbv("KBV_PR_116117_TERMINSERVICE_VCA_Practitioner"), "1.1.0", "Practitioner"),
};

class ProfileIdentity : public testing::TestWithParam<Identity> {};

TEST_P(ProfileIdentity, AnswersUrlCanonicalAndType) {
    const Identity& row = GetParam();
    const auto object = row.make();
    EXPECT_EQ(object->getUrl(), row.url);
    EXPECT_EQ(row.canonical(*object), row.url + "|" + row.version);
    EXPECT_EQ(object->getFhirType(), row.fhirType);
}

std::string caseName(const testing::TestParamInfo<Identity>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(GermanBase, ProfileIdentity, testing::ValuesIn(kGermanBase), caseName);
INSTANTIATE_TEST_SUITE_P(KbvBase, ProfileIdentity, testing::ValuesIn(kKbvBase), caseName);
INSTANTIATE_TEST_SUITE_P(Eau, ProfileIdentity, testing::ValuesIn(kEau), caseName);
INSTANTIATE_TEST_SUITE_P(ErpAndForms, ProfileIdentity, testing::ValuesIn(kErpAndForms), caseName);
INSTANTIATE_TEST_SUITE_P(OtherUseCases, ProfileIdentity, testing::ValuesIn(kOtherUseCases), caseName);

}  // namespace
