// VS_KBV_VS_FOR_Payor_type: Kind of payer.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr const char* kKbvPayorType = "https://fhir.kbv.de/CodeSystem/KBV_CS_FOR_Payor_Type_KBV";
constexpr const char* kInsuranceKind = "http://fhir.de/CodeSystem/versicherungsart-de-basis";

constexpr CodeEntry kMembers[] = {
    {"SKT", kKbvPayorType, nullptr},  // 1
    {"UK", kKbvPayorType, nullptr},   // 2
    {"BG", kInsuranceKind, nullptr},  // 3
    {"GKV", kInsuranceKind, nullptr}, // 4
    {"PKV", kInsuranceKind, nullptr}, // 5
    {"SEL", kInsuranceKind, nullptr}, // 6
};

constexpr CodeTable kTable{"VS_KBV_VS_FOR_Payor_type", nullptr, kMembers, static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& VS_KBV_VS_FOR_Payor_type::table() { return kTable; }

} // namespace fhir::codes
