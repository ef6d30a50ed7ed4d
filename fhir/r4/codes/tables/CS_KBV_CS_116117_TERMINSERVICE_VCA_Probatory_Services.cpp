// CS_KBV_CS_116117_TERMINSERVICE_VCA_Probatory_Services: Probatory psychotherapy services of an appointment-service
// request. The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"analytische-psychotherapie", nullptr, nullptr},                   // 1
    {"systemische-therapie", nullptr, nullptr},                         // 2
    {"tiefenpsychologisch-fundierte-psychotherapie", nullptr, nullptr}, // 3
    {"verhaltenstherapie", nullptr, nullptr},                           // 4
};

constexpr CodeTable kTable{"CS_KBV_CS_116117_TERMINSERVICE_VCA_Probatory_Services",
                           "https://fhir.kbv.de/CodeSystem/KBV_CS_116117_TERMINSERVICE_VCA_Probatory_Services",
                           kMembers, static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_116117_TERMINSERVICE_VCA_Probatory_Services::table() { return kTable; }

} // namespace fhir::codes
