// Members of particular enumerations: codes, systems and display texts as the
// builders and the host rely on them. Texts with umlauts are compared as UTF-8
// bytes.
#include "fhir/r4/codes/Enumerations.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace fhir::codes;

using FromCode = int (*)(const std::string&);
using MemberText = std::string (*)(int);

struct FromCodeCase {
    const char* name;
    FromCode fromCode;
    std::string code;
    int member;
};

const FromCodeCase kFromCodeCases[] = {
    {"DiagnosisCertaintyUpperCase", &CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT::fromCode, "A", 1},
    {"DiagnosisCertaintyLowerCase", &CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT::fromCode, "a", 0},
    {"DiagnosisCertaintyLast", &CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT::fromCode, "Z", 4},
    {"PayorKbvFirst", &VS_KBV_VS_FOR_Payor_type::fromCode, "SKT", 1},
    {"PayorGermanBaseLast", &VS_KBV_VS_FOR_Payor_type::fromCode, "SEL", 6},
    {"IdentifierTypeLanr", &VS_IdentifierTypeDeBasis::fromCode, "LANR", 9},
    {"AccidentOccupationalDisease", &VS_KBV_VS_ERP_Accident_Type::fromCode, "4", 3},
    {"AccidentCodeThreeIsNoMember", &VS_KBV_VS_ERP_Accident_Type::fromCode, "3", 0},
    {"CauseCodeThree", &CS_KBV_CS_FOR_Ursache_Type::fromCode, "3", 3},
    {"DmpLastBeforeGap", &CS_KBV_CS_SFHIR_KBV_DMP::fromCode, "12", 13},
    {"DmpFirstAfterGap", &CS_KBV_CS_SFHIR_KBV_DMP::fromCode, "30", 14},
    {"DmpInGap", &CS_KBV_CS_SFHIR_KBV_DMP::fromCode, "13", 0},
    {"DmpSingleDigit", &CS_KBV_CS_SFHIR_KBV_DMP::fromCode, "1", 0},
    {"WopLast", &CS_KBV_CS_SFHIR_ITA_WOP::fromCode, "98", 26},
    {"PackageSizeOther", &CS_KBV_CS_SFHIR_KBV_NORMGROESSE::fromCode, "Sonstiges", 7},
    {"PackageSizeOtherLowerCase", &CS_KBV_CS_SFHIR_KBV_NORMGROESSE::fromCode, "sonstiges", 0},
    {"BaseIdentifierLowerCaseCode", &CS_KBV_CS_Base_Identifier_Type::fromCode, "kvk", 3},
    {"BaseIdentifierUpperCase", &CS_KBV_CS_Base_Identifier_Type::fromCode, "KVK", 0},
    {"UrgencyUrgent", &VS_KBV_VS_116117_TERMINSERVICE_VCA_Urgency::fromCode, "urgent", 1},
    {"UrgencyRoutine", &VS_KBV_VS_116117_TERMINSERVICE_VCA_Urgency::fromCode, "routine", 2},
    {"UrgencyCapitalised", &VS_KBV_VS_116117_TERMINSERVICE_VCA_Urgency::fromCode, "Urgent", 0},
    {"CheckUpAdult", &VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type::fromCode, "63963009", 2},
    {"CheckUpTrailingBlank", &VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type::fromCode, "2115003 ", 0},
    {"DosageFormTablets", &CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::fromCode, "TAB", 219},
    {"DosageFormImplant", &CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::fromCode, "IMP", 84},
    {"DosageFormNone", &CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::fromCode, "---", 280},
    {"DosageFormLowerCase", &CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::fromCode, "tab", 0},
    {"OriginPhysician", &VS_EEBAnfrageUrsprungVS::fromCode, "1.2.276.0.76.4.30", 65},
    {"OriginOidPrefixOnly", &VS_EEBAnfrageUrsprungVS::fromCode, "1.2.276.0.76.4.3", 0},
    {"SpecialistGroupInternal", &CS_KBV_CS_SFHIR_BAR2_WBO::fromCode, "990", 100},
    {"SpecialistGroupWithoutLeadingZero", &CS_KBV_CS_SFHIR_BAR2_WBO::fromCode, "10", 0},
    {"QualificationMissingValue", &CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG::fromCode, "000", 1},
    {"QualificationLast", &CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG::fromCode, "195", 119},
};

