// CS_KBV_CS_SFHIR_KBV_VERSICHERTENSTATUS: Kind of insured person.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"1", nullptr, nullptr}, // 1
    {"3", nullptr, nullptr}, // 2
    {"5", nullptr, nullptr}, // 3
};

constexpr CodeTable kTable{"CS_KBV_CS_SFHIR_KBV_VERSICHERTENSTATUS",
                           "https://fhir.kbv.de/CodeSystem/KBV_CS_SFHIR_KBV_VERSICHERTENSTATUS", kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_SFHIR_KBV_VERSICHERTENSTATUS::table() { return kTable; }

} // namespace fhir::codes
