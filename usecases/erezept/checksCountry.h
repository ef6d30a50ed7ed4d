// The country codes of the prescription's three addresses: which table each
// version checks against, and the messages for a code the table lacks.
#pragma once

#include <string>

#include "usecases/erezept/checksTable.h"

namespace fhir::erezeptchecks {

// Present and not in the table of 1.1.0 (the newer table without "SWZ") or
// of 1.3.2 (the newer table).
bool unknownCountry110(const std::string& code);
bool unknownCountry132(const std::string& code);

std::string insuredAddressCountryMessage(const ERezeptData& d);
std::string insuredPostBoxCountryMessage(const ERezeptData& d);
std::string practiceAddressCountryMessage(const ERezeptData& d);

}  // namespace fhir::erezeptchecks
