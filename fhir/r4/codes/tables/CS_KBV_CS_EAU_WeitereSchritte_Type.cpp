// CS_KBV_CS_EAU_WeitereSchritte_Type: Further steps recommended in a certificate of incapacity for work.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"d_arzt", nullptr, nullptr},                     // 1
    {"reha", nullptr, nullptr},                       // 2
    {"sonstige", nullptr, nullptr},                   // 3
    {"stationaere_heilbehandlung", nullptr, nullptr}, // 4
    {"wiedereingliederung", nullptr, nullptr},        // 5
};

constexpr CodeTable kTable{"CS_KBV_CS_EAU_WeitereSchritte_Type",
                           "https://fhir.kbv.de/CodeSystem/KBV_CS_EAU_WeitereSchritte_Type", kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_EAU_WeitereSchritte_Type::table() { return kTable; }

} // namespace fhir::codes
