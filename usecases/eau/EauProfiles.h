// The profile classes of one eAU generation. The builders are written once
// over these sets; where the generations differ in more than the classes,
// the set says how (profile reference, patient identifier).
#pragma once

#include <string>

#include "fhir/r4/debasis/v1_3_2/CodingICD10GM.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionGkvBesonderePersonengruppe.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionGkvDmpKennzeichen.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionGkvVersichertenart.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionGkvWop.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionICD10GMDiagnosesicherheit.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionSeitenlokalisation.h"
#include "fhir/r4/debasis/v1_3_2/HumannameNamenszusatz.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierBsnr.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierIknr.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierKvid10.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierKzva.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierLanr.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierStandortnummer.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierTelematikId.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierZanr.h"
#include "fhir/r4/debasis/v1_5_2/CodingICD10GM.h"
#include "fhir/r4/debasis/v1_5_2/ExtensionGkvBesonderePersonengruppe.h"
#include "fhir/r4/debasis/v1_5_2/ExtensionGkvDmpKennzeichen.h"
#include "fhir/r4/debasis/v1_5_2/ExtensionGkvVersichertenart.h"
#include "fhir/r4/debasis/v1_5_2/ExtensionGkvWop.h"
#include "fhir/r4/debasis/v1_5_2/ExtensionICD10GMDiagnosesicherheit.h"
#include "fhir/r4/debasis/v1_5_2/ExtensionSeitenlokalisation.h"
#include "fhir/r4/debasis/v1_5_2/HumannameNamenszusatz.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierBsnr.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierIknr.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierKvid10.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierKzva.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierLanr.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierStandortnummer.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierTelematikId.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierZanr.h"
#include "fhir/r4/kbvbasis/v1_3_0/KBV_PR_Base_Datatype_Contactpoint.h"
#include "fhir/r4/kbvbasis/v1_3_0/KBV_PR_Base_Datatype_Name.h"
#include "fhir/r4/kbvbasis/v1_3_0/KBV_PR_Base_Datatype_Post_Office_Box.h"
#include "fhir/r4/kbvbasis/v1_3_0/KBV_PR_Base_Datatype_Street_Address.h"
#include "fhir/r4/kbvbasis/v1_3_0/KBV_PR_Base_Identifier_KVK.h"
#include "fhir/r4/kbvbasis/v1_7_0/KBV_PR_Base_Datatype_Contactpoint.h"
#include "fhir/r4/kbvbasis/v1_7_0/KBV_PR_Base_Datatype_Name.h"
#include "fhir/r4/kbvbasis/v1_7_0/KBV_PR_Base_Datatype_Post_Office_Box.h"
#include "fhir/r4/kbvbasis/v1_7_0/KBV_PR_Base_Datatype_Street_Address.h"
#include "fhir/r4/kbvbasis/v1_7_0/KBV_PR_Base_Identifier_KVK.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_EX_EAU_7_weeks.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_EX_EAU_admission_date.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_EX_EAU_discharge_date.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_EX_EAU_partially_employable.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_EX_EAU_reintegration_date.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_EX_EAU_unemployability.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_PR_EAU_Bundle.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_PR_EAU_Composition.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_PR_EAU_Condition_AU.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_PR_EAU_Condition_ICD.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_PR_EAU_Condition_Text.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_PR_EAU_ServiceRequest_steps.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_PR_EAU_Storno.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_PR_EAU_Storno_Bundle.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_PR_EAU_Storno_Composition.h"
#include "fhir/r4/kbvitaeau/v1_1_0/KBV_PR_EAU_health_insurance_Practitioner.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_EX_EAU_7_weeks.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_EX_EAU_admission_date.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_EX_EAU_discharge_date.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_EX_EAU_partially_employable.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_EX_EAU_reintegration_date.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_EX_EAU_unemployability.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Bundle.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Composition.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Condition_AU.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Condition_ICD.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Condition_Text.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_ServiceRequest_steps.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Storno.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Storno_Bundle.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Storno_Composition.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_health_insurance_Practitioner.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_EX_FOR_Alternative_IK.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_EX_FOR_Legal_basis.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_PR_FOR_Coverage.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_PR_FOR_Identifier_PkvID_10.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_PR_FOR_Organization.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_PR_FOR_Patient.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_PR_FOR_Practitioner.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_PR_FOR_PractitionerRole.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_EX_FOR_Alternative_IK.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_EX_FOR_Legal_basis.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_PR_FOR_Coverage.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_PR_FOR_Organization.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_PR_FOR_Patient.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_PR_FOR_Practitioner.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_PR_FOR_PractitionerRole.h"
#include "usecases/eau/EauData.h"

