// VS_KBV_VS_116117_TERMINSERVICE_VCA_Urgency: Urgency of an appointment-service request; the value set's URL is written
// as the system. The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr const char* kUrgency = "https://fhir.kbv.de/ValueSet/KBV_VS_116117_TERMINSERVICE_VCA_Urgency";

constexpr CodeEntry kMembers[] = {
    {"urgent", kUrgency, nullptr},  // 1
    {"routine", kUrgency, nullptr}, // 2
};

constexpr CodeTable kTable{"VS_KBV_VS_116117_TERMINSERVICE_VCA_Urgency", nullptr, kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& VS_KBV_VS_116117_TERMINSERVICE_VCA_Urgency::table() { return kTable; }

} // namespace fhir::codes
