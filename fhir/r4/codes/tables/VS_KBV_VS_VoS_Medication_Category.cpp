// VS_KBV_VS_VoS_Medication_Category: Category of a medication handed to prescribing software.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr const char* kCategory = "https://fhir.kbv.de/CodeSystem/KBV_CS_ERP_Medication_Category";

constexpr CodeEntry kMembers[] = {
    {"00", kCategory, nullptr}, // 1
    {"01", kCategory, nullptr}, // 2
    {"02", kCategory, nullptr}, // 3
    {"03", kCategory, nullptr}, // 4
};

constexpr CodeTable kTable{"VS_KBV_VS_VoS_Medication_Category", nullptr, kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& VS_KBV_VS_VoS_Medication_Category::table() { return kTable; }

} // namespace fhir::codes
