// German country codes (Laenderkennzeichen) that the statutory forms accept in
// an address. Both lookups compare the whole code byte for byte (same length,
// case-sensitive, no trimming) with the table's codes in order and return the
// 1-based position of the first equal one, or 0 when the table lacks the code.
// Callers skip the lookup for an empty code.
#pragma once

#include <cstdint>
#include <string>

namespace fhir::codes {

// The older table of 234 codes (eAU 1.1.0, eRezept 1.1.0).
std::int32_t lookupCountryCodeOld(std::string code);

// The newer table of 259 codes (eAU 1.2.0, eRezept 1.3.2, EEB request).
std::int32_t lookupCountryCodeNew(std::string code);

} // namespace fhir::codes
