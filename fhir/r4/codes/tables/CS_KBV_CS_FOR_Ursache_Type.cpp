// CS_KBV_CS_FOR_Ursache_Type: Cause of the incapacity (accident kinds).
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"1", nullptr, nullptr}, // 1
    {"2", nullptr, nullptr}, // 2
    {"3", nullptr, nullptr}, // 3
    {"4", nullptr, nullptr}, // 4
};

constexpr CodeTable kTable{"CS_KBV_CS_FOR_Ursache_Type", "https://fhir.kbv.de/CodeSystem/KBV_CS_FOR_Ursache_Type",
                           kMembers, static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_FOR_Ursache_Type::table() { return kTable; }

} // namespace fhir::codes
