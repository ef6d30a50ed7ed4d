// The fixed texts of profile classes, compared byte for byte (UTF-8).
#include "fhir/r4/debasis/v1_5_2/CodingPZN.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierBsnr.h"
#include "fhir/r4/gematikeeb/v1_1_0/EEBAnfrageBundle.h"
#include "fhir/r4/gematikeeb/v1_1_0/EEBFehler.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_EX_ERP_Multiple_Prescription.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_PR_ERP_Bundle.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_PR_EAU_health_insurance_Practitioner.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Bundle.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Composition.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Condition_AU.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Storno.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_EX_FOR_Accident.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_EX_FOR_Accident.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Observation_Body_Height.h"
#include "fhir/r4/kbvmiozaeb/v1_1_0/KBV_EX_MIO_ZAEB_Disclaimer.h"
#include "fhir/r4/kbvmiozaeb/v1_1_0/KBV_PR_MIO_ZAEB_Composition.h"
#include "fhir/r4/kbvmiozaeb/v1_1_0/KBV_PR_MIO_ZAEB_Observation_Gapless_Documentation.h"
#include "fhir/r4/kvdigitalvmca/v1_1_0/KBV_PR_116117_TERMINSERVICE_VCA_Patient.h"
#include "fhir/r4/kvdigitalvmca/v1_1_0/KBV_PR_116117_TERMINSERVICE_VCA_Practitioner.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

namespace r4 = fhir::r4;
using Texts = std::vector<std::string>;

struct FixedTexts {
    const char* name;
    Texts (*held)();  // the members of a fresh object, in the order of `expected`
    Texts expected;
};

const std::string kKbv = "https://fhir.kbv.de";
const std::string kTerminology = "http://terminology.hl7.org";

