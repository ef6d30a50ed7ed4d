// Country codes of the three addresses: which table a version uses and the
// message for a code the table does not hold.
#pragma once

#include <string>

#include "usecases/eau/EauData.h"

namespace fhir::eauchecks {

// Present and not in the country table of 1.1.0 (older) / 1.2.0 (newer).
bool unknownCountryOlder(const std::string& code);
bool unknownCountryNewer(const std::string& code);

std::string insuredAddressCountryMessage(const EauData& d);
std::string insuredPostBoxCountryMessage(const EauData& d);
std::string practiceAddressCountryMessage(const EauData& d);

}  // namespace fhir::eauchecks
