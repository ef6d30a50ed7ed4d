// CS_ConditionClinicalStatusCodes: Clinical status of a diagnosis.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"active", nullptr, nullptr},     // 1
    {"inactive", nullptr, nullptr},   // 2
    {"recurrence", nullptr, nullptr}, // 3
    {"relapse", nullptr, nullptr},    // 4
    {"remission", nullptr, nullptr},  // 5
    {"resolved", nullptr, nullptr},   // 6
};

constexpr CodeTable kTable{"CS_ConditionClinicalStatusCodes",
                           "http://terminology.hl7.org/CodeSystem/condition-clinical", kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_ConditionClinicalStatusCodes::table() { return kTable; }

} // namespace fhir::codes
