// CS_KBV_CS_SFHIR_KBV_PERSONENGRUPPE: Special group of insured persons.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"00", nullptr, nullptr}, // 1
    {"04", nullptr, nullptr}, // 2
    {"06", nullptr, nullptr}, // 3
    {"07", nullptr, nullptr}, // 4
    {"08", nullptr, nullptr}, // 5
    {"09", nullptr, nullptr}, // 6
};

constexpr CodeTable kTable{"CS_KBV_CS_SFHIR_KBV_PERSONENGRUPPE",
                           "https://fhir.kbv.de/CodeSystem/KBV_CS_SFHIR_KBV_PERSONENGRUPPE", kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_SFHIR_KBV_PERSONENGRUPPE::table() { return kTable; }

} // namespace fhir::codes
