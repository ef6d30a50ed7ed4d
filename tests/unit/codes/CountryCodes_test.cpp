#include "fhir/r4/codes/CountryCodeTables.h"
#include "fhir/r4/codes/CountryCodes.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

using fhir::codes::countryCodesNew;
using fhir::codes::countryCodesOld;
using fhir::codes::CountryCodeTable;
using fhir::codes::lookupCountryCodeNew;
using fhir::codes::lookupCountryCodeOld;

std::vector<std::string> codesOf(const CountryCodeTable& table) {
    return std::vector<std::string>(table.codes, table.codes + table.size);
}

struct LookupCase {
    const char* name;
    std::string code;
    std::int32_t older;
    std::int32_t newer;
};

const LookupCase kLookupCases[] = {
    {"FirstCode", "A", 1, 1},
    {"Germany", "D", 43, 54},
    {"LowerCase", "d", 0, 0},
    {"TrailingBlank", "D ", 0, 0},
    {"LeadingBlank", " D", 0, 0},
    {"EmbeddedNul", std::string("D\0", 2), 0, 0},
    {"LongerCode", "DE", 0, 0},
    {"PrefixOfACode", "AQ", 0, 9},
    {"Australia", "AU", 0, 14},
    {"Austria", "AUS", 13, 15},
    {"Eswatini", "SWZ", 0, 218},
    {"WallisFutuna", "WF", 0, 248},
    {"AfterARemovedCode", "WG", 224, 249},
    {"LastCode", "ZW", 234, 259},
    {"Empty", "", 0, 0},
    {"Unknown", "XYZ", 0, 0},
};

class CountryCodeLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(CountryCodeLookup, GivesPositionOrZero) {
    EXPECT_EQ(lookupCountryCodeOld(GetParam().code), GetParam().older);
    EXPECT_EQ(lookupCountryCodeNew(GetParam().code), GetParam().newer);
}

INSTANTIATE_TEST_SUITE_P(Codes, CountryCodeLookup, testing::ValuesIn(kLookupCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(CountryCodeTables, HoldTheirSizes) {
    EXPECT_EQ(countryCodesNew().size, 259u);
    EXPECT_EQ(countryCodesOld().size, 234u);
}

TEST(CountryCodeTables, OlderIsNewerWithoutTheLaterCodesInTheSameOrder) {
    const std::set<std::string> added = {"AQ", "AU", "AW", "AX", "BL", "BQ", "BV", "CC",  "CP", "CW", "CX", "EH", "GG",
                                         "GS", "HM", "IO", "JE", "MF", "NF", "SJ", "SWZ", "SX", "TF", "UM", "WF"};
    ASSERT_EQ(added.size(), 25u);
    std::vector<std::string> expected;
    for (const std::string& code : codesOf(countryCodesNew())) {
        if (added.count(code) == 0) {
            expected.push_back(code);
        }
    }
    EXPECT_EQ(codesOf(countryCodesOld()), expected);
}

TEST(CountryCodeTables, CodesAreUniqueUpperCaseOfOneToThreeLetters) {
    for (const CountryCodeTable& table : {countryCodesOld(), countryCodesNew()}) {
        const std::vector<std::string> codes = codesOf(table);
        EXPECT_EQ(std::set<std::string>(codes.begin(), codes.end()).size(), codes.size());
        for (const std::string& code : codes) {
            EXPECT_TRUE(code.size() >= 1 && code.size() <= 3) << code;
            EXPECT_EQ(code.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos) << code;
        }
    }
}

TEST(CountryCodeTables, EveryCodeIsFoundAtItsPosition) {
    const std::vector<std::string> older = codesOf(countryCodesOld());
    for (std::size_t i = 0; i < older.size(); ++i) {
        EXPECT_EQ(lookupCountryCodeOld(older[i]), static_cast<std::int32_t>(i + 1)) << older[i];
    }
    const std::vector<std::string> newer = codesOf(countryCodesNew());
    for (std::size_t i = 0; i < newer.size(); ++i) {
        EXPECT_EQ(lookupCountryCodeNew(newer[i]), static_cast<std::int32_t>(i + 1)) << newer[i];
    }
}

} // namespace
