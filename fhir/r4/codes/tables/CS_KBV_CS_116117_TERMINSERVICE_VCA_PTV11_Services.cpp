// CS_KBV_CS_116117_TERMINSERVICE_VCA_PTV11_Services: Psychotherapy services (PTV 11) of an appointment-service request.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"pt-akutbehandlung-erwachsen", nullptr, nullptr}, // 1
    {"pt-akutbehandlung-kind", nullptr, nullptr},      // 2
    {"pt-probatorik-erwachsen", nullptr, nullptr},     // 3
    {"pt-probatorik-kind", nullptr, nullptr},          // 4
    {"pt-sprechstunde-erwachsen", nullptr, nullptr},   // 5
    {"pt-sprechstunde-kind", nullptr, nullptr},        // 6
};

constexpr CodeTable kTable{"CS_KBV_CS_116117_TERMINSERVICE_VCA_PTV11_Services",
                           "https://fhir.kbv.de/CodeSystem/KBV_CS_116117_TERMINSERVICE_VCA_PTV11_Services", kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_116117_TERMINSERVICE_VCA_PTV11_Services::table() { return kTable; }

} // namespace fhir::codes
