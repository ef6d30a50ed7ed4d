// CS_KBV_CS_SFHIR_ICD_SEITENLOKALISATION: Side of the body of an ICD-10-GM diagnosis.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"B", nullptr, nullptr}, // 1
    {"L", nullptr, nullptr}, // 2
    {"R", nullptr, nullptr}, // 3
};

constexpr CodeTable kTable{"CS_KBV_CS_SFHIR_ICD_SEITENLOKALISATION",
                           "https://fhir.kbv.de/CodeSystem/KBV_CS_SFHIR_ICD_SEITENLOKALISATION", kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_SFHIR_ICD_SEITENLOKALISATION::table() { return kTable; }

} // namespace fhir::codes