namespace fhir::eau {

namespace core = fhir::r4::core::v4_0_1;

// eAU 1.1.0 with FOR 1.1.0, KBV base 1.3.0 and German base 1.3.2.
struct Eau110 {
    using Bundle = r4::kbvitaeau::v1_1_0::KBV_PR_EAU_Bundle;
    using Composition = r4::kbvitaeau::v1_1_0::KBV_PR_EAU_Composition;
    using ConditionAU = r4::kbvitaeau::v1_1_0::KBV_PR_EAU_Condition_AU;
    using ConditionText = r4::kbvitaeau::v1_1_0::KBV_PR_EAU_Condition_Text;
    using ConditionICD = r4::kbvitaeau::v1_1_0::KBV_PR_EAU_Condition_ICD;
    using ServiceRequestSteps = r4::kbvitaeau::v1_1_0::KBV_PR_EAU_ServiceRequest_steps;
    using StornoBundle = r4::kbvitaeau::v1_1_0::KBV_PR_EAU_Storno_Bundle;
    using StornoComposition = r4::kbvitaeau::v1_1_0::KBV_PR_EAU_Storno_Composition;
    using Storno = r4::kbvitaeau::v1_1_0::KBV_PR_EAU_Storno;
    using OperationOutcome = r4::kbvitaeau::v1_1_0::KBV_PR_EAU_health_insurance_Practitioner;
    using SevenWeeks = r4::kbvitaeau::v1_1_0::KBV_EX_EAU_7_weeks;
    using AdmissionDate = r4::kbvitaeau::v1_1_0::KBV_EX_EAU_admission_date;
    using DischargeDate = r4::kbvitaeau::v1_1_0::KBV_EX_EAU_discharge_date;
    using PartiallyEmployable = r4::kbvitaeau::v1_1_0::KBV_EX_EAU_partially_employable;
    using ReintegrationDate = r4::kbvitaeau::v1_1_0::KBV_EX_EAU_reintegration_date;
    using Unemployability = r4::kbvitaeau::v1_1_0::KBV_EX_EAU_unemployability;
    using Practitioner = r4::kbvitafor::v1_1_0::KBV_PR_FOR_Practitioner;
    using PractitionerRole = r4::kbvitafor::v1_1_0::KBV_PR_FOR_PractitionerRole;
    using Organization = r4::kbvitafor::v1_1_0::KBV_PR_FOR_Organization;
    using Patient = r4::kbvitafor::v1_1_0::KBV_PR_FOR_Patient;
    using Coverage = r4::kbvitafor::v1_1_0::KBV_PR_FOR_Coverage;
    using LegalBasis = r4::kbvitafor::v1_1_0::KBV_EX_FOR_Legal_basis;
    using AlternativeIk = r4::kbvitafor::v1_1_0::KBV_EX_FOR_Alternative_IK;
    using Name = r4::kbvbasis::v1_3_0::KBV_PR_Base_Datatype_Name;
    using StreetAddress = r4::kbvbasis::v1_3_0::KBV_PR_Base_Datatype_Street_Address;
    using PostOfficeBox = r4::kbvbasis::v1_3_0::KBV_PR_Base_Datatype_Post_Office_Box;
    using ContactPoint = r4::kbvbasis::v1_3_0::KBV_PR_Base_Datatype_Contactpoint;
    using IdentifierKvk = r4::kbvbasis::v1_3_0::KBV_PR_Base_Identifier_KVK;
    using IdentifierLanr = r4::debasis::v1_3_2::IdentifierLanr;
    using IdentifierZanr = r4::debasis::v1_3_2::IdentifierZanr;
    using IdentifierTelematikId = r4::debasis::v1_3_2::IdentifierTelematikId;
    using IdentifierIknr = r4::debasis::v1_3_2::IdentifierIknr;
    using IdentifierBsnr = r4::debasis::v1_3_2::IdentifierBsnr;
    using IdentifierKzva = r4::debasis::v1_3_2::IdentifierKzva;
    using IdentifierStandortnummer = r4::debasis::v1_3_2::IdentifierStandortnummer;
    using IdentifierKvid10 = r4::debasis::v1_3_2::IdentifierKvid10;
    using NameAddition = r4::debasis::v1_3_2::HumannameNamenszusatz;
    using SpecialGroup = r4::debasis::v1_3_2::ExtensionGkvBesonderePersonengruppe;
    using DmpMark = r4::debasis::v1_3_2::ExtensionGkvDmpKennzeichen;
    using InsuredKind = r4::debasis::v1_3_2::ExtensionGkvVersichertenart;
    using Wop = r4::debasis::v1_3_2::ExtensionGkvWop;
    using CodingIcd10Gm = r4::debasis::v1_3_2::CodingICD10GM;
    using Side = r4::debasis::v1_3_2::ExtensionSeitenlokalisation;
    using Certainty = r4::debasis::v1_3_2::ExtensionICD10GMDiagnosesicherheit;
    using IdentifierPkv = r4::kbvitafor::v1_1_0::KBV_PR_FOR_Identifier_PkvID_10;

