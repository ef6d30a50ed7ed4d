// Raw access to the country code tables, for the lookups in CountryCodes.h
// and for tests.
#pragma once

#include <cstddef>

namespace fhir::codes {

struct CountryCodeTable {
    const char* const* codes;
    std::size_t size;
};

CountryCodeTable countryCodesOld(); // 234 codes, used by the 1.1.0 generation
CountryCodeTable countryCodesNew(); // 259 codes, used by the later generation

} // namespace fhir::codes
