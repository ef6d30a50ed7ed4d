// The two code lists as the host receives them: counts, order by display
// text, first and last entries, and how each export treats a filled map.
#include <gtest/gtest.h>

#include "tevofhir/tevo.h"

namespace {

TEST(VmcaSpecialistGroups, NinetyNineGroupsReplaceWhatTheMapHeld) {
    VmcaCodeList list;
    list["zzz"] = "1";
    EXPECT_EQ(TevoGetVMCAFacharztgruppen(&list), 0);
    ASSERT_EQ(list.size(), 99u);
    EXPECT_EQ(list.count("zzz"), 0u);
    // Display texts in code page 1252; the map orders them byte-wise.
    EXPECT_EQ(list["F\xC4/FA Augenheilkunde"].str(), "030");
    EXPECT_EQ(list["F\xC4/FA Allgemeinmedizin (alte (M-)WBO, kammerindividuell, EU-\xC4rzte)"].str(), "010");
    EXPECT_EQ(list["SP Neonatologie"].str(), "093");
    EXPECT_EQ(list["Psychologische Psychotherapeutin/Psychologischer Psychotherapeut"].str(), "470");
    EXPECT_EQ(list["SP Kinder- und Jugendradiologie"].str(), "578");
    for (const VmcaCodeListEntry& entry : list) {
        EXPECT_NE(entry.second.str(), "990");
    }
}

TEST(VmcaAdditionalQualifications, HundredAndEightSelectableEntries) {
    VmcaCodeList list;
    EXPECT_EQ(TevoGetVMCAZusatzbezeichnungen(&list), 0);
    ASSERT_EQ(list.size(), 108u);
    EXPECT_EQ(list["Sportmedizin"].str(), "009");
    EXPECT_EQ(list["Allergologie"].str(), "027");
    EXPECT_EQ(list["Medizinische Informatik"].str(), "030");
    EXPECT_EQ(list.count("Missing Value"), 0u);
    EXPECT_EQ(list.count("Arbeitsmedizin; obsolet"), 0u);
    EXPECT_EQ(list.count("R\xF6ntgentherapie; obsolet"), 0u);
}

TEST(VmcaAdditionalQualifications, KeepOtherEntriesAndGiveTheSameMapTwice) {
    VmcaCodeList list;
    list["Eigener Eintrag"] = "x";
    list["Sportmedizin"] = "old";
    TevoGetVMCAZusatzbezeichnungen(&list);
    const VmcaCodeList once = list;
    TevoGetVMCAZusatzbezeichnungen(&list);
    EXPECT_EQ(list, once);
    EXPECT_EQ(list.size(), 109u);
    EXPECT_EQ(list["Eigener Eintrag"].str(), "x");
    EXPECT_EQ(list["Sportmedizin"].str(), "009");
}

TEST(VmcaCodeLists, NoMapIsNoFailure) {
    EXPECT_EQ(TevoGetVMCAZusatzbezeichnungen(nullptr), 0);
    EXPECT_EQ(TevoGetVMCAFacharztgruppen(nullptr), 0);
}

}  // namespace
