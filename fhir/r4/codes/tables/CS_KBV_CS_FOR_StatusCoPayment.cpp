// CS_KBV_CS_FOR_StatusCoPayment: Co-payment status.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"0", nullptr, nullptr}, // 1
    {"1", nullptr, nullptr}, // 2
    {"2", nullptr, nullptr}, // 3
};

constexpr CodeTable kTable{"CS_KBV_CS_FOR_StatusCoPayment", "https://fhir.kbv.de/CodeSystem/KBV_CS_FOR_StatusCoPayment",
                           kMembers, static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_FOR_StatusCoPayment::table() { return kTable; }

} // namespace fhir::codes
