// The checks of the prescription. The wrappers' run() calls
//
//     for (const HostString& m : fhir::runERezeptChecks(data, version)) addMessage(m);
//
// with version tevo::ProfileVersion::V1_1 (eRezept 1.1.0) or V1_2 (1.3.2).
// Every check runs; each failed one gives one message (code page 1252), in
// check order. An empty result means the prescription may be built.
#pragma once

#include <vector>

#include "boundary/HostString.h"
#include "boundary/ProfileVersion.h"
#include "usecases/erezept/ERezeptData.h"

namespace fhir {

std::vector<HostString> runERezeptChecks(const ERezeptData& data, tevo::ProfileVersion version);

}  // namespace fhir