class EnumerationFromCode : public testing::TestWithParam<FromCodeCase> {};

TEST_P(EnumerationFromCode, GivesMember) { EXPECT_EQ(GetParam().fromCode(GetParam().code), GetParam().member); }

INSTANTIATE_TEST_SUITE_P(Cases, EnumerationFromCode, testing::ValuesIn(kFromCodeCases),
                         [](const auto& row) { return std::string(row.param.name); });

struct TextCase {
    const char* name;
    MemberText text;
    int member;
    const char* expected;
};

const TextCase kTextCases[] = {
    {"DiagnosisCertaintyBeyondLast", &CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT::toCode, 5,
     "CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT: Unswitched Enum"},
    {"AccidentBeyondLast", &VS_KBV_VS_ERP_Accident_Type::toCode, 4, "VS_KBV_VS_ERP_Accident_Type: Unswitched Enum"},
    {"IdentifierTypeKvz10Code", &VS_IdentifierTypeDeBasis::toCode, 2, "KVZ10"},
    {"IdentifierTypeKvz10System", &VS_IdentifierTypeDeBasis::toSystem, 2,
     "http://fhir.de/CodeSystem/identifier-type-de-basis"},
    {"IdentifierTypeLanrSystem", &VS_IdentifierTypeDeBasis::toSystem, 9,
     "http://terminology.hl7.org/CodeSystem/v2-0203"},
    {"PayorUkSystem", &VS_KBV_VS_FOR_Payor_type::toSystem, 2,
     "https://fhir.kbv.de/CodeSystem/KBV_CS_FOR_Payor_Type_KBV"},
    {"PayorBgSystem", &VS_KBV_VS_FOR_Payor_type::toSystem, 3, "http://fhir.de/CodeSystem/versicherungsart-de-basis"},
    {"AccidentSystem", &VS_KBV_VS_ERP_Accident_Type::toSystem, 1,
     "https://fhir.kbv.de/CodeSystem/KBV_CS_FOR_Ursache_Type"},
    {"AccidentWorkDisplay", &VS_KBV_VS_ERP_Accident_Type::toDisplay, 2,
     "Arbeitsunfall (Berufsgenossenschaft/Unfallkasse)"},
    {"AccidentDiseaseDisplay", &VS_KBV_VS_ERP_Accident_Type::toDisplay, 3,
     "Berufskrankheit (Berufsgenossenschaft/Unfallkasse)"},
    {"CoPaymentSystem", &VS_KBV_VS_ERP_StatusCoPayment::toSystem, 3,
     "https://fhir.kbv.de/CodeSystem/KBV_CS_FOR_StatusCoPayment"},
    {"VosCategoryCode", &VS_KBV_VS_VoS_Medication_Category::toCode, 4, "03"},
    {"VosCategorySystem", &VS_KBV_VS_VoS_Medication_Category::toSystem, 4,
     "https://fhir.kbv.de/CodeSystem/KBV_CS_ERP_Medication_Category"},
    {"UrgencySystem", &VS_KBV_VS_116117_TERMINSERVICE_VCA_Urgency::toSystem, 2,
     "https://fhir.kbv.de/ValueSet/KBV_VS_116117_TERMINSERVICE_VCA_Urgency"},
    {"CheckUpSystem", &VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type::toSystem, 1, "http://snomed.info/sct"},
    {"CheckUpChildDisplay", &VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type::toDisplay, 1,
     "Dental prophylaxis, children (procedure)"},
    {"CheckUpAdultDisplay", &VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type::toDisplay, 2,
     "Dental prophylaxis, adult (procedure)"},
    {"CheckUpGermanChild", &CS_KBV_CS_MIO_ZAEB_Preventive_Check_Up_German::toDisplay, 1, "Individualprophylaxe (Kind)"},
    {"CheckUpGermanAdult", &CS_KBV_CS_MIO_ZAEB_Preventive_Check_Up_German::toDisplay, 2,
     "Zahn\xC3\xA4rztliche Untersuchung (Erwachsen)"},
    {"CheckUpGermanAdultCode", &CS_KBV_CS_MIO_ZAEB_Preventive_Check_Up_German::toCode, 2, "63963009"},
    {"DosageFormFirst", &CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::toCode, 1, "AEO"},
    {"DosageFormSecond", &CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::toCode, 2, "AMP"},
    {"DosageFormThird", &CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::toCode, 3, "APA"},
    {"DosageFormEleventh", &CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::toCode, 11, "AUS"},
    {"DosageFormTablets", &CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::toCode, 219, "TAB"},
    {"DosageFormToothPaste", &CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::toCode, 279, "ZPA"},
    {"DosageFormNone", &CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::toCode, 280, "---"},
    {"DosageFormBeyondLast", &CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::toCode, 281,
     "CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM: Unswitched Enum"},
    {"DosageFormEssentialOilDisplay", &CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::toDisplay, 1,
     "\xC3\x84therisches \xC3\x96l"},
    {"DosageFormNoneDisplay", &CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::toDisplay, 280, "keine Darreichungsform"},
    {"SpecialistGroupGeneralPractice", &CS_KBV_CS_SFHIR_BAR2_WBO::toDisplay, 1,
     "F\xC3\x84/FA Allgemeinmedizin (alte (M-)WBO, kammerindividuell, EU-\xC3\x84rzte)"},
    {"SpecialistGroupOphthalmology", &CS_KBV_CS_SFHIR_BAR2_WBO::toDisplay, 3, "F\xC3\x84/FA Augenheilkunde"},
    {"SpecialistGroupNeonatology", &CS_KBV_CS_SFHIR_BAR2_WBO::toDisplay, 8, "SP Neonatologie"},
    {"SpecialistGroupPsychotherapist", &CS_KBV_CS_SFHIR_BAR2_WBO::toDisplay, 55,
     "Psychologische Psychotherapeutin/Psychologischer Psychotherapeut"},
    {"SpecialistGroupPaediatricRadiology", &CS_KBV_CS_SFHIR_BAR2_WBO::toDisplay, 98, "SP Kinder- und Jugendradiologie"},
    {"SpecialistGroupLastHandedOver", &CS_KBV_CS_SFHIR_BAR2_WBO::toCode, 99, "579"},
    {"SpecialistGroupInternal", &CS_KBV_CS_SFHIR_BAR2_WBO::toDisplay, 102,
     "Code zur internen Verwendung in den Landesarztregistern. Keine Meldung an das Bundesarztregister"},
    {"SpecialistGroupSystem", [](int) { return CS_KBV_CS_SFHIR_BAR2_WBO::toSystem(); }, 0,
     "https://fhir.kbv.de/CodeSystem/KBV_CS_SFHIR_BAR2_WBO"},
    {"QualificationMissingValue", &CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG::toDisplay, 1, "Missing Value"},
    {"QualificationSportsMedicine", &CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG::toDisplay, 2, "Sportmedizin"},
    {"QualificationVoiceDisorders", &CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG::toDisplay, 7,
     "Stimm- und Sprechst\xC3\xB6rungen, obsolet"},
    {"QualificationRadiotherapy", &CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG::toDisplay, 17,
     "R\xC3\xB6ntgentherapie; obsolet"},
    {"QualificationMedicalInformatics", &CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG::toDisplay, 12,
     "Medizinische Informatik"},
    {"QualificationSystem", [](int) { return CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG::toSystem(); }, 0,
     "https://fhir.kbv.de/CodeSystem/KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG"},
    {"DiagnosisCertaintySystem", [](int) { return CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT::toSystem(); }, 0,
     "https://fhir.kbv.de/CodeSystem/KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT"},
    {"BaseIdentifierSystem", [](int) { return CS_KBV_CS_Base_Identifier_Type::toSystem(); }, 0,
     "https://fhir.kbv.de/CodeSystem/KBV_CS_Base_identifier_type"},
    {"ClinicalStatusSystem", [](int) { return CS_ConditionClinicalStatusCodes::toSystem(); }, 0,
     "http://terminology.hl7.org/CodeSystem/condition-clinical"},
};

