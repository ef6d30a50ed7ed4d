// Reading the certificate and its cancellation from flat text.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "flattext/EauKeys.h"
#include "support/CaseName.h"

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
                         tevo::test::CaseName());

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

// Every text key with the field it must fill. Each key is fed its own name as
// value, so a misspelt key leaves its field empty and a key bound to the wrong
// field shows up there.
using TextFields = std::vector<std::pair<std::string, const HostString*>>;

void addPersonAndInstitution(TextFields& f, const EauPerson& p, const EauInstitution& i) {
    f.insert(f.end(), {
        {"person.typ", &p.typ},
        {"person.nummer", &p.nummer},
        {"person.asvteamnummer", &p.asvteamnummer},
        {"person.vorname", &p.vorname},
        {"person.nachname", &p.nachname},
        {"person.hauptteilnachname", &p.hauptteilnachname},
        {"person.titel", &p.titel},
        {"person.vorsatzwort", &p.vorsatzwort},
        {"person.namenszusatz", &p.namenszusatz},
        {"person.berufsbezeichnung", &p.berufsbezeichnung},
        {"person.telematikid", &p.telematikid},
        {"person.asvfachgruppennummer", &p.asvfachgruppennummer},
        {"institution.custodiantype", &i.custodiantype},
        {"institution.betriebsstaettennummer", &i.betriebsstaettennummer},
        {"institution.name", &i.name},
        {"institution.telefonnummer", &i.telefonnummer},
        {"institution.faxnummer", &i.faxnummer},
        {"institution.email", &i.email},
        {"institution.telematikid", &i.telematikid},
        {"institution.adresse.wohnsitzlaendercode", &i.adresse.wohnsitzlaendercode},
        {"institution.adresse.wohnsitzlaenderkuerzel", &i.adresse.wohnsitzlaenderkuerzel},
        {"institution.adresse.postleitzahl", &i.adresse.postleitzahl},
        {"institution.adresse.ortsname", &i.adresse.ortsname},
        {"institution.adresse.strassenname", &i.adresse.strassenname},
        {"institution.adresse.hausnummer", &i.adresse.hausnummer},
        {"institution.adresse.anschriftenzusatz", &i.adresse.anschriftenzusatz},
    });
}

TextFields certificateTexts(const EauRecord& r) {
    const EauRecipient& e = r.empfaenger;
    const EauInsured& v = r.versicherter;
    const EauDetails& a = r.angaben;
    TextFields f = {
        {"dokumenteninformationen.pruefnummer", &r.dokumenteninformationen.pruefnummer},
        {"dokumenteninformationen.dokumentenid", &r.dokumenteninformationen.dokumentenid},
        {"empfaenger.kostentraegertyp", &e.kostentraegertyp},
        {"empfaenger.ikkrankenkasse", &e.ikkrankenkasse},
        {"empfaenger.ikkostentrager", &e.ikkostentrager},
        {"empfaenger.namekostentraeger", &e.namekostentraeger},
        {"empfaenger.wop", &e.wop},
        {"empfaenger.versichertenart", &e.versichertenart},
        {"empfaenger.besonderepersonengruppe", &e.besonderepersonengruppe},
        {"empfaenger.dmpkennzeichen", &e.dmpkennzeichen},
        {"empfaenger.kennzeichenrechtsgrundlage", &e.kennzeichenrechtsgrundlage},
        {"versicherter.identifiertype", &v.identifierType},
        {"versicherter.versichertennummer", &v.versichertennummer},
        {"versicherter.vorname", &v.vorname},
        {"versicherter.nachname", &v.nachname},
        {"versicherter.hauptteilnachname", &v.hauptteilnachname},
        {"versicherter.titel", &v.titel},
        {"versicherter.vorsatzwort", &v.vorsatzwort},
        {"versicherter.namenszusatz", &v.namenszusatz},
        {"versicherter.geburtsdatum", &v.geburtsdatum},
        {"versicherter.versicherungsschutzende", &v.versicherungsschutzende},
        {"versicherter.strassenadresse.wohnsitzlaendercode", &v.strassenadresse.wohnsitzlaendercode},
        {"versicherter.strassenadresse.wohnsitzlaenderkuerzel", &v.strassenadresse.wohnsitzlaenderkuerzel},
        {"versicherter.strassenadresse.postleitzahl", &v.strassenadresse.postleitzahl},
        {"versicherter.strassenadresse.ortsname", &v.strassenadresse.ortsname},
        {"versicherter.strassenadresse.strassenname", &v.strassenadresse.strassenname},
        {"versicherter.strassenadresse.hausnummer", &v.strassenadresse.hausnummer},
        {"versicherter.strassenadresse.anschriftenzusatz", &v.strassenadresse.anschriftenzusatz},
        {"versicherter.postfachanschrift.wohnsitzlaendercode", &v.postfachanschrift.wohnsitzlaendercode},
        {"versicherter.postfachanschrift.wohnsitzlaenderkuerzel", &v.postfachanschrift.wohnsitzlaenderkuerzel},
        {"versicherter.postfachanschrift.postleitzahl", &v.postfachanschrift.postleitzahl},
        {"versicherter.postfachanschrift.ortsname", &v.postfachanschrift.ortsname},
        {"versicherter.postfachanschrift.postfach", &v.postfachanschrift.postfach},
        {"angaben.ausstellungsdatum", &a.ausstellungsdatum},
        {"angaben.auseit", &a.auseit},
        {"angaben.voraussichtlichaubis", &a.voraussichtlichaubis},
        {"angaben.festgestelltam", &a.festgestelltam},
        {"angaben.sonstigetext", &a.sonstigetext},
        {"angaben.teilweisearbeitsfaehigab", &a.teilweisearbeitsfaehigab},
        {"angaben.wiedereingliederungab", &a.wiedereingliederungab},
        {"angaben.aufnahmedatum", &a.aufnahmedatum},
        {"angaben.entlassungsdatum", &a.entlassungsdatum},
        {"angaben.diagnosetext", &a.diagnosetext},
    };
    addPersonAndInstitution(f, r.person, r.institution);
    return f;
}

