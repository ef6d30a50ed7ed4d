// VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type: Kind of a dental check-up (SNOMED CT).
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr const char* kSnomed = "http://snomed.info/sct";

constexpr CodeEntry kMembers[] = {
    {"2115003", kSnomed, "Dental prophylaxis, children (procedure)"}, // 1
    {"63963009", kSnomed, "Dental prophylaxis, adult (procedure)"},   // 2
};

constexpr CodeTable kTable{"VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type", nullptr, kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type::table() { return kTable; }

} // namespace fhir::codes
