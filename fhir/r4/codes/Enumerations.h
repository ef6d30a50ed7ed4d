// The code-system enumerations, one type per code system or value set that a
// builder writes from, named after it. Use them through their static
// operations, e.g.
//   using Certainty = CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT;
//   const int member = Certainty::fromCode(hostCode);  // 0: not in the list
//   if (member != Certainty::EMPTY) write(Certainty::toSystem(), Certainty::toCode(member));
// Each type's members are one data table in tables/<Name>.cpp or, for the long
// lists taken from the published code systems, generated/<Name>.cpp.
#pragma once

#include "fhir/r4/codes/CodeEnumeration.h"

namespace fhir::codes {

struct CS_ConditionClinicalStatusCodes : CodeEnumeration<CS_ConditionClinicalStatusCodes, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct CS_ConditionVerificationStatus : CodeEnumeration<CS_ConditionVerificationStatus, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_EAU_AU_Type : CodeEnumeration<CS_KBV_CS_EAU_AU_Type, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_EAU_WeitereSchritte_Type
    : CodeEnumeration<CS_KBV_CS_EAU_WeitereSchritte_Type, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT
    : CodeEnumeration<CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_SFHIR_ICD_SEITENLOKALISATION
    : CodeEnumeration<CS_KBV_CS_SFHIR_ICD_SEITENLOKALISATION, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_FOR_Ursache_Type : CodeEnumeration<CS_KBV_CS_FOR_Ursache_Type, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_FOR_Qualification_Type
    : CodeEnumeration<CS_KBV_CS_FOR_Qualification_Type, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN
    : CodeEnumeration<CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_SFHIR_KBV_VERSICHERTENSTATUS
    : CodeEnumeration<CS_KBV_CS_SFHIR_KBV_VERSICHERTENSTATUS, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_SFHIR_KBV_PERSONENGRUPPE
    : CodeEnumeration<CS_KBV_CS_SFHIR_KBV_PERSONENGRUPPE, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_SFHIR_KBV_DMP : CodeEnumeration<CS_KBV_CS_SFHIR_KBV_DMP, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_SFHIR_ITA_WOP : CodeEnumeration<CS_KBV_CS_SFHIR_ITA_WOP, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct VS_KBV_VS_FOR_Payor_type : CodeEnumeration<VS_KBV_VS_FOR_Payor_type, Systems::PerMember, Displays::No> {
    static const CodeTable& table();
};

struct VS_IdentifierTypeDeBasis : CodeEnumeration<VS_IdentifierTypeDeBasis, Systems::PerMember, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_Base_Identifier_Type : CodeEnumeration<CS_KBV_CS_Base_Identifier_Type, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_ERP_Medication_Category
    : CodeEnumeration<CS_KBV_CS_ERP_Medication_Category, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct VS_KBV_VS_VoS_Medication_Category
    : CodeEnumeration<VS_KBV_VS_VoS_Medication_Category, Systems::PerMember, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_ERP_Medication_Type : CodeEnumeration<CS_KBV_CS_ERP_Medication_Type, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_FOR_StatusCoPayment : CodeEnumeration<CS_KBV_CS_FOR_StatusCoPayment, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct VS_KBV_VS_ERP_StatusCoPayment
    : CodeEnumeration<VS_KBV_VS_ERP_StatusCoPayment, Systems::PerMember, Displays::No> {
    static const CodeTable& table();
};

struct VS_KBV_VS_ERP_Accident_Type : CodeEnumeration<VS_KBV_VS_ERP_Accident_Type, Systems::PerMember, Displays::Yes> {
    static const CodeTable& table();
};

struct CS_KBV_CS_SFHIR_KBV_PKV_TARIFF : CodeEnumeration<CS_KBV_CS_SFHIR_KBV_PKV_TARIFF, Systems::None, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_SFHIR_KBV_NORMGROESSE : CodeEnumeration<CS_KBV_CS_SFHIR_KBV_NORMGROESSE, Systems::None, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM
    : CodeEnumeration<CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM, Systems::One, Displays::Yes> {
    static const CodeTable& table();
};

struct VS_EEBAnfrageUrsprungVS : CodeEnumeration<VS_EEBAnfrageUrsprungVS, Systems::PerMember, Displays::Yes> {
    static const CodeTable& table();
};

struct CS_KBV_CS_SFHIR_BAR2_WBO : CodeEnumeration<CS_KBV_CS_SFHIR_BAR2_WBO, Systems::One, Displays::Yes> {
    static const CodeTable& table();
};

struct CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG
    : CodeEnumeration<CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG, Systems::One, Displays::Yes> {
    static const CodeTable& table();
};

struct CS_KBV_CS_116117_TERMINSERVICE_VCA_PTV11_Services
    : CodeEnumeration<CS_KBV_CS_116117_TERMINSERVICE_VCA_PTV11_Services, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_116117_TERMINSERVICE_VCA_Probatory_Services
    : CodeEnumeration<CS_KBV_CS_116117_TERMINSERVICE_VCA_Probatory_Services, Systems::One, Displays::No> {
    static const CodeTable& table();
};

struct VS_KBV_VS_116117_TERMINSERVICE_VCA_Urgency
    : CodeEnumeration<VS_KBV_VS_116117_TERMINSERVICE_VCA_Urgency, Systems::PerMember, Displays::No> {
    static const CodeTable& table();
};

struct CS_KBV_CS_MIO_ZAEB_Preventive_Check_Up_German
    : CodeEnumeration<CS_KBV_CS_MIO_ZAEB_Preventive_Check_Up_German, Systems::None, Displays::Yes> {
    static const CodeTable& table();
};

struct VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type
    : CodeEnumeration<VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type, Systems::PerMember, Displays::Yes> {
    static const CodeTable& table();
};

} // namespace fhir::codes
