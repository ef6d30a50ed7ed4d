// CS_KBV_CS_EAU_AU_Type: Kind of certificate of incapacity for work: first or follow-up, and whether it is the final
// one. The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"ERST", nullptr, nullptr},      // 1
    {"ERST_END", nullptr, nullptr},  // 2
    {"FOLGE", nullptr, nullptr},     // 3
    {"FOLGE_END", nullptr, nullptr}, // 4
};

constexpr CodeTable kTable{"CS_KBV_CS_EAU_AU_Type", "https://fhir.kbv.de/CodeSystem/KBV_CS_EAU_AU_Type", kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_EAU_AU_Type::table() { return kTable; }

} // namespace fhir::codes
