// CS_KBV_CS_SFHIR_KBV_PKV_TARIFF: Private-insurance tariff; the builder writes the system itself.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"01", nullptr, nullptr}, // 1
    {"02", nullptr, nullptr}, // 2
    {"03", nullptr, nullptr}, // 3
    {"04", nullptr, nullptr}, // 4
};

constexpr CodeTable kTable{"CS_KBV_CS_SFHIR_KBV_PKV_TARIFF", nullptr, kMembers, static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_SFHIR_KBV_PKV_TARIFF::table() { return kTable; }

} // namespace fhir::codes
