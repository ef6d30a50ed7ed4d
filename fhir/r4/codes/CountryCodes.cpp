#include "fhir/r4/codes/CountryCodes.h"

#include "fhir/r4/codes/CountryCodeTables.h"

namespace fhir::codes {
namespace {

std::int32_t positionIn(const CountryCodeTable& table, const std::string& code) {
    for (std::size_t i = 0; i < table.size; ++i) {
        if (code == table.codes[i]) {
            return static_cast<std::int32_t>(i + 1);
        }
    }
    return 0;
}

} // namespace

std::int32_t lookupCountryCodeOld(std::string code) { return positionIn(countryCodesOld(), code); }

std::int32_t lookupCountryCodeNew(std::string code) { return positionIn(countryCodesNew(), code); }

} // namespace fhir::codes