const FixedTexts kCases[] = {
    {"EauBundle_1_2_0",
     [] {
         const r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Bundle p;
         return Texts{p.identifierSystem, p.type};
     },
     {"urn:ietf:rfc:3986", "document"}},
    {"EauComposition_1_2_0",
     [] {
         const r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Composition p;
         return Texts{p.sectionCodeSystem,
                      p.status,
                      p.typeArtEAUSystem,
                      p.typeKlassifizierungSystem,
                      p.typeKlassifizierungCode,
                      p.authorArztType,
                      p.authorPruefnummerType,
                      p.authorPruefnummerIdentifierSystem,
                      p.title,
                      p.attesterMode,
                      p.sectionAUCode,
                      p.sectionICDCode,
                      p.sectionKrankenversicherungsverhaeltnisCode,
                      p.sectionWeitereSchritteCode,
                      p.sectionASVAusuebungCode,
                      p.sectionDiagnoseklartextCode};
     },
     {kKbv + "/CodeSystem/KBV_CS_FOR_Section_Type", "final", kKbv + "/CodeSystem/KBV_CS_EAU_AU_Type",
      kKbv + "/CodeSystem/KBV_CS_SFHIR_KBV_FORMULAR_ART", "e010", "Practitioner", "Device",
      kKbv + "/NamingSystem/KBV_NS_FOR_Pruefnummer", "Arbeitsunf\xC3\xA4higkeit", "legal", "AU_Condition", "ICD",
      "Coverage", "AU_weiter", "FOR_PractitionerRole", "ICD_Text"}},
    {"EauConditionAU_1_2_0",
     [] {
         const r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Condition_AU p;
         return Texts{p.clinicalStatusSystem,   p.clinicalStatusCode, p.verificationStatusSystem,
                      p.verificationStatusCode, p.codeSystem,         p.code};
     },
     {kTerminology + "/CodeSystem/condition-clinical", "active", kTerminology + "/CodeSystem/condition-ver-status",
      "confirmed", kKbv + "/CodeSystem/KBV_CS_SFHIR_KBV_FHIR_DOKUMENTTYPE", "eAU"}},
    {"EauStorno_1_2_0",
     [] {
         const r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Storno p;
         return Texts{p.status, p.mode, p.entryItemIdentifierSystem};
     },
     {"current", "changes", "urn:ietf:rfc:3986"}},
    {"EauAnswer_1_1_0",
     [] {
         const r4::kbvitaeau::v1_1_0::KBV_PR_EAU_health_insurance_Practitioner p;
         return Texts{p.issueSeverity};
     },
     {"fatal"}},
    {"IdentifierBsnr_1_5_2",
     [] {
         const r4::debasis::v1_5_2::IdentifierBsnr p;
         return Texts{p.use, p.system, p.assignerIdentifierSystem};
     },
     {"official", kKbv + "/NamingSystem/KBV_NS_Base_BSNR", "http://fhir.de/sid/arge-ik/iknr"}},
    {"CodingPzn_1_5_2",
     [] {
         const r4::debasis::v1_5_2::CodingPZN p;
         return Texts{p.system};
     },
     {"http://fhir.de/CodeSystem/ifa/pzn"}},
    {"ErpBundle_1_3_2",
     [] {
         const r4::kbverp::v1_3_2::KBV_PR_ERP_Bundle p;
         return Texts{p.identifierSystem, p.type};
     },
     {"https://gematik.de/fhir/erp/NamingSystem/GEM_ERP_NS_PrescriptionId", "document"}},
    {"MultiplePrescription_1_3_2",
     [] {
         const r4::kbverp::v1_3_2::KBV_EX_ERP_Multiple_Prescription p;
         return Texts{p.extensionKennzeichenUrl, p.extensionNummerierungUrl,         p.extensionZeitraumUrl,
                      p.extensionIDUrl,          p.extensionIDValueIdentifierSystem, p.url};
     },
     {"Kennzeichen", "Nummerierung", "Zeitraum", "ID", "urn:ietf:rfc:3986",
      kKbv + "/StructureDefinition/KBV_EX_ERP_Multiple_Prescription"}},
    {"Accident_1_1_0",
     [] {
         const r4::kbvitafor::v1_1_0::KBV_EX_FOR_Accident p;
         return Texts{p.extensionUnfallkennzeichenUrl, p.extensionUnfallbetriebUrl, p.extensionUnfalltagUrl};
     },
     {"Unfallkennzeichen", "Unfallbetrieb", "Unfalltag"}},
    {"Accident_1_2_0",
     [] {
         const r4::kbvitafor::v1_2_0::KBV_EX_FOR_Accident p;
         return Texts{p.extensionUnfallkennzeichenUrl, p.extensionUnfallbetriebUrl, p.extensionUnfalltagUrl};
     },
     {"Unfallkennzeichen", "Unfallbetrieb", "Unfalltag"}},
    {"VosBodyHeight",
     [] {
         const r4::kbvitavos::v2_1_0::KBV_PR_VoS_Observation_Body_Height p;
         return Texts{p.status,
                      p.codeLoincSystem,
                      p.codeLoincVersion,
                      p.codeLoincCode,
                      p.codeLoincDisplay,
                      p.codeSnomedSystem,
                      p.codeSnomedVersion,
                      p.codeSnomedCode,
                      p.codeSnomedDisplay,
                      p.valueQuantityUnit,
                      p.valueQuantitySystem,
                      p.valueQuantityCode};
     },
     {"final", "http://loinc.org", "2.72", "8302-2", "Body height", "http://snomed.info/sct",
      "http://snomed.info/sct/900000000000207008/version/20220331", "1153637007", "Body height (observable entity)",
      "cm", "http://unitsofmeasure.org", "cm"}},
    {"EebRequestBundle",
     [] {
         const r4::gematikeeb::v1_1_0::EEBAnfrageBundle p;
         return Texts{p.identifierSystem, p.type};
     },
     {"urn:ietf:rfc:3986", "message"}},
    {"EebError",
     [] {
         const r4::gematikeeb::v1_1_0::EEBFehler p;
         return Texts{p.issueSeverity};
     },
     {"fatal"}},
    {"VmcaPatient",
     [] {
         const r4::kvdigitalvmca::v1_1_0::KBV_PR_116117_TERMINSERVICE_VCA_Patient p;
         return Texts{p.extensionsName,          p.identifierGkvTypeSystem, p.identifierGkvTypeCode,
                      p.identifierKvkTypeSystem, p.identifierKvkTypeCode,   p.telecomSystem,
                      p.genderOtherSystem};
     },
     {"extensions", "http://fhir.de/CodeSystem/identifier-type-de-basis", "GKV",
      kKbv + "/CodeSystem/KBV_CS_Base_identifier_type", "kvk", "phone", "http://fhir.de/CodeSystem/gender-amtlich-de"}},
    {"VmcaPractitioner",
     [] {
         const r4::kvdigitalvmca::v1_1_0::KBV_PR_116117_TERMINSERVICE_VCA_Practitioner p;
         return Texts{p.extensionsName, p.identifierTypeSystem, p.identifierTypeCode};
     },
     {"extensions", kTerminology + "/CodeSystem/v2-0203", "LANR"}},
    {"ZaebComposition",
     [] {
         const r4::kbvmiozaeb::v1_1_0::KBV_PR_MIO_ZAEB_Composition p;
         return Texts{p.status, p.typeSystem, p.typeVersion, p.typeCode, p.typeDisplay, p.title};
     },
     {"final", "http://snomed.info/sct", "http://snomed.info/sct/900000000000207008/version/20210131", "371525003",
      "Clinical procedure report (record artifact)", "Bonushefteintrag"}},
    {"ZaebGaplessDocumentation",
     [] {
         const r4::kbvmiozaeb::v1_1_0::KBV_PR_MIO_ZAEB_Observation_Gapless_Documentation p;
         return Texts{p.status, p.codeText};
     },
     {"final", "L\xC3\xBC"
               "ckenlose Dokumentation"}},
};

class ProfileFixedTexts : public testing::TestWithParam<FixedTexts> {};

TEST_P(ProfileFixedTexts, HoldsThePublishedValues) { EXPECT_EQ(GetParam().held(), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Profiles, ProfileFixedTexts, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<FixedTexts>& row) { return std::string(row.param.name); });

TEST(ProfileFixedTexts, DisclaimerTextIsUtf8AndUrlIsFiledOnce) {
    const r4::kbvmiozaeb::v1_1_0::KBV_EX_MIO_ZAEB_Disclaimer disclaimer;
    EXPECT_NE(disclaimer.valueString.find("f\xC3\xBCr eine falsche Jahresangabe"), std::string::npos);
    EXPECT_EQ(disclaimer.getChildren("Extension.url").size(), 1u);
    EXPECT_EQ(disclaimer.getChild("Extension.url")->getValue(), disclaimer.url);
}

}  // namespace
