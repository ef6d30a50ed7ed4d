// The 19 request checks: one table of record edits and the exact messages
// (code page 1252 bytes) they must produce, in output order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "conformance/eebSamples.h"
#include "support/CaseName.h"
#include "tevofhir/tevo.h"

namespace {

// Expected texts, typed independently of the implementation in code page 1252.
const char* const kMessages[] = {
    "",
    "Die Dokument-ID ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.",
    "Das Leistungsdatum ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.",
    "Das Leisungsdatum ist ung\xFCltig. Bitte wenden Sie sich an die Tevo-Hotline.",
    "Der kodierte Ursprung der Anfrage ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.",
    "Der Endpoint ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.",
    "Das Institutionskennzeichen der Krankenkasse ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.",
    "Der Vorname des Versicherten ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Eingaben zum "
    "Versicherungsverh\xE4ltnis.",
    "Der Nachname des Versicherten ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Eingaben zum "
    "Versicherungsverh\xE4ltnis.",
    "Das Geburtsdatum des Versicherten ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Eingaben zum "
    "Versicherungsverh\xE4ltnis.",
    "Das Geburtsdatum des Versicherten ist ung\xFCltig. Bitte pr\xFC" "fen Sie die Eingaben zum "
    "Versicherungsverh\xE4ltnis.",
    "Keine Postleitzahl f\xFCr die Versichertenanschrift vorhanden. Bitte pr\xFC" "fen Sie die Eingaben zum "
    "Versicherungsverh\xE4ltnis.",
    "Die Versicherten-ID ist ung\xFCltig. Bitte wenden Sie sich an die Tevo-Hotline.",
    "Es ist keine Identifikationsnummer der Einrichtung vorhanden (BSNR, IK-Nummer, KZV-Abrechnungsnummer oder "
    "Standortnummer). Bitte pr\xFC" "fen Sie die Praxisinhabereinstellungen.",
    "Der Wohnsitzl\xE4nderco" "de der Praxisanschrift \"DE\" entspricht nicht den gesetzlichen Vorgaben. Bitte "
    "korrigieren Sie das L\xE4nderkennzeichen in der Anschrift des Praxisinhabers auf \"D\".",
    "Die PLZ der Einrichtung ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Anschrift in den "
    "Praxisinhabereinstellungen.",
    "Der Ortsname der Einrichtung ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Anschrift in den "
    "Praxisinhabereinstellungen.",
    "Der Stra\xDF" "enname der Einrichtung ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Anschrift in den "
    "Praxisinhabereinstellungen.",
    "Die Hausnummer der Einrichtung ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Anschrift in den "
    "Praxisinhabereinstellungen.",
    ("Es sind keine Kontaktdaten der Einrichtung vorhanden. Bitte hinterlegen Sie eine Telefonnummer, Faxnummer "
     "oder E-Mail-Adresse in den Telefonstammdaten in den Praxisinhabereinstellungen."),
};

struct CheckCase {
    const char* name;
    void (*edit)(EebRecord&);
    std::vector<int> checks;  // expected messages by check number, in order
};

const CheckCase kCases[] = {
    {"ValidFullPatient", [](EebRecord&) {}, {}},
    {"DocumentIdMissing", [](EebRecord& r) { r.dokumentid = "  "; }, {1}},
    {"TreatmentDateMissing", [](EebRecord& r) { r.leistungsdatum = ""; }, {2}},
    {"TreatmentDateTooShort", [](EebRecord& r) { r.leistungsdatum = "202"; }, {3}},
    {"TreatmentDateTooLong", [](EebRecord& r) { r.leistungsdatum = "2025-10-151"; }, {3}},
    {"TreatmentDateOfFourCharacters", [](EebRecord& r) { r.leistungsdatum = "2025"; }, {}},
    {"OriginMissing", [](EebRecord& r) { r.ursprung = ""; }, {4}},
    {"OriginNotInTable", [](EebRecord& r) { r.ursprung = "1.2.276.0.76.4.60"; }, {4}},
    {"OriginWithBlanksIsTrimmed", [](EebRecord& r) { r.ursprung = " 1.2.276.0.76.4.59 "; }, {}},
    {"EndpointMissing", [](EebRecord& r) { r.endpoint = ""; }, {5}},
    {"InsurerIkMissing", [](EebRecord& r) { r.iknummer = ""; }, {6}},
    {"GivenNameMissing", [](EebRecord& r) { r.vorname = ""; }, {7}},
    {"FamilyNameMissing", [](EebRecord& r) { r.nachname = ""; }, {8}},
    {"BirthDateMissing", [](EebRecord& r) { r.geburtsdatum = ""; }, {9}},
    {"BirthDateTooLong", [](EebRecord& r) { r.geburtsdatum = "12.08.19640"; }, {10}},
    {"PatientPostalCodeMissing", [](EebRecord& r) { r.adresse.postleitzahl = ""; }, {11}},
    {"InsuranceNumberOfNineCharacters", [](EebRecord& r) { r.versichertenid = "A12345678"; }, {12}},
    {"InsuranceNumberOfTenCharacters", [](EebRecord& r) { r.versichertenid = "A123456789"; }, {}},
    {"KnownPatientStillNeedsNames", [](EebRecord& r) {
         r.versichertenid = "A123456789";
         r.vorname = "";
         r.adresse.postleitzahl = "";
     }, {7, 11}},
    {"NoPracticeNumber", [](EebRecord& r) { r.betriebsstaettennummer = ""; }, {13}},
    {"UnknownCustodianType", [](EebRecord& r) { r.custodiantype = "BSNR"; }, {13}},
    {"SiteNumberCounts", [](EebRecord& r) { r.custodiantype = "snr"; }, {}},
    {"PracticeCountryUnknown", [](EebRecord& r) { r.praxisadresse.wohnsitzlaenderkuerzel = "DE"; }, {14}},
    {"PracticeCountryOfNewerTable", [](EebRecord& r) { r.praxisadresse.wohnsitzlaenderkuerzel = "AU"; }, {}},
    {"PracticeCountryEmpty", [](EebRecord& r) { r.praxisadresse.wohnsitzlaenderkuerzel = ""; }, {}},
    {"PracticePostalCodeMissing", [](EebRecord& r) { r.praxisadresse.postleitzahl = ""; }, {15}},
    {"PracticeCityMissing", [](EebRecord& r) { r.praxisadresse.ortsname = ""; }, {16}},
    {"PracticeStreetMissing", [](EebRecord& r) { r.praxisadresse.strassenname = ""; }, {17}},
    {"PracticeHouseNumberMissing", [](EebRecord& r) { r.praxisadresse.hausnummer = ""; }, {18}},
    {"NoContactData", [](EebRecord& r) {
         r.telefonnummer = "";
         r.faxnummer = " ";
         r.email = "";
     }, {19}},
    {"OneContactOfThreeIsEnough", [](EebRecord& r) {
         r.telefonnummer = "";
         r.faxnummer = "";
         r.email = "a";
     }, {}},
    {"EmptyRecord", [](EebRecord& r) { r = EebRecord(); },
     {1, 2, 4, 5, 6, 7, 8, 9, 11, 13, 15, 16, 17, 18, 19}},
};

class EebChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(EebChecks, GiveTheirMessagesInOrder) {
    EebRecord record = eebsamples::fullPatient();
    GetParam().edit(record);
    HostString document;
    HostString messages("kept");
    const std::int32_t code = TevoCreateEEBAnfrageBundle(&record, &document, &messages);
    std::string expected;
    for (int check : GetParam().checks) {
        expected += std::string(expected.empty() ? "" : "\n") + kMessages[check];
    }
    if (GetParam().checks.empty()) {
        EXPECT_EQ(code, 0);
        EXPECT_EQ(messages.str(), "kept");
        EXPECT_FALSE(document.IsEmpty());
    } else {
        EXPECT_EQ(code, -1);
        EXPECT_EQ(messages.str(), expected);
        EXPECT_TRUE(document.IsEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Records, EebChecks, testing::ValuesIn(kCases), tevo::test::CaseName());

TEST(EebChecksNullRecord, CountsAsEmpty) {
    HostString messages;
    EXPECT_EQ(TevoCreateEEBAnfrageBundle(nullptr, nullptr, &messages), -1);
    EXPECT_EQ(std::count(messages.str().begin(), messages.str().end(), '\n'), 14);
}

}  // namespace
