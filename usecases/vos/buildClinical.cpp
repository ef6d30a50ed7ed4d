// What the practice knows about the patient: allergies, diagnoses and the
// three measurements.
#include <algorithm>

#include "fhir/r4/codes/Enumerations.h"
#include "fhir/r4/core/v4_0_1/Quantity.h"
#include "fhir/r4/debasis/v1_3_2/CodingATC.h"
#include "fhir/r4/debasis/v1_3_2/CodingICD10GM.h"
#include "fhir/r4/debasis/v1_3_2/CodingPZN.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionICD10GMDiagnosesicherheit.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_EX_VoS_isPermanent.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_AllergyIntolerance.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Condition.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Observation_Body_Height.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Observation_Body_Weight.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Observation_Creatinine_Level.h"
#include "usecases/vos/vosBuilders.h"
#include "usecases/vos/vosChoices.h"
#include "usecases/vos/vosElements.h"

namespace fhir::vos {
namespace {

namespace vosp = r4::kbvitavos::v2_1_0;
namespace debasis = r4::debasis::v1_3_2;

template <class CodingProfile>
core::Coding* newProfileCoding(const std::string& version, const HostString& code) {
    auto* coding = new CodingProfile();
    coding->addSystem(new f_uri(coding->system));
    if (!version.empty()) {
        coding->addVersion(new f_string(version));
    }
    coding->addCode(new f_code(code.str()));
    return coding;
}

core::CodeableConcept* allergyStatus(const char* system, const char* code, const char* display) {
    return newConcept(newCoding(system, choice::kPlaceholderVersion, code, display));
}

core::CodeableConcept* substance(const VosAllergy& allergy) {
    auto* code = new core::CodeableConcept();
    if (!allergy.atc.IsEmpty()) {
        code->addCoding(newProfileCoding<debasis::CodingATC>(choice::kPlaceholderVersion, allergy.atc));
    }
    if (!allergy.pzn.IsEmpty()) {
        code->addCoding(newProfileCoding<debasis::CodingPZN>("", allergy.pzn));
    }
    if (!allergy.substanz.IsEmpty()) {
        code->addText(new f_string(allergy.substanz.str()));
    }
    return code;
}

// The ICD-10-GM code with its certainty, and the diagnosis text.
core::CodeableConcept* diagnosis(const VosCondition& condition) {
    auto* code = new core::CodeableConcept();
    if (!condition.icdCode.IsEmpty()) {
        core::Coding* icd = newProfileCoding<debasis::CodingICD10GM>(condition.icdVersion.str(), condition.icdCode);
        addCodingExtension<debasis::ExtensionICD10GMDiagnosesicherheit>(
            *icd, codingFor<codes::CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT>(condition.diagnosesicherheit));
        code->addCoding(icd);
    }
    if (!condition.diagnosetext.IsEmpty()) {
        code->addText(new f_string(condition.diagnosetext.str()));
    }
    return code;
}

// A measurement: status, its two codes, the patient and the host's decimal
// with the profile's unit. A decimal comma counts as point.
template <class Profile>
core::Observation* measurement(const std::string& value, const core::Patient* patient, core::Coding* second) {
    auto* observation = new Profile();
    identifyFresh(*observation);
    observation->addStatus(new f_code(observation->status));
    auto* code = newConcept(newCoding(observation->codeLoincSystem, observation->codeLoincVersion,
                                      observation->codeLoincCode, observation->codeLoincDisplay));
    code->addCoding(second);
    observation->addCode(code);
    if (patient) {
        observation->addSubject(newReference(*patient));
    }
    std::string decimal = value;
    std::replace(decimal.begin(), decimal.end(), ',', '.');
    auto* quantity = new core::Quantity();
    quantity->addValue(new f_decimal(decimal));
    quantity->addUnit(new f_string(observation->valueQuantityUnit));
    quantity->addSystem(new f_uri(observation->valueQuantitySystem));
    quantity->addCode(new f_code(observation->valueQuantityCode));
    observation->addValue(quantity);
    return observation;
}

template <class Profile>
core::Observation* vitalSign(const std::string& value, const core::Patient* patient) {
    if (value.empty()) {
        return nullptr;
    }
    const Profile fixed;
    return measurement<Profile>(value, patient,
                                newCoding(fixed.codeSnomedSystem, fixed.codeSnomedVersion, fixed.codeSnomedCode,
                                          fixed.codeSnomedDisplay));
}

}  // namespace

core::AllergyIntolerance* buildAllergy(const VosAllergy& data, const core::Patient* patient) {
    auto* allergy = new vosp::KBV_PR_VoS_AllergyIntolerance();
    identifyFresh(*allergy);
    allergy->addClinicalStatus(allergyStatus(choice::kAllergyClinicalSystem, "active", "Active"));
    allergy->addVerificationStatus(allergyStatus(choice::kAllergyVerificationSystem, "confirmed", "Confirmed"));
    allergy->addType(new f_code(allergy->type));
    allergy->addCode(substance(data));
    if (patient) {
        allergy->addPatient(newReference(*patient));
    }
    // A reaction needs its manifestation: without text there is none.
    if (!data.reaktion.IsEmpty()) {
        auto* manifestation = new core::CodeableConcept();
        manifestation->addText(new f_string(data.reaktion.str()));
        auto* reaction = new core::AllergyIntolerance_reaction();
        reaction->addManifestation(manifestation);
        allergy->addReaction(reaction);
    }
    return allergy;
}

core::Condition* buildCondition(const VosCondition& data, const core::Patient* patient) {
    auto* condition = new vosp::KBV_PR_VoS_Condition();
    identifyFresh(*condition);
    condition->addExtension(newExtension<vosp::KBV_EX_VoS_isPermanent>(new f_boolean(data.dauerdiagnose)));
    using Clinical = codes::CS_ConditionClinicalStatusCodes;
    using Verification = codes::CS_ConditionVerificationStatus;
    condition->addClinicalStatus(newConcept(newCoding(Clinical::toSystem(), condition->clinicalStatusVersion,
                                                      condition->clinicalStatusCode,
                                                      condition->clinicalStatusDisplay)));
    condition->addVerificationStatus(newConcept(newCoding(Verification::toSystem(),
                                                          condition->verificationStatusVersion,
                                                          condition->verificationStatusCode,
                                                          condition->verificationStatusDisplay)));
    condition->addCode(diagnosis(data));
    if (patient) {
        condition->addSubject(newReference(*patient));
    }
    return condition;
}

core::Observation* buildBodyWeight(const std::string& value, const core::Patient* patient) {
    return vitalSign<vosp::KBV_PR_VoS_Observation_Body_Weight>(value, patient);
}

core::Observation* buildBodyHeight(const std::string& value, const core::Patient* patient) {
    return vitalSign<vosp::KBV_PR_VoS_Observation_Body_Height>(value, patient);
}

core::Observation* buildCreatinine(const std::string& value, const core::Patient* patient) {
    if (value.empty()) {
        return nullptr;
    }
    const vosp::KBV_PR_VoS_Observation_Creatinine_Level fixed;
    return measurement<vosp::KBV_PR_VoS_Observation_Creatinine_Level>(
        value, patient, newCoding(fixed.codeVitalSignsSystem, "", fixed.codeVitalSignsCode, fixed.codeVitalSignsDisplay));
}

}  // namespace fhir::vos
