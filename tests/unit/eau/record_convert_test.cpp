// Conversion of the host record: cuts, trimming and the derived codes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fhir/Identity.h"
#include "unit/support/EauRecords.h"
#include "usecases/eau/convert.h"

namespace {

using fhir::EauData;
using tevotest::icd;
using tevotest::validEauRecord;

std::string repeat(char c, int count) { return std::string(static_cast<std::size_t>(count), c); }

TEST(EauConvert, TrimsCutsAndConvertsToUtf8) {
    EauRecord r = validEauRecord();
    r.versicherter.vorname = HostString(("  " + repeat('a', 44) + "\xE4\xF6\xFC" "  ").c_str());
    r.versicherter.nachname = HostString(repeat('n', 60).c_str());  // no cut
    r.person.titel = HostString(repeat('t', 101).c_str());
    r.institution.adresse.hausnummer = " 1234567890 ";
    r.angaben.diagnosetext = HostString(repeat('d', 71).c_str());
    const EauData d = fhir::convertEauRecord(r, false);
    EXPECT_EQ(d.vorname, repeat('a', 44) + "\xC3\xA4");  // 45 ANSI characters, then UTF-8
    EXPECT_EQ(d.nachname.size(), 60u);
    EXPECT_EQ(d.person.titel.size(), 100u);
    EXPECT_EQ(d.institution.adresse.hausnummer, "123456789");
    EXPECT_EQ(d.diagnosetext.size(), 70u);
}

TEST(EauConvert, CodesMapExactlyAndCaseSensitively) {
    EauRecord r = validEauRecord();
    r.empfaenger.kostentraegertyp = " SEL ";
    r.empfaenger.versichertenart = "5";
    r.empfaenger.besonderepersonengruppe = "09";
    r.empfaenger.dmpkennzeichen = "30";
    r.empfaenger.kennzeichenrechtsgrundlage = "11";
    r.empfaenger.wop = "98";
    r.person.typ = "04";
    const EauData d = fhir::convertEauRecord(r, false);
    EXPECT_EQ(d.payerKind, 6);
    EXPECT_EQ(d.insuredKind, 3);
    EXPECT_EQ(d.specialGroup, 6);
    EXPECT_EQ(d.dmp, 14);
    EXPECT_EQ(d.legalBasis, 6);
    EXPECT_TRUE(d.asvCase);
    EXPECT_EQ(d.wopCode, 26);
    EXPECT_EQ(d.person.type, 5);

    r.empfaenger.kostentraegertyp = "Gkv";
    r.empfaenger.dmpkennzeichen = "13";
    r.empfaenger.kennzeichenrechtsgrundlage = "10";
    EXPECT_EQ(fhir::convertEauRecord(r, false).payerKind, 0);
    EXPECT_EQ(fhir::convertEauRecord(r, false).dmp, 0);
    EXPECT_FALSE(fhir::convertEauRecord(r, false).asvCase);
}

using InsuredSlot = std::string EauData::*;

struct SlotCase {
    const char* kind;
    InsuredSlot filled;  // null: no slot
};

TEST(EauConvert, InsuredNumberSlotIgnoresCase) {
    const SlotCase cases[] = {{"gkv", &EauData::gkvNummer}, {"PKV", &EauData::pkvNummer},
                              {"Kvk", &EauData::kvkNummer}, {"egk", nullptr}};
    for (const SlotCase& c : cases) {
        EauRecord r = validEauRecord();
        r.versicherter.identifierType = c.kind;
        const EauData d = fhir::convertEauRecord(r, false);
        const InsuredSlot slots[] = {&EauData::gkvNummer, &EauData::pkvNummer, &EauData::kvkNummer};
        for (InsuredSlot slot : slots) {
            EXPECT_EQ(d.*slot, slot == c.filled ? "A123456789" : "") << c.kind;
        }
    }
}

TEST(EauConvert, InstitutionNumberSlotIsCaseSensitive) {
    using Slot = std::string fhir::EauInstitutionData::*;
    const std::pair<const char*, Slot> cases[] = {
        {"bsnr", &fhir::EauInstitutionData::bsnr},
        {"ik", &fhir::EauInstitutionData::ik},
        {"kzv-abrechnungsnummer", &fhir::EauInstitutionData::kzvAbrechnungsnummer},
        {"snr", &fhir::EauInstitutionData::standortnummer},
        {"BSNR", nullptr},
    };
    for (const auto& [kind, filled] : cases) {
        EauRecord r = validEauRecord();
        r.institution.custodiantype = kind;
        const fhir::EauInstitutionData d = fhir::convertEauRecord(r, false).institution;
        for (Slot slot : {&fhir::EauInstitutionData::bsnr, &fhir::EauInstitutionData::ik,
                          &fhir::EauInstitutionData::kzvAbrechnungsnummer, &fhir::EauInstitutionData::standortnummer}) {
            EXPECT_EQ(d.*slot, slot == filled ? "721111100" : "") << kind;
        }
    }
}

struct AuTypeCase {
    const char* name;
    bool first, followUp, final;
    int auType;
    bool keepsSince;
};

class EauAuType : public testing::TestWithParam<AuTypeCase> {};

TEST_P(EauAuType, FromFlags) {
    EauRecord r = validEauRecord();
    r.angaben.erstbescheinigung = GetParam().first;
    r.angaben.folgebescheinigung = GetParam().followUp;
    r.angaben.endbescheinigung = GetParam().final;
    const EauData d = fhir::convertEauRecord(r, false);
    EXPECT_EQ(d.auType, GetParam().auType);
    EXPECT_EQ(d.auseit, GetParam().keepsSince ? "20240314" : "");
}

const AuTypeCase kAuTypeCases[] = {
    {"None", false, false, false, 0, true},      {"FinalAlone", false, false, true, 0, true},
    {"First", true, false, false, 1, true},      {"FirstFinal", true, false, true, 2, true},
    {"FollowUp", false, true, false, 3, false},  {"FollowUpFinal", false, true, true, 4, false},
    {"BothFollowUpWins", true, true, false, 3, false},
};

INSTANTIATE_TEST_SUITE_P(Convert, EauAuType, testing::ValuesIn(kAuTypeCases),
                         [](const testing::TestParamInfo<AuTypeCase>& p) { return std::string(p.param.name); });

TEST(EauConvert, ListsFollowTheirFixedOrder) {
    EauRecord r = validEauRecord();
    r.angaben.sonstige = true;
    r.angaben.wiedereingliederung = true;
    r.angaben.stationaereheilbehandlung = true;
    r.angaben.leistungenreha = true;
    r.angaben.darztzugewiesen = true;
    r.angaben.versorgungsleiden = true;
    r.angaben.sonstigerunfall = true;
    const EauData d = fhir::convertEauRecord(r, false);
    EXPECT_EQ(d.measures, (std::vector<int>{1, 2, 4, 5, 3}));
    EXPECT_EQ(d.causes, (std::vector<int>{1, 3}));

    r.angaben.darztzugewiesen = false;
    r.angaben.stationaereheilbehandlung = false;
    r.angaben.wiedereingliederung = false;
    EXPECT_EQ(fhir::convertEauRecord(r, false).measures, (std::vector<int>{2, 3}));
}

struct StatusCase {
    const char* name;
    const char* certainty;
    bool noStatusForUnknown;
    int member, clinical, verification;
};

class EauDiagnosisStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(EauDiagnosisStatus, FromCertainty) {
    EauRecord r = validEauRecord();
    r.angaben.diagnosen = {icd("J06.9", GetParam().certainty, "R")};
    const fhir::EauDiagnosisData d = fhir::convertEauRecord(r, GetParam().noStatusForUnknown).diagnosen.at(0);
    EXPECT_EQ(d.certainty, GetParam().member);
    EXPECT_EQ(d.clinicalStatus, GetParam().clinical);
    EXPECT_EQ(d.verificationStatus, GetParam().verification);
    EXPECT_EQ(d.side, 3);
}

// Clinical: 1 active, 6 resolved. Verification: 1 confirmed, 4 provisional, 5 refuted.
const StatusCase kStatusCases[] = {
    {"A", "A", false, 1, 0, 5},
    {"G", "G", true, 2, 1, 1},
    {"V", "V", false, 3, 1, 4},
    {"Z", "Z", true, 4, 6, 1},
    {"UnknownTakenAsG", "a", false, 2, 1, 1},
    {"EmptyTakenAsG", "", false, 2, 1, 1},
    {"UnknownWithoutStatus", "X", true, 0, 0, 0},
    {"EmptyWithoutStatus", "", true, 0, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Convert, EauDiagnosisStatus, testing::ValuesIn(kStatusCases),
                         [](const testing::TestParamInfo<StatusCase>& p) { return std::string(p.param.name); });

TEST(EauConvert, CancellationConvertsPersonAndInstitution) {
    EauStornoRecord r = tevotest::validEauStornoRecord();
    r.person.typ = "03";
    r.institution.custodiantype = "snr";
    r.dokumentenidsubmission = "  id-0  ";
    const fhir::EauStornoData d = fhir::convertEauStornoRecord(r);
    EXPECT_EQ(d.dokumentenidsubmission, "id-0");
    EXPECT_EQ(d.person.type, 4);
    EXPECT_EQ(d.person.nachname, "M\xC3\xBCller");
    EXPECT_EQ(d.institution.standortnummer, "721111100");
    EXPECT_FALSE(d.creationTime.empty());
}

}  // namespace
