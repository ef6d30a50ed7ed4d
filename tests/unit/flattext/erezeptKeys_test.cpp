// The prescription's flat-text reading and export: value kinds, the
// ingredient list, repeated keys and the caller's buffers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "boundary/ResultCode.h"
#include "flattext/ERezeptKeys.h"
#include "support/CaseName.h"
#include "tevofhir/lumo.h"
#include "unit/eau/bundle_support.h"

namespace {

using tevo::flattext::ERezeptReading;
using tevo::flattext::readERezeptRecord;

std::string entry(const std::string& key, const std::string& value) { return key + '\x02' + value + '\x01'; }

ERezeptRecord read(const std::string& text) { return readERezeptRecord(HostString(text)).record; }

struct NumberCase {
    const char* name;
    const char* value;
    std::int32_t expected;
};

const NumberCase kNumbers[] = {
    {"Plain", "3", 3},           {"TrailingLetters", "2a", 2}, {"LeadingLetter", "a2", 0},
    {"Negative", "-4", -4},      {"Empty", "", 0},             {"AboveRange", "99999999999", 2147483647},
    {"BelowRange", "-99999999999", -2147483647 - 1},
};

class ERezeptIntegerKey : public testing::TestWithParam<NumberCase> {};

TEST_P(ERezeptIntegerKey, TakesTheLeadingInteger) {
    const ERezeptRecord r = read(entry("verordnung.zaehlermehrfachverordnung", GetParam().value));
    EXPECT_EQ(r.verordnung.zaehlermehrfachverordnung, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ERezeptIntegerKey, testing::ValuesIn(kNumbers), tevo::test::CaseName());

TEST(ERezeptKeys, PriceTakesTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(read(entry("verordnung.fertigarzneimittel.avp", "12.5 EUR")).verordnung.fertigarzneimittel.avp,
                     12.5);
    EXPECT_DOUBLE_EQ(read(entry("verordnung.fertigarzneimittel.avp", "EUR")).verordnung.fertigarzneimittel.avp, 0.0);
}

TEST(ERezeptKeys, FlagsStringsCaseAndRepetition) {
    const ERezeptRecord r = read(entry("verordnung.noctucitu", "true") + entry("verordnung.bvg", "1") +
                                 entry(" VERORDNUNG.Autidem ", "1") + entry("verordnung.autidem", "0") +
                                 entry("versicherter.vorname", " Er") + entry("versicherter.vorname", "ika ") +
                                 entry("verordnung.freitextverordnung.freitextverordnung", "Ibuprofen") +
                                 entry("verordnung.freitextverordnung", "ignored") +
                                 entry("verordnung.rezepturname", "not reachable"));
    EXPECT_FALSE(r.verordnung.noctucitu);
    EXPECT_TRUE(r.verordnung.bvg);
    EXPECT_FALSE(r.verordnung.autidem);
    EXPECT_EQ(r.versicherter.vorname.str(), "Erika");
    EXPECT_EQ(r.verordnung.freitextverordnung.str(), "Ibuprofen");
    EXPECT_TRUE(r.verordnung.rezepturname.IsEmpty());
}

TEST(ERezeptKeys, IngredientListKeepsOrderAndAppends) {
    const std::string first = "1\x04" "A\x04" "5\x04" "mg\x04" "1\x04" "St\x04" "extra";
    const std::string second = "2\x04" "B\x04" "1\x04" "g\x04" "100\x04" "ml";
    const ERezeptReading reading = readERezeptRecord(
        HostString(entry("verordnung.fertigarzneimittel.wirkstoffe", first + "\x03" + second + "\x03") +
                   entry("verordnung.fertigarzneimittel.wirkstoffe", second)));
    EXPECT_TRUE(reading.rejection.empty());
    const std::vector<ERezeptIngredient>& list = reading.record.verordnung.fertigarzneimittel.wirkstoffe;
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].wirkstoffname.str(), "A");
    EXPECT_EQ(list[0].bezugsmengeneinheit.str(), "St");
    EXPECT_EQ(list[1].bezugsmenge.str(), "100");
    EXPECT_EQ(list[2].wirkstoffnummer.str(), "2");
}

TEST(ERezeptKeys, ShortIngredientEntryRejectsTheInput) {
    EXPECT_TRUE(readERezeptRecord(HostString(entry("verordnung.fertigarzneimittel.wirkstoffe", ""))).rejection.empty());
    const ERezeptReading reading = readERezeptRecord(
        HostString(entry("verordnung.fertigarzneimittel.wirkstoffe", "1\x04" "A\x04" "5")));
    EXPECT_NE(reading.rejection.find("1. Wirkstoff"), std::string::npos);
}

TEST(ERezeptKeys, RecordFieldsOnlyForTheTool) {
    const std::string text = entry("record.verantwortlicheperson.vorname", "Hans") +
                             entry("record.verordnung.bestandteil.3.name", "Wasser") +
                             entry("record.verordnung.bestandteil.1.name", "Salz") +
                             entry("record.verordnung.rezepturname", "Sole");
    EXPECT_TRUE(read(text).verantwortlichePerson.vorname.IsEmpty());
    const ERezeptRecord r =
        readERezeptRecord(HostString(text), tevo::flattext::ERezeptKeys::WithRecordFields).record;
    EXPECT_EQ(r.verantwortlichePerson.vorname.str(), "Hans");
    EXPECT_EQ(r.verordnung.rezepturname.str(), "Sole");
    ASSERT_EQ(r.verordnung.bestandteile.size(), 2u);
    EXPECT_EQ(r.verordnung.bestandteile[0].name.str(), "Salz");
    EXPECT_EQ(r.verordnung.bestandteile[1].name.str(), "Wasser");
}

