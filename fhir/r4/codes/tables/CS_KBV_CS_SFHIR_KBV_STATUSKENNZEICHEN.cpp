// CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN: Legal basis of a document (status mark).
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"00", nullptr, nullptr}, // 1
    {"01", nullptr, nullptr}, // 2
    {"04", nullptr, nullptr}, // 3
    {"07", nullptr, nullptr}, // 4
    {"10", nullptr, nullptr}, // 5
    {"11", nullptr, nullptr}, // 6
    {"14", nullptr, nullptr}, // 7
    {"17", nullptr, nullptr}, // 8
};

constexpr CodeTable kTable{"CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN",
                           "https://fhir.kbv.de/CodeSystem/KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN", kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN::table() { return kTable; }

} // namespace fhir::codes
