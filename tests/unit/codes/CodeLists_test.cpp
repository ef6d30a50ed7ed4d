// The two register code lists that the host receives as display-to-code maps:
// the texts handed over must be distinct, and only the obsolete members may
// end in "obsolet".
#include "fhir/r4/codes/Enumerations.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

using fhir::codes::CS_KBV_CS_SFHIR_BAR2_WBO;
using fhir::codes::CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG;

const std::string kPlaceholderMark = "[Platzhalter]";

bool endsInObsolete(const std::string& display) {
    const std::string suffix = "obsolet";
    return display.size() >= suffix.size() &&
           display.compare(display.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// display -> code for the members first..last that are not obsolete, as the
// host's map would receive them.
template <class E>
std::map<std::string, std::string> handedOver(int first, int last, std::vector<std::string>& obsolete) {
    std::map<std::string, std::string> map;
    for (int member = first; member <= last; ++member) {
        const std::string display = E::toDisplay(member);
        if (endsInObsolete(display)) {
            obsolete.push_back(E::toCode(member));
        } else {
            map[display] = E::toCode(member);
        }
    }
    return map;
}

TEST(SpecialistGroups, HandOverNinetyNineDistinctTexts) {
    std::vector<std::string> obsolete;
    EXPECT_EQ(handedOver<CS_KBV_CS_SFHIR_BAR2_WBO>(1, 99, obsolete).size(), 99u);
    EXPECT_TRUE(obsolete.empty());
}

TEST(SpecialistGroups, InternalCodesCloseTheList) {
    using Group = CS_KBV_CS_SFHIR_BAR2_WBO;
    EXPECT_EQ(Group::size(), 102);
    for (int member = 100; member <= 102; ++member) {
        EXPECT_EQ(Group::toCode(member), std::to_string(890 + member));
        EXPECT_EQ(Group::toDisplay(member), Group::toDisplay(100));
    }
}

TEST(AdditionalQualifications, HandOverAllButTheTenObsoleteMembers) {
    std::vector<std::string> obsolete;
    const auto map = handedOver<CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG>(2, 119, obsolete);
    EXPECT_EQ(map.size(), 108u);
    EXPECT_EQ(obsolete,
              (std::vector<std::string>{"011", "016", "021", "028", "029", "033", "038", "052", "087", "133"}));
}

template <class E> std::vector<std::string> placeholderCodes() {
    std::vector<std::string> codes;
    for (int member = 1; member <= E::size(); ++member) {
        const std::string display = E::toDisplay(member);
        if (display.rfind(kPlaceholderMark, 0) == 0) {
            codes.push_back(E::toCode(member));
            EXPECT_NE(display.find(" " + E::toCode(member)), std::string::npos) << display;
        }
    }
    return codes;
}

TEST(AdditionalQualifications, PlaceholdersNameTheirCodeAndLeaveTheKnownTextsAlone) {
    const std::vector<std::string> codes = placeholderCodes<CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG>();
    EXPECT_EQ(codes.size(), 103u);
    for (const char* known : {"000", "009", "010", "015", "027", "030"}) {
        EXPECT_EQ(std::find(codes.begin(), codes.end(), known), codes.end()) << known;
    }
}

TEST(SpecialistGroups, HaveNoPlaceholders) { EXPECT_TRUE(placeholderCodes<CS_KBV_CS_SFHIR_BAR2_WBO>().empty()); }

} // namespace
