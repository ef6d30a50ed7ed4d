// CS_KBV_CS_MIO_ZAEB_Preventive_Check_Up_German: German texts of the dental check-up codes, written as the German
// translation of the coding's display. The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr CodeEntry kMembers[] = {
    {"2115003", nullptr, "Individualprophylaxe (Kind)"},                    // 1
    {"63963009", nullptr, "Zahn\303\244rztliche Untersuchung (Erwachsen)"}, // 2: Zahnärztliche Untersuchung (Erwachsen)
};

constexpr CodeTable kTable{"CS_KBV_CS_MIO_ZAEB_Preventive_Check_Up_German", nullptr, kMembers,
                           static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& CS_KBV_CS_MIO_ZAEB_Preventive_Check_Up_German::table() { return kTable; }

} // namespace fhir::codes
