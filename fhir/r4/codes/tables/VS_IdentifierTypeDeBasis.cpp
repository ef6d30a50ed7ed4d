// VS_IdentifierTypeDeBasis: Identifier type codings of the German base profiles.
// The members in member order; member 1 is the first row.
#include "fhir/r4/codes/Enumerations.h"

#include <iterator>

namespace fhir::codes {
namespace {

constexpr const char* kGermanBase = "http://fhir.de/CodeSystem/identifier-type-de-basis";
constexpr const char* kHl7V2 = "http://terminology.hl7.org/CodeSystem/v2-0203";

constexpr CodeEntry kMembers[] = {
    {"GKV", kGermanBase, nullptr},   // 1
    {"KVZ10", kGermanBase, nullptr}, // 2
    {"KZVA", kGermanBase, nullptr},  // 3
    {"PKV", kGermanBase, nullptr},   // 4
    {"ZANR", kGermanBase, nullptr},  // 5
    {"AN", kHl7V2, nullptr},         // 6
    {"BSNR", kHl7V2, nullptr},       // 7
    {"DN", kHl7V2, nullptr},         // 8
    {"LANR", kHl7V2, nullptr},       // 9
    {"PRN", kHl7V2, nullptr},        // 10
    {"RI", kHl7V2, nullptr},         // 11
    {"XX", kHl7V2, nullptr},         // 12
};

constexpr CodeTable kTable{"VS_IdentifierTypeDeBasis", nullptr, kMembers, static_cast<int>(std::size(kMembers))};

} // namespace

const CodeTable& VS_IdentifierTypeDeBasis::table() { return kTable; }

} // namespace fhir::codes
