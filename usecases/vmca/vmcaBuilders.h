// The builders of the appointment-service request. Each returns a new
// element for the caller to hand to exactly one adder.
#pragma once

#include <memory>

#include "fhir/r4/core/v4_0_1/Parameters.h"
#include "fhir/r4/kvdigitalvmca/v1_1_0/KBV_PR_116117_TERMINSERVICE_VCA_Patient.h"
#include "fhir/r4/kvdigitalvmca/v1_1_0/KBV_PR_116117_TERMINSERVICE_VCA_Practitioner.h"
#include "usecases/vmca/VmcaData.h"

namespace fhir::vmca {

namespace core = fhir::r4::core::v4_0_1;
using Patient = r4::kvdigitalvmca::v1_1_0::KBV_PR_116117_TERMINSERVICE_VCA_Patient;
using Practitioner = r4::kvdigitalvmca::v1_1_0::KBV_PR_116117_TERMINSERVICE_VCA_Practitioner;

// The referring doctor, with a fresh UUID as id.
Practitioner* buildReferrer(const VmcaData& data);

// The patient (no id: it is sent inside the request, never referred to).
Patient* buildPatient(const VmcaPatientData& patient);

// The whole request: a Parameters resource without id or profile.
std::unique_ptr<core::Parameters> buildRequest(const VmcaData& data);

}  // namespace fhir::vmca