// ---- The export with the caller's buffers

class LumoERezept : public eautest::PinnedIdentity {
protected:
    // A free-text prescription of 1.3.2 through the flat-text keys.
    static std::string prescription() {
        return entry("dokumenteninformationen.pruefnummer", "Y/400/2107/36/999") +
               entry("dokumenteninformationen.dokumentenid", "44420ed9-7388-4be5-acc5-9c124fad9f34") +
               entry("dokumenteninformationen.prescriptionid", "160.100.000.000.006.24") +
               entry("empfaenger.kostentraegertyp", "GKV") + entry("empfaenger.ikkrankenkasse", "109719018") +
               entry("empfaenger.namekostentraeger", "AOK Nordost") + entry("empfaenger.zuzahlungsstatus", "0") +
               entry("empfaenger.versichertenart", "1") + entry("empfaenger.besonderepersonengruppe", "00") +
               entry("empfaenger.dmpkennzeichen", "00") + entry("empfaenger.kennzeichenrechtsgrundlage", "00") +
               entry("versicherter.versichertennummer", "K220635158") + entry("versicherter.vorname", "Ludger") +
               entry("versicherter.nachname", "Meier") + entry("versicherter.hauptteilnachname", "Meier") +
               entry("versicherter.strassenadresse.postleitzahl", "26427") +
               entry("versicherter.strassenadresse.ortsname", "Esens") + entry("person.typ", "00") +
               entry("person.nummer", "838382202") + entry("person.vorname", "Paul") +
               entry("person.nachname", "Weber") + entry("person.hauptteilnachname", "Weber") +
               entry("person.berufsbezeichnung", "Arzt") + entry("institution.custodiantype", "bsnr") +
               entry("institution.betriebsstaettennummer", "721111100") + entry("institution.name", "Praxis") +
               entry("institution.adresse.postleitzahl", "10623") + entry("institution.adresse.ortsname", "Berlin") +
               entry("institution.adresse.strassenname", "Platz") + entry("institution.adresse.hausnummer", "2") +
               entry("institution.telefonnummer", "030123") + entry("verordnung.ausstellungsdatum", "20251015") +
               entry("verordnung.kategorie", "00") + entry("verordnung.anzahlpackungen", "1") +
               entry("verordnung.darreichungsformfreitext", "Tabletten") +
               entry("verordnung.freitextverordnung.freitextverordnung", "Metformin 850mg");
    }
};

int create(const std::string& input, std::vector<char>& output, std::vector<char>& message) {
    std::vector<char> error(64, 'e');
    return LumoCreateERezeptBundle(input.c_str(), static_cast<int>(output.size()), output.data(),
                                   static_cast<int>(message.size()), message.data(), static_cast<int>(error.size()),
                                   error.data());
}

TEST_F(LumoERezept, BuildsAndFitsExactlyOrNotAtAll) {
    std::vector<char> output(200000, 'x');
    std::vector<char> message(256, 'm');
    ASSERT_EQ(create(prescription(), output, message), 0) << message.data();
    const std::string text = output.data();
    ASSERT_EQ(text.compare(0, 7, "bundle\x02"), 0);
    EXPECT_EQ(text.back(), '\x01');
    EXPECT_EQ(message[0], '\0');

    std::vector<char> exact(text.size() + 1, 'x');
    EXPECT_EQ(create(prescription(), exact, message), 0);
    EXPECT_EQ(std::strlen(exact.data()), text.size());
    std::vector<char> oneShort(text.size(), 'x');
    EXPECT_EQ(create(prescription(), oneShort, message), tevo::result::kDocumentTooLarge);
    EXPECT_EQ(oneShort[0], '\0');
}

TEST_F(LumoERezept, MessagesAreCutToTheBuffer) {
    std::vector<char> output(16, 'x');
    std::vector<char> message(11, 'm');
    EXPECT_EQ(create(entry("verordnung.ausstellungsdatum", "20251015"), output, message),
              tevo::result::kChecksFailed);
    EXPECT_EQ(std::string(message.data()), "Die Dokume");
    EXPECT_EQ(output[0], '\0');
}

TEST_F(LumoERezept, NoInputAndRejectedIngredientList) {
    std::vector<char> output(16, 'x');
    std::vector<char> message(512, 'm');
    EXPECT_EQ(create("", output, message), tevo::result::kNoInput);
    EXPECT_EQ(output[0], 'x');
    EXPECT_EQ(LumoCreateERezeptBundle(nullptr, 0, nullptr, 0, nullptr, 0, nullptr), tevo::result::kNoInput);
    EXPECT_EQ(create(prescription() + entry("verordnung.fertigarzneimittel.wirkstoffe", "1\x04" "A"), output, message),
              tevo::result::kChecksFailed);
    EXPECT_NE(std::string(message.data()).find("weniger als sechs Angaben"), std::string::npos);
}

}  // namespace
