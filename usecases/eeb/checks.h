// The checks of the request, in output order.
#pragma once

#include <vector>

#include "boundary/HostString.h"
#include "usecases/eeb/EebData.h"

namespace fhir {

// One message (code page 1252) per failed check; every check runs.
std::vector<HostString> runEebChecks(const EebData& data);

}  // namespace fhir
