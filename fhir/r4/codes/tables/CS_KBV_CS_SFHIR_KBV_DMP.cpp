// CS_KBV_CS_SFHIR_KBV_DMP: Disease-management programme.
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
    {"04", nullptr, nullptr}, // 5
    {"05", nullptr, nullptr}, // 6
    {"06", nullptr, nullptr}, // 7
    {"07", nullptr, nullptr}, // 8
    {"08", nullptr, nullptr}, // 9
    {"09", nullptr, nullptr}, // 10
    {"10", nullptr, nullptr}, // 11
    {"11", nullptr, nullptr}, // 12
    {"12", nullptr, nullptr}, // 13
    {"30", nullptr, nullptr}, // 14
    {"31", nullptr, nullptr}, // 15
    {"32", nullptr, nullptr}, // 16
    {"33", nullptr, nullptr}, // 17
    {"34", nullptr, nullptr}, // 18
    {"35", nullptr, nullptr}, // 19
    {"36", nullptr, nullptr}, // 20
    {"37", nullptr, nullptr}, // 21
    {"38", nullptr, nullptr}, // 22
    {"39", nullptr, nullptr}, // 23
    {"40", nullptr, nullptr}, // 24
    {"41", nullptr, nullptr}, // 25
    {"42", nullptr, nullptr}, // 26
    {"43", nullptr, nullptr}, // 27
    {"44", nullptr, nullptr}, // 28
    {"45", nullptr, nullptr}, // 29
    {"46", nullptr, nullptr}, // 30
    {"47", nullptr, nullptr}, // 31
    {"48", nullptr, nullptr}, // 32
    {"49", nullptr, nullptr}, // 33
    {"50", nullptr, nullptr}, // 34
    {"51", nullptr, nullptr}, // 35
    {"52", nullptr, nullptr}, // 36
    {"53", nullptr, nullptr}, // 37
    {"54", nullptr, nullptr}, // 38
    {"55", nullptr, nullptr}, // 39
    {"56", nullptr, nullptr}, // 40
    {"57", nullptr, nullptr}, // 41
    {"58", nullptr, nullptr}, // 42
};

constexpr CodeTable kTable{"CS_KBV_CS_SFHIR_KBV_DMP", "https://fhir.kbv.de/CodeSystem/KBV_CS_SFHIR_KBV_DMP", kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_SFHIR_KBV_DMP::table() { return kTable; }

} // namespace fhir::codes
