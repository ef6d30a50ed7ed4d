// CS_KBV_CS_Base_Identifier_Type: Identifier types of the KBV base profiles.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"EBM", nullptr, nullptr},    // 1
    {"KSN", nullptr, nullptr},    // 2
    {"kvk", nullptr, nullptr},    // 3
    {"pkv-id", nullptr, nullptr}, // 4
    {"pkv-nr", nullptr, nullptr}, // 5
};

constexpr CodeTable kTable{"CS_KBV_CS_Base_Identifier_Type",
                           "https://fhir.kbv.de/CodeSystem/KBV_CS_Base_identifier_type", kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_Base_Identifier_Type::table() { return kTable; }

} // namespace fhir::codes
