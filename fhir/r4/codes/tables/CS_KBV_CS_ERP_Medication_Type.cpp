// CS_KBV_CS_ERP_Medication_Type: Kind of medication (free text, compounding, active ingredient).
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"freitext", nullptr, nullptr},  // 1
    {"rezeptur", nullptr, nullptr},  // 2
    {"wirkstoff", nullptr, nullptr}, // 3
};

constexpr CodeTable kTable{"CS_KBV_CS_ERP_Medication_Type", "https://fhir.kbv.de/CodeSystem/KBV_CS_ERP_Medication_Type",
                           kMembers, static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_ERP_Medication_Type::table() { return kTable; }

} // namespace fhir::codes
