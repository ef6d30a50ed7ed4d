// The profile classes of one eAU generation. The builders are written once
// over these sets; where the generations differ in more than the classes,
// the set says how (patient identifier). The parties come from the FOR
// generation the set derives from (usecases/shared/PartyProfiles.h).
#pragma once

#include <string>

#include "fhir/r4/debasis/v1_3_2/CodingICD10GM.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionICD10GMDiagnosesicherheit.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionSeitenlokalisation.h"
#include "fhir/r4/debasis/v1_5_2/CodingICD10GM.h"
#include "fhir/r4/debasis/v1_5_2/ExtensionICD10GMDiagnosesicherheit.h"
#include "fhir/r4/debasis/v1_5_2/ExtensionSeitenlokalisation.h"
#include "fhir/r4/kbvbasis/v1_3_0/KBV_PR_Base_Identifier_KVK.h"
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
#include "usecases/eau/EauData.h"
#include "usecases/shared/PartyProfiles.h"

namespace fhir::eau {

namespace core = fhir::r4::core::v4_0_1;

// eAU 1.1.0 with FOR 1.1.0, KBV base 1.3.0 and German base 1.3.2.
struct Eau110 : shared::For110 {
    using Party = shared::For110;
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
    using IdentifierKvk = r4::kbvbasis::v1_3_0::KBV_PR_Base_Identifier_KVK;
    using CodingIcd10Gm = r4::debasis::v1_3_2::CodingICD10GM;
    using Side = r4::debasis::v1_3_2::ExtensionSeitenlokalisation;
    using Certainty = r4::debasis::v1_3_2::ExtensionICD10GMDiagnosesicherheit;

    // The insured's number as the identifier its slot asks for; null when none.
    static core::Identifier* patientIdentifier(const EauData& data);
};

// eAU 1.2.0 with FOR 1.2.0, KBV base 1.7.0 and German base 1.5.2.
struct Eau120 : shared::For120 {
    using Party = shared::For120;
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
    using IdentifierKvk = r4::kbvbasis::v1_7_0::KBV_PR_Base_Identifier_KVK;
    using CodingIcd10Gm = r4::debasis::v1_5_2::CodingICD10GM;
    using Side = r4::debasis::v1_5_2::ExtensionSeitenlokalisation;
    using Certainty = r4::debasis::v1_5_2::ExtensionICD10GMDiagnosesicherheit;

    static core::Identifier* patientIdentifier(const EauData& data);
};

using shared::profileOf;

}  // namespace fhir::eau