    // Meta.profile carries the canonical with the full version.
    static std::string profileReference(const std::string& canonical) { return canonical; }
    // The insured's number as the identifier its slot asks for; null when none.
    static core::Identifier* patientIdentifier(const EauData& data);
};

// eAU 1.2.0 with FOR 1.2.0, KBV base 1.7.0 and German base 1.5.2.
struct Eau120 {
    using Bundle = r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Bundle;
    using Composition = r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Composition;
    using ConditionAU = r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Condition_AU;
    using ConditionText = r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Condition_Text;
    using ConditionICD = r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Condition_ICD;
    using ServiceRequestSteps = r4::kbvitaeau::v1_2_0::KBV_PR_EAU_ServiceRequest_steps;
    using StornoBundle = r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Storno_Bundle;
    using StornoComposition = r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Storno_Composition;
    using Storno = r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Storno;
    using OperationOutcome = r4::kbvitaeau::v1_2_0::KBV_PR_EAU_health_insurance_Practitioner;
    using SevenWeeks = r4::kbvitaeau::v1_2_0::KBV_EX_EAU_7_weeks;
    using AdmissionDate = r4::kbvitaeau::v1_2_0::KBV_EX_EAU_admission_date;
    using DischargeDate = r4::kbvitaeau::v1_2_0::KBV_EX_EAU_discharge_date;
    using PartiallyEmployable = r4::kbvitaeau::v1_2_0::KBV_EX_EAU_partially_employable;
    using ReintegrationDate = r4::kbvitaeau::v1_2_0::KBV_EX_EAU_reintegration_date;
    using Unemployability = r4::kbvitaeau::v1_2_0::KBV_EX_EAU_unemployability;
    using Practitioner = r4::kbvitafor::v1_2_0::KBV_PR_FOR_Practitioner;
    using PractitionerRole = r4::kbvitafor::v1_2_0::KBV_PR_FOR_PractitionerRole;
    using Organization = r4::kbvitafor::v1_2_0::KBV_PR_FOR_Organization;
    using Patient = r4::kbvitafor::v1_2_0::KBV_PR_FOR_Patient;
    using Coverage = r4::kbvitafor::v1_2_0::KBV_PR_FOR_Coverage;
    using LegalBasis = r4::kbvitafor::v1_2_0::KBV_EX_FOR_Legal_basis;
    using AlternativeIk = r4::kbvitafor::v1_2_0::KBV_EX_FOR_Alternative_IK;
    using Name = r4::kbvbasis::v1_7_0::KBV_PR_Base_Datatype_Name;
    using StreetAddress = r4::kbvbasis::v1_7_0::KBV_PR_Base_Datatype_Street_Address;
    using PostOfficeBox = r4::kbvbasis::v1_7_0::KBV_PR_Base_Datatype_Post_Office_Box;
    using ContactPoint = r4::kbvbasis::v1_7_0::KBV_PR_Base_Datatype_Contactpoint;
    using IdentifierKvk = r4::kbvbasis::v1_7_0::KBV_PR_Base_Identifier_KVK;
    using IdentifierLanr = r4::debasis::v1_5_2::IdentifierLanr;
    using IdentifierZanr = r4::debasis::v1_5_2::IdentifierZanr;
    using IdentifierTelematikId = r4::debasis::v1_5_2::IdentifierTelematikId;
    using IdentifierIknr = r4::debasis::v1_5_2::IdentifierIknr;
    using IdentifierBsnr = r4::debasis::v1_5_2::IdentifierBsnr;
    using IdentifierKzva = r4::debasis::v1_5_2::IdentifierKzva;
    using IdentifierStandortnummer = r4::debasis::v1_5_2::IdentifierStandortnummer;
    using IdentifierKvid10 = r4::debasis::v1_5_2::IdentifierKvid10;
    using NameAddition = r4::debasis::v1_5_2::HumannameNamenszusatz;
    using SpecialGroup = r4::debasis::v1_5_2::ExtensionGkvBesonderePersonengruppe;
    using DmpMark = r4::debasis::v1_5_2::ExtensionGkvDmpKennzeichen;
    using InsuredKind = r4::debasis::v1_5_2::ExtensionGkvVersichertenart;
    using Wop = r4::debasis::v1_5_2::ExtensionGkvWop;
    using CodingIcd10Gm = r4::debasis::v1_5_2::CodingICD10GM;
    using Side = r4::debasis::v1_5_2::ExtensionSeitenlokalisation;
    using Certainty = r4::debasis::v1_5_2::ExtensionICD10GMDiagnosesicherheit;

    // Meta.profile carries the canonical shortened to major.minor.
    static std::string profileReference(const std::string& canonical);
    static core::Identifier* patientIdentifier(const EauData& data);
};

// The reference that a resource's meta carries in generation P.
template <class P>
std::string profileOf(const core::Resource& resource) {
    return P::profileReference(resource.getCanonical());
}

}  // namespace fhir::eau
