// VS_KBV_VS_ERP_Accident_Type: Accident indicator of a prescription; the display texts appear in check messages.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr const char* kCause = "https://fhir.kbv.de/CodeSystem/KBV_CS_FOR_Ursache_Type";

constexpr CodeEntry kMembers[] = {
    {"1", kCause, "Unfall"},                                             // 1
    {"2", kCause, "Arbeitsunfall (Berufsgenossenschaft/Unfallkasse)"},   // 2
    {"4", kCause, "Berufskrankheit (Berufsgenossenschaft/Unfallkasse)"}, // 3
};

constexpr CodeTable kTable{"VS_KBV_VS_ERP_Accident_Type", nullptr, kMembers, static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& VS_KBV_VS_ERP_Accident_Type::table() { return kTable; }

} // namespace fhir::codes
