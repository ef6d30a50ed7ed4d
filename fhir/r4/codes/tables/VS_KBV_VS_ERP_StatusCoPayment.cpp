// VS_KBV_VS_ERP_StatusCoPayment: Co-payment status of a prescription.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr const char* kCoPayment = "https://fhir.kbv.de/CodeSystem/KBV_CS_FOR_StatusCoPayment";

constexpr CodeEntry kMembers[] = {
    {"0", kCoPayment, nullptr}, // 1
    {"1", kCoPayment, nullptr}, // 2
    {"2", kCoPayment, nullptr}, // 3
};

constexpr CodeTable kTable{"VS_KBV_VS_ERP_StatusCoPayment", nullptr, kMembers, static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& VS_KBV_VS_ERP_StatusCoPayment::table() { return kTable; }

} // namespace fhir::codes
