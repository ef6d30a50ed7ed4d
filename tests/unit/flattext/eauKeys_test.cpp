// Reading the certificate and its cancellation from flat text.
#include <gtest/gtest.h>

#include <string>

#include "flattext/EauKeys.h"

namespace {

using tevo::flattext::readEauRecord;
using tevo::flattext::readEauStornoRecord;

// Builds a flat text from key/value pairs.
HostString flat(std::initializer_list<std::pair<const char*, const char*>> entries) {
    std::string text;
    for (const auto& [key, value] : entries) {
        text += std::string(key) + '\x02' + value + '\x01';
    }
    return HostString(text);
}

TEST(EauKeys, MixedCaseKeyWithPaddedValue) {
    const EauRecord r = readEauRecord(flat({{"  VersicherteR.VorName ", "   Erika  "}}));
    EXPECT_EQ(r.versicherter.vorname.str(), "Erika");
}

TEST(EauKeys, RepeatedKeyAppendsWithoutSeparator) {
    const EauRecord r = readEauRecord(flat({{"person.nachname", "M\xFCller"}, {"person.nachname", "-Schmidt"}}));
    EXPECT_EQ(r.person.nachname.str(), "M\xFCller-Schmidt");
}

struct FlagCase {
    const char* name;
    std::vector<const char*> values;  // given in this order
    bool want;
};

class EauFlagKeys : public testing::TestWithParam<FlagCase> {};

TEST_P(EauFlagKeys, OnlyOneAndZeroChangeTheFlag) {
    std::string text;
    for (const char* value : GetParam().values) {
        text += std::string("angaben.erstbescheinigung\x02") + value + '\x01';
    }
    EXPECT_EQ(readEauRecord(HostString(text)).angaben.erstbescheinigung, GetParam().want);
}

const FlagCase kFlagCases[] = {
    {"One", {"1"}, true},
    {"PaddedOne", {" 1 "}, true},
    {"True", {"true"}, false},
    {"Two", {"2"}, false},
    {"Yes", {"J"}, false},
    {"Empty", {""}, false},
    {"OneThenZero", {"1", "0"}, false},
    {"OneThenOther", {"1", "x"}, true},
};

INSTANTIATE_TEST_SUITE_P(FlatText, EauFlagKeys, testing::ValuesIn(kFlagCases),
                         [](const testing::TestParamInfo<FlagCase>& p) { return std::string(p.param.name); });

TEST(EauKeys, NumberedDiagnosesCloseGaps) {
    const EauRecord r = readEauRecord(flat({
        {"angaben.5icd10code.code", "M54.5"},
        {"angaben.5icd10code.version", "2024"},
        {"angaben.5icd10code.seitenlokalisation", "L"},
        {"angaben.2icd10code.code", "J06.9"},
        {"angaben.2icd10code.diagnosesicherheit", "G"},
        {"angaben.3icd10code.version", "2024"},  // no code: dropped
        {"angaben.7icd10code.code", "Z00"},      // no seventh slot
    }));
    ASSERT_EQ(r.angaben.diagnosen.size(), 2u);
    EXPECT_EQ(r.angaben.diagnosen[0].code.str(), "J06.9");
    EXPECT_EQ(r.angaben.diagnosen[0].diagnosesicherheit.str(), "G");
    EXPECT_EQ(r.angaben.diagnosen[1].code.str(), "M54.5");
    EXPECT_EQ(r.angaben.diagnosen[1].version.str(), "2024");
    EXPECT_EQ(r.angaben.diagnosen[1].seitenlokalisation.str(), "L");
}

TEST(EauKeys, EveryGroupReachesItsField) {
    const EauRecord r = readEauRecord(flat({
        {"dokumenteninformationen.pruefnummer", "P1"},
        {"empfaenger.ikkostentrager", "IK2"},
        {"versicherter.identifiertype", "gkv"},
        {"versicherter.strassenadresse.wohnsitzlaenderkuerzel", "D"},
        {"versicherter.postfachanschrift.postfach", "1234"},
        {"person.asvfachgruppennummer", "555555555"},
        {"institution.custodiantype", "bsnr"},
        {"institution.telematikid", "T1"},
        {"institution.adresse.hausnummer", "7b"},
        {"angaben.sonstigetext", "Kur"},
        {"angaben.siebteauwoche", "1"},
        {"angaben.stationaereheilbehandlung", "1"},
        {"verantwortlicheperson.vorname", "no keys"},
        {"unknown.key", "ignored"},
    }));
    EXPECT_EQ(r.dokumenteninformationen.pruefnummer.str(), "P1");
    EXPECT_EQ(r.empfaenger.ikkostentrager.str(), "IK2");
    EXPECT_EQ(r.versicherter.identifierType.str(), "gkv");
    EXPECT_EQ(r.versicherter.strassenadresse.wohnsitzlaenderkuerzel.str(), "D");
    EXPECT_EQ(r.versicherter.postfachanschrift.postfach.str(), "1234");
    EXPECT_EQ(r.person.asvfachgruppennummer.str(), "555555555");
    EXPECT_EQ(r.institution.custodiantype.str(), "bsnr");
    EXPECT_EQ(r.institution.telematikid.str(), "T1");
    EXPECT_EQ(r.institution.adresse.hausnummer.str(), "7b");
    EXPECT_EQ(r.angaben.sonstigetext.str(), "Kur");
    EXPECT_TRUE(r.angaben.siebteauwoche);
    EXPECT_TRUE(r.angaben.stationaereheilbehandlung);
    EXPECT_FALSE(r.angaben.endbescheinigung);
    EXPECT_TRUE(r.verantwortlichePerson.vorname.IsEmpty());
}

TEST(EauKeys, CancellationKeys) {
    const EauStornoRecord r = readEauStornoRecord(flat({
        {"DokumentenID", "id-1"},
        {"dokumentenidsubmission", "id-0"},
        {"stornodatum", "20251002"},
        {"person.vorname", "Hans"},
        {"institution.adresse.ortsname", "Berlin"},
        {"versicherter.vorname", "not a cancellation key"},
    }));
    EXPECT_EQ(r.dokumentenid.str(), "id-1");
    EXPECT_EQ(r.dokumentenidsubmission.str(), "id-0");
    EXPECT_EQ(r.stornodatum.str(), "20251002");
    EXPECT_EQ(r.person.vorname.str(), "Hans");
    EXPECT_EQ(r.institution.adresse.ortsname.str(), "Berlin");
}

}  // namespace
