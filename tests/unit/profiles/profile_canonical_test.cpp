// Shortening of the profile version in Meta.profile to major.minor.
#include "fhir/r4/ProfileCanonical.h"
#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_Bundle.h"

#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <string_view>

namespace {

struct Shortening {
    const char* name;
    const char* canonical;
    const char* expected;
};

const Shortening kCases[] = {
    {"ThreePartVersion", "https://fhir.kbv.de/StructureDefinition/KBV_PR_EAU_Bundle|1.2.0",
     "https://fhir.kbv.de/StructureDefinition/KBV_PR_EAU_Bundle|1.2"},
    {"MultiDigitParts", "https://fhir.kbv.de/StructureDefinition/KBV_PR_ERP_Bundle|10.13.25",
     "https://fhir.kbv.de/StructureDefinition/KBV_PR_ERP_Bundle|10.13"},
    {"FourPartVersion", "x|1.2.3.4", "x|1.2"},
    {"SuffixAfterPatch", "x|1.2.0-ballot", "x|1.2"},
    {"TwoPartVersionUnchanged", "https://fhir.kbv.de/StructureDefinition/KBV_PR_EAU_Bundle|1.2",
     "https://fhir.kbv.de/StructureDefinition/KBV_PR_EAU_Bundle|1.2"},
    {"TwoPartVersionTrailingDotShortened", "x|1.2.", "x|1.2"},
    {"NoVersionUnchanged", "https://fhir.kbv.de/StructureDefinition/KBV_PR_EAU_Bundle",
     "https://fhir.kbv.de/StructureDefinition/KBV_PR_EAU_Bundle"},
    {"NonNumericVersionUnchanged", "x|a.b.c", "x|a.b.c"},
    {"DotsBeforeBarUntouched", "http://fhir.de/a.b.c", "http://fhir.de/a.b.c"},
    {"Empty", "", ""},
    {"RestEndsAtLineBreak", "x|1.2.3\ny|4.5.6", "x|1.2\ny|4.5"},
    {"CarriageReturnEndsTheRest", "x|1.2.3\r\nz", "x|1.2\r\nz"},
    {"FirstBarWithoutVersionSkipped", "a|b|1.2.3", "a|b|1.2"},
    {"MissingMinorDigits", "x|1..3", "x|1..3"},
    {"MissingMajorDigits", "x|.2.3", "x|.2.3"},
    {"BarAtEnd", "x|", "x|"},
};

class ProfileCanonical : public testing::TestWithParam<Shortening> {};

TEST_P(ProfileCanonical, KeepsMajorAndMinor) {
    EXPECT_EQ(fhir::r4::shortProfileCanonical(GetParam().canonical), GetParam().expected);
}

// The shortening is defined by this regular expression; the scan must agree.
TEST_P(ProfileCanonical, AgreesWithTheDefiningExpression) {
    const std::regex patchVersion(R"((\|[0-9]+\.[0-9]+)\..*)", std::regex::ECMAScript);
    EXPECT_EQ(fhir::r4::shortProfileCanonical(GetParam().canonical),
              std::regex_replace(std::string(GetParam().canonical), patchVersion, "$1"));
}

INSTANTIATE_TEST_SUITE_P(Versions, ProfileCanonical, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Shortening>& row) { return std::string(row.param.name); });

TEST(ProfileCanonical, EauBundleProfileEndsInMajorMinor) {
    const fhir::r4::kbvitaeau::v1_2_0::KBV_PR_EAU_Bundle bundle;
    EXPECT_EQ(fhir::r4::shortProfileCanonical(bundle.getCanonical()),
              "https://fhir.kbv.de/StructureDefinition/KBV_PR_EAU_Bundle|1.2");
}

// A one-line text keeps a beginning of itself, the same as the copying scan.
TEST(ProfileCanonical, OneLineShorteningIsABeginningOfTheText) {
    for (const Shortening& row : kCases) {
        const std::string_view canonical = row.canonical;
        if (canonical.find_first_of("\r\n") != std::string_view::npos) {
            continue;
        }
        SCOPED_TRACE(row.name);
        const std::string_view shortened = fhir::r4::shortProfileCanonicalLine(canonical);
        EXPECT_EQ(shortened, row.expected);
        EXPECT_EQ(shortened.data(), canonical.data());
    }
}

}  // namespace
