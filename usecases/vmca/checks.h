// The checks of the appointment-service request, in their fixed order. Every
// check runs; each failed one gives one message (code page 1252). The patient
// checks run only when the patient is sent and its block holds more than the
// own name and the telephone numbers. An empty result means the request may
// be built.
#pragma once

#include <vector>

#include "boundary/HostString.h"
#include "usecases/vmca/VmcaData.h"

namespace fhir {

std::vector<HostString> runVmcaChecks(const VmcaData& data);

}  // namespace fhir
