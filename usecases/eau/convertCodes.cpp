#include "usecases/eau/convertCodes.h"

#include <cstddef>

namespace fhir::eaucodes {
namespace {

// Position (1-based) of `code` in `codes`, or 0.
template <std::size_t N>
int memberOf(const char* const (&codes)[N], const std::string& code) {
    for (std::size_t i = 0; i < N; ++i) {
        if (code == codes[i]) {
            return static_cast<int>(i + 1);
        }
    }
    return 0;
}

constexpr const char* kPayerKinds[] = {"SKT", "UK", "BG", "GKV", "PKV", "SEL"};
constexpr const char* kInsuredKinds[] = {"1", "3", "5"};
constexpr const char* kSpecialGroups[] = {"00", "04", "06", "07", "08", "09"};
constexpr const char* kDmps[] = {
    "00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12",
    "30", "31", "32", "33", "34", "35", "36", "37", "38", "39", "40", "41", "42",
    "43", "44", "45", "46", "47", "48", "49", "50", "51", "52", "53", "54", "55",
    "56", "57", "58"};
constexpr const char* kLegalBases[] = {"00", "01", "04", "07", "10", "11", "14", "17"};
constexpr const char* kWops[] = {"00", "01", "02", "03", "17", "20", "38", "46", "47",
                                 "48", "49", "50", "51", "52", "55", "60", "61", "62",
                                 "71", "72", "73", "78", "83", "88", "93", "98"};
constexpr const char* kPersonTypes[] = {"00", "01", "02", "03", "04"};
constexpr const char* kCertainties[] = {"A", "G", "V", "Z"};
constexpr const char* kSides[] = {"B", "L", "R"};

}  // namespace

int payerKind(const std::string& code) { return memberOf(kPayerKinds, code); }
int insuredKind(const std::string& code) { return memberOf(kInsuredKinds, code); }
int specialGroup(const std::string& code) { return memberOf(kSpecialGroups, code); }
int dmp(const std::string& code) { return memberOf(kDmps, code); }
int legalBasis(const std::string& code) { return memberOf(kLegalBases, code); }
int wop(const std::string& code) { return memberOf(kWops, code); }
int personType(const std::string& code) { return memberOf(kPersonTypes, code); }
int certainty(const std::string& code) { return memberOf(kCertainties, code); }
int side(const std::string& code) { return memberOf(kSides, code); }

}  // namespace fhir::eaucodes