class EnumerationText : public testing::TestWithParam<TextCase> {};

TEST_P(EnumerationText, IsExact) { EXPECT_EQ(GetParam().text(GetParam().member), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Cases, EnumerationText, testing::ValuesIn(kTextCases),
                         [](const auto& row) { return std::string(row.param.name); });

// The origins that the request bundle is checked against, with their systems.
struct OriginRow {
    int member;
    const char* oid;
    const char* display;
    bool practitioner;
};

const OriginRow kOriginRows[] = {
    {1, "1.2.276.0.76.4.178", "Notfallsanit\xC3\xA4ter/-in", true},
    {2, "1.2.276.0.76.4.187", "Betriebsst\xC3\xA4tte Leistungserbringerorganisation Vertragszahn\xC3\xA4rzte", false},
    {65, "1.2.276.0.76.4.30", "\xC3\x84rztin/Arzt", true},
    {71, "1.2.276.0.76.4.31", "Zahn\xC3\xA4rztin/Zahnarzt", true},
    {89, "1.2.276.0.76.4.49", "Versicherte/-r", true},
    {90, "1.2.276.0.76.4.50", "Betriebsst\xC3\xA4tte Arzt", false},
    {91, "1.2.276.0.76.4.51", "Zahnarztpraxis", false},
    {99, "1.2.276.0.76.4.59", "Betriebsst\xC3\xA4tte Kostentr\xC3\xA4ger", false},
};

class OriginOid : public testing::TestWithParam<OriginRow> {};

TEST_P(OriginOid, HasCodeDisplayAndSystem) {
    using Origin = VS_EEBAnfrageUrsprungVS;
    const OriginRow& row = GetParam();
    EXPECT_EQ(Origin::fromCode(row.oid), row.member);
    EXPECT_EQ(Origin::toCode(row.member), row.oid);
    EXPECT_EQ(Origin::toDisplay(row.member), row.display);
    EXPECT_EQ(Origin::toSystem(row.member),
              row.practitioner ? "https://gematik.de/fhir/directory/CodeSystem/PractitionerProfessionOID"
                               : "https://gematik.de/fhir/directory/CodeSystem/OrganizationProfessionOID");
}

INSTANTIATE_TEST_SUITE_P(TellingRows, OriginOid, testing::ValuesIn(kOriginRows),
                         [](const auto& row) { return "Member" + std::to_string(row.param.member); });

TEST(OriginOid, SystemsSplitIntoProfessionsAndInstitutions) {
    using Origin = VS_EEBAnfrageUrsprungVS;
    int practitioners = 0;
    for (int member = 1; member <= Origin::size(); ++member) {
        practitioners += Origin::toSystem(member).find("PractitionerProfessionOID") != std::string::npos ? 1 : 0;
    }
    EXPECT_EQ(practitioners, 37);
    EXPECT_EQ(Origin::toSystem(100), "VS_EEBAnfrageUrsprungVS: Unswitched Enum");
}

TEST(DosageForms, FollowTextOrderWithNoDosageFormLast) {
    using Form = CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM;
    for (int member = 2; member < Form::size(); ++member) {
        EXPECT_LT(Form::toCode(member - 1), Form::toCode(member)) << "member " << member;
    }
    EXPECT_EQ(Form::toCode(Form::size()), "---");
}

} // namespace
