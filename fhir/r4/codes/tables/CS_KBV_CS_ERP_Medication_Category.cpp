// CS_KBV_CS_ERP_Medication_Category: Category of a prescribed medication.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"00", nullptr, nullptr}, // 1
    {"01", nullptr, nullptr}, // 2
    {"02", nullptr, nullptr}, // 3
    {"03", nullptr, nullptr}, // 4
};

constexpr CodeTable kTable{"CS_KBV_CS_ERP_Medication_Category",
                           "https://fhir.kbv.de/CodeSystem/KBV_CS_ERP_Medication_Category", kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_ERP_Medication_Category::table() { return kTable; }

} // namespace fhir::codes
