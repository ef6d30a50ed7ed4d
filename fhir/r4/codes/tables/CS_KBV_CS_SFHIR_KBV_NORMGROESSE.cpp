// CS_KBV_CS_SFHIR_KBV_NORMGROESSE: Normed package size; the code is written without a system.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"KA", nullptr, nullptr},        // 1
    {"KTP", nullptr, nullptr},       // 2
    {"N1", nullptr, nullptr},        // 3
    {"N2", nullptr, nullptr},        // 4
    {"N3", nullptr, nullptr},        // 5
    {"NB", nullptr, nullptr},        // 6
    {"Sonstiges", nullptr, nullptr}, // 7
};

constexpr CodeTable kTable{"CS_KBV_CS_SFHIR_KBV_NORMGROESSE", nullptr, kMembers, static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_SFHIR_KBV_NORMGROESSE::table() { return kTable; }

} // namespace fhir::codes
