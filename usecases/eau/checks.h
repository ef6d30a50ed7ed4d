// The checks of the certificate. The wrappers' run() calls
//
//     for (const HostString& m : fhir::runEauChecks(data, version)) addMessage(m);
//
// with version tevo::ProfileVersion::V1_1 (eAU 1.1.0) or V1_2 (eAU 1.2.0).
// Every check runs; each failed one gives one message (code page 1252), in
// check order. An empty result means the certificate may be built.
#pragma once

#include <vector>

#include "boundary/HostString.h"
#include "boundary/ProfileVersion.h"
#include "usecases/eau/EauData.h"

namespace fhir {

std::vector<HostString> runEauChecks(const EauData& data, tevo::ProfileVersion version);

}  // namespace fhir
