// CS_ConditionVerificationStatus: Verification status of a diagnosis.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"confirmed", nullptr, nullptr},        // 1
    {"differential", nullptr, nullptr},     // 2
    {"entered-in-error", nullptr, nullptr}, // 3
    {"provisional", nullptr, nullptr},      // 4
    {"refuted", nullptr, nullptr},          // 5
    {"unconfirmed", nullptr, nullptr},      // 6
};

constexpr CodeTable kTable{"CS_ConditionVerificationStatus",
                           "http://terminology.hl7.org/CodeSystem/condition-ver-status", kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_ConditionVerificationStatus::table() { return kTable; }

} // namespace fhir::codes
