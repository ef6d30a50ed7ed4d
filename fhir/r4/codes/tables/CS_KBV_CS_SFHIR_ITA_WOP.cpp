// CS_KBV_CS_SFHIR_ITA_WOP: Place-of-residence principle (WOP) region.
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
    {"17", nullptr, nullptr}, // 5
    {"20", nullptr, nullptr}, // 6
    {"38", nullptr, nullptr}, // 7
    {"46", nullptr, nullptr}, // 8
    {"47", nullptr, nullptr}, // 9
    {"48", nullptr, nullptr}, // 10
    {"49", nullptr, nullptr}, // 11
    {"50", nullptr, nullptr}, // 12
    {"51", nullptr, nullptr}, // 13
    {"52", nullptr, nullptr}, // 14
    {"55", nullptr, nullptr}, // 15
    {"60", nullptr, nullptr}, // 16
    {"61", nullptr, nullptr}, // 17
    {"62", nullptr, nullptr}, // 18
    {"71", nullptr, nullptr}, // 19
    {"72", nullptr, nullptr}, // 20
    {"73", nullptr, nullptr}, // 21
    {"78", nullptr, nullptr}, // 22
    {"83", nullptr, nullptr}, // 23
    {"88", nullptr, nullptr}, // 24
    {"93", nullptr, nullptr}, // 25
    {"98", nullptr, nullptr}, // 26
};

constexpr CodeTable kTable{"CS_KBV_CS_SFHIR_ITA_WOP", "https://fhir.kbv.de/CodeSystem/KBV_CS_SFHIR_ITA_WOP", kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_SFHIR_ITA_WOP::table() { return kTable; }

} // namespace fhir::codes
