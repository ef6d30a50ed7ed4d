// The checks of a bonus-booklet entry, in their order. Every check runs; each
// failed one gives one message (code page 1252). An empty result means the
// document may be built.
#pragma once

#include <vector>

#include "boundary/HostString.h"
#include "usecases/miozaeb/ZaebData.h"

namespace fhir {

namespace zaebchecks {

// One check: the message (UTF-8 here) when `fails` holds.
struct Check {
    bool (*fails)(const ZaebData&);
    const char* message;
};

const std::vector<Check>& checks();

}  // namespace zaebchecks

std::vector<HostString> runZaebChecks(const ZaebData& data);

}  // namespace fhir
