// CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT: Certainty of an ICD-10-GM diagnosis.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"A", nullptr, nullptr}, // 1
    {"G", nullptr, nullptr}, // 2
    {"V", nullptr, nullptr}, // 3
    {"Z", nullptr, nullptr}, // 4
};

constexpr CodeTable kTable{"CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT",
                           "https://fhir.kbv.de/CodeSystem/KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT", kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT::table() { return kTable; }

} // namespace fhir::codes
