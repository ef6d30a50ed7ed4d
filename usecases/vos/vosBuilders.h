// The builders of the VoS document, one per resource. They work on the host's
// ANSI text as it stands in the record; the export converts the written
// document to UTF-8 as a whole. Every builder returns a new resource with a
// fresh UUID and its profile in meta; references point at other entries by
// their full URL.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fhir/r4/core/v4_0_1/AllergyIntolerance.h"
#include "fhir/r4/core/v4_0_1/Bundle.h"
#include "fhir/r4/core/v4_0_1/Composition.h"
#include "fhir/r4/core/v4_0_1/Condition.h"
#include "fhir/r4/core/v4_0_1/Coverage.h"
#include "fhir/r4/core/v4_0_1/Device.h"
#include "fhir/r4/core/v4_0_1/DocumentReference.h"
#include "fhir/r4/core/v4_0_1/Medication.h"
#include "fhir/r4/core/v4_0_1/MedicationRequest.h"
#include "fhir/r4/core/v4_0_1/Observation.h"
#include "fhir/r4/core/v4_0_1/Organization.h"
#include "fhir/r4/core/v4_0_1/Patient.h"
#include "fhir/r4/core/v4_0_1/Practitioner.h"
#include "fhir/r4/core/v4_0_1/PractitionerRole.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Composition.h"
#include "usecases/vos/VosRecord.h"

namespace fhir::vos {

namespace core = fhir::r4::core::v4_0_1;

// Null when patient number, family name and given name are all empty.
core::Patient* buildPatient(const VosPatient& patient);

// Null when insurance number, second number, payer IK and payer name are all
// empty. `patient` may be null.
core::Coverage* buildCoverage(const VosPatient& patient, const core::Patient* beneficiary);

core::Practitioner* buildUser(const VosUser& user);
core::Device* buildPracticeSoftware(const VosPracticeSoftware& software);
core::Practitioner* buildPractitioner(const VosPractitioner& practitioner);
core::Organization* buildPractice(const VosPractice& practice);
core::PractitionerRole* buildPractitionerRole(const VosPractitionerRole& role, const core::Practitioner& practitioner,
                                              const core::Organization& practice);

// The clinical resources refer to the patient when there is one.
core::AllergyIntolerance* buildAllergy(const VosAllergy& allergy, const core::Patient* patient);
core::Condition* buildCondition(const VosCondition& condition, const core::Patient* patient);

// The three measurements; each null when its field is empty.
core::Observation* buildBodyWeight(const std::string& value, const core::Patient* patient);
core::Observation* buildBodyHeight(const std::string& value, const core::Patient* patient);
core::Observation* buildCreatinine(const std::string& value, const core::Patient* patient);

// The medication of an entry in the first form whose fields are given (PZN,
// active ingredient, free text); null when none is.
core::Medication* buildMedication(const VosMedication& medication);

// What a prescription refers to; patient and coverage may be null.
struct PrescriptionContext {
    const core::Patient* patient = nullptr;
    const core::Practitioner* requester = nullptr;
    const core::Coverage* coverage = nullptr;
};
core::MedicationRequest* buildPrescription(const VosPrescription& prescription, const core::Medication& medication,
                                           const PrescriptionContext& context);

core::DocumentReference* buildDocumentReference(const VosDocument& document, const core::Patient* patient,
                                                const core::Practitioner& author);

// The resources the composition refers to, in the order of their sections.
struct VosParts {
    const core::Patient* patient = nullptr;
    const core::Practitioner* user = nullptr;
    const core::Device* software = nullptr;
    const core::PractitionerRole* role = nullptr;
    const core::Organization* practice = nullptr;
    std::vector<const core::Resource*> patientInformation;  // allergies, coverage, conditions, observations
    std::vector<const core::Resource*> medications;  // medications, then prescriptions
    std::vector<const core::Resource*> documents;
};

// The legal basis of the call: the record's own, else the first medication
// entry with a prescription that names one.
std::string legalBasisOf(const VosRecord& record);

// Fills the composition once every other resource exists.
void fillComposition(r4::kbvitavos::v2_1_0::KBV_PR_VoS_Composition& composition, const VosRecord& record, const VosParts& parts);

// The whole document, ANSI text as in the record.
std::unique_ptr<core::Bundle> buildVosBundle(const VosRecord& record);

}  // namespace fhir::vos