TextFields cancellationTexts(const EauStornoRecord& r) {
    TextFields f = {
        {"dokumentenid", &r.dokumentenid},
        {"dokumentenidsubmission", &r.dokumentenidsubmission},
        {"stornodatum", &r.stornodatum},
    };
    addPersonAndInstitution(f, r.person, r.institution);
    return f;
}

// Each key once, with its own name as value.
HostString keysAsValues(const TextFields& fields) {
    std::string text;
    for (const auto& field : fields) {
        text += field.first + '\x02' + field.first + '\x01';
    }
    return HostString(text);
}

TEST(EauKeys, EveryTextKeyFillsItsOwnField) {
    const EauRecord r = readEauRecord(keysAsValues(certificateTexts(EauRecord())));
    for (const auto& [key, field] : certificateTexts(r)) {
        EXPECT_EQ(field->str(), key);
    }
    // The responsible person has no keys, the further address strings neither.
    EXPECT_EQ(r.verantwortlichePerson.vorname.str(), "");
    EXPECT_EQ(r.verantwortlichePerson.typ.str(), "");
    EXPECT_EQ(r.versicherter.strassenadresse.reserve1.str() + r.institution.adresse.reserve2.str(), "");
}

TEST(EauKeys, EveryCancellationKeyFillsItsOwnField) {
    const EauStornoRecord r = readEauStornoRecord(keysAsValues(cancellationTexts(EauStornoRecord())) +
                                                  "versicherter.vorname\x02not a cancellation key\x01");
    for (const auto& [key, field] : cancellationTexts(r)) {
        EXPECT_EQ(field->str(), key);
    }
}

TEST(EauKeys, EveryNumberedDiagnosisKeyFillsItsField) {
    const char* const parts[] = {"code", "version", "diagnosesicherheit", "seitenlokalisation"};
    std::string text;
    for (int n = 1; n <= 6; ++n) {
        for (const char* part : parts) {
            const std::string key = "angaben." + std::to_string(n) + "icd10code." + part;
            text += key + '\x02' + key + '\x01';
        }
    }
    const EauRecord r = readEauRecord(HostString(text));
    ASSERT_EQ(r.angaben.diagnosen.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        const std::string prefix = "angaben." + std::to_string(i + 1) + "icd10code.";
        const Icd10Code& d = r.angaben.diagnosen[i];
        EXPECT_EQ(d.code.str(), prefix + "code");
        EXPECT_EQ(d.version.str(), prefix + "version");
        EXPECT_EQ(d.diagnosesicherheit.str(), prefix + "diagnosesicherheit");
        EXPECT_EQ(d.seitenlokalisation.str(), prefix + "seitenlokalisation");
    }
}

// Setting one flag key sets that flag and no other.
const std::pair<const char*, bool EauDetails::*> kFlagKeys[] = {
    {"angaben.darztzugewiesen", &EauDetails::darztzugewiesen},
    {"angaben.erstbescheinigung", &EauDetails::erstbescheinigung},
    {"angaben.folgebescheinigung", &EauDetails::folgebescheinigung},
    {"angaben.sonstigerunfall", &EauDetails::sonstigerunfall},
    {"angaben.arbeitsunfall", &EauDetails::arbeitsunfall},
    {"angaben.versorgungsleiden", &EauDetails::versorgungsleiden},
    {"angaben.leistungenreha", &EauDetails::leistungenreha},
    {"angaben.wiedereingliederung", &EauDetails::wiedereingliederung},
    {"angaben.sonstige", &EauDetails::sonstige},
    {"angaben.berufsunfaehigkeit", &EauDetails::berufsunfaehigkeit},
    {"angaben.stationaereheilbehandlung", &EauDetails::stationaereheilbehandlung},
    {"angaben.siebteauwoche", &EauDetails::siebteauwoche},
    {"angaben.endbescheinigung", &EauDetails::endbescheinigung},
};

TEST(EauKeys, EveryFlagKeySetsOnlyItsFlag) {
    for (const auto& [key, set] : kFlagKeys) {
        const EauDetails a = readEauRecord(HostString(std::string(key) + "\x02" "1")).angaben;
        for (const auto& [otherKey, other] : kFlagKeys) {
            EXPECT_EQ(a.*other, other == set) << key << " / " << otherKey;
        }
    }
}

}  // namespace
