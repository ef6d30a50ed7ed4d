// The bonus-booklet checks as one table: an edit of a valid entry and the
// exact messages (code page 1252 bytes) it must produce, in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "conformance/zaebSamples.h"
#include "support/CaseName.h"
#include "tevofhir/tevo.h"

namespace {

struct CheckCase {
    const char* name;
    void (*edit)(ZaebRecord&);
    std::vector<std::string> messages;
};

const std::string kUngueltig = "ung\xFCltig.";
const std::string kPraxisinhaber = " Bitte pr\xFC" "fen Sie die Praxisinhabereinstellungen.";

const CheckCase kCases[] = {
    {"ValidEntry", [](ZaebRecord&) {}, {}},
    {"NoInsuranceNumber", [](ZaebRecord& r) { r.patient.insuranceNumber.clear(); },
     {"Die Versichertennummer ist nicht vorhanden."}},
    {"BlankGivenName", [](ZaebRecord& r) { r.patient.givenName = "   "; },
     {"Der Vorname des Versicherten ist nicht vorhanden."}},
    // Cut to 45 characters before the check, so never too long.
    {"GivenNameOf50IsCutSilently", [](ZaebRecord& r) { r.patient.givenName = std::string(50, 'a'); }, {}},
    {"NoFamilyName", [](ZaebRecord& r) { r.patient.familyName.clear(); },
     {"Der Nachname des Versicherten ist nicht vorhanden."}},
    {"FamilyNameOf60IsAccepted", [](ZaebRecord& r) { r.patient.familyName = std::string(60, 'b'); }, {}},
    {"NoBirthDate", [](ZaebRecord& r) { r.patient.birthDate.clear(); },
     {"Das Geburtsdatum des Versicherten ist nicht vorhanden."}},
    {"BirthDateTooShort", [](ZaebRecord& r) { r.patient.birthDate = "198"; },
     {"Der Geburtsdatum des Versicherten ist " + kUngueltig}},
    {"BirthDateTooLong", [](ZaebRecord& r) { r.patient.birthDate = "1978-05-23T"; },
     {"Der Geburtsdatum des Versicherten ist " + kUngueltig}},
    {"NoPatientPostalCode", [](ZaebRecord& r) { r.patient.address.postalCode.clear(); },
     {"Die Versichertenanschrift ist nicht vorhanden.",
      "Die Postleitzahl der Versichertenanschrift ist nicht vorhanden."}},
    {"NoPatientCountry", [](ZaebRecord& r) { r.patient.address.countryCode.clear(); },
     {"Der L\xE4ndercode der Versichertenanschrift ist nicht vorhanden."}},
    {"PatientCityAndStreetMayBeMissing",
     [](ZaebRecord& r) {
         r.patient.address.city.clear();
         r.patient.address.street.clear();
         r.patient.address.houseNumber.clear();
     },
     {}},
    {"NoPracticeNumber", [](ZaebRecord& r) { r.practice.kzvNumber.clear(); },
     {"Die Betriebsst\xE4ttennummer/KZV-Nummer ist nicht vorhanden." + kPraxisinhaber}},
    {"IkNumberAloneIsNoPracticeNumber",
     [](ZaebRecord& r) {
         r.practice.kzvNumber.clear();
         r.practice.ikNumber = "1";
     },
     {"Die Betriebsst\xE4ttennummer/KZV-Nummer ist nicht vorhanden." + kPraxisinhaber}},
    {"BadBsnrAndKzvNumber",
     [](ZaebRecord& r) {
         r.practice.bsnr = "12345678";
         r.practice.kzvNumber = "1234567890";
     },
     {"Die Betriebsst\xE4ttennummer ist " + kUngueltig + kPraxisinhaber,
      "Die KZV-Nummer ist " + kUngueltig + kPraxisinhaber}},
    // Numbers are taken over untrimmed.
    {"KzvNumberWithBlank", [](ZaebRecord& r) { r.practice.kzvNumber = "123456789 "; },
     {"Die KZV-Nummer ist " + kUngueltig + kPraxisinhaber}},
    {"NoPracticeName", [](ZaebRecord& r) { r.practice.name = " "; },
     {"Der Name der Betriebsst\xE4tte ist nicht vorhanden."}},
    {"EmptyPracticeAddress", [](ZaebRecord& r) { r.practice.address = ZaebAddress(); },
     {"Der L\xE4ndercode der Betriebsst\xE4tte ist nicht vorhanden.",
      "Die Postleitzahl der Betriebsst\xE4tte ist nicht vorhanden.",
      "Der Ortsname der Betriebsst\xE4tte ist nicht vorhanden.",
      "Der Stra\xDF" "enname der Betriebsst\xE4tte ist nicht vorhanden.",
      "Die Hausnummer der Betriebsst\xE4tte ist nicht vorhanden."}},
    {"ShortGaplessDocumentationDate", [](ZaebRecord& r) { r.gaplessDocumentationDate = "2019"; },
     {"Das Datum der l\xFC" "ckenlosen Dokumentation ist " + kUngueltig}},
    {"LongCheckUpDate", [](ZaebRecord& r) { r.checkUpDate = "2025-10-14T10:00"; },
     {"Das Datum der Untersuchung ist " + kUngueltig}},
    // Taken over untrimmed: the blank makes it another code.
    {"CheckUpCodeWithTrailingBlank", [](ZaebRecord& r) { r.checkUpCode = "2115003 "; },
     {"Die Untersuchung ist weder eine \"2115003 individualprophylaxe (Kind)\" noch eine \"63963009 "
      "Zahn\xE4rztliche Untersuchung (Erwachsen)\"."}},
    {"NeitherCheckUpNorGaplessDocumentation",
     [](ZaebRecord& r) {
         r.checkUpDate.clear();
         r.gaplessDocumentationDate.clear();
     },
     {"Es ist weder eine Untersuchung noch eine l\xFC" "ckenlosen Dokumentation vorhanden."}},
    {"EmptyRecord", [](ZaebRecord& r) { r = ZaebRecord(); },
     {"Die Versichertennummer ist nicht vorhanden.", "Der Vorname des Versicherten ist nicht vorhanden.",
      "Der Nachname des Versicherten ist nicht vorhanden.", "Das Geburtsdatum des Versicherten ist nicht vorhanden.",
      "Die Versichertenanschrift ist nicht vorhanden.",
      "Der L\xE4ndercode der Versichertenanschrift ist nicht vorhanden.",
      "Die Postleitzahl der Versichertenanschrift ist nicht vorhanden.",
      "Die Betriebsst\xE4ttennummer/KZV-Nummer ist nicht vorhanden." + kPraxisinhaber,
      "Der Name der Betriebsst\xE4tte ist nicht vorhanden.",
      "Der L\xE4ndercode der Betriebsst\xE4tte ist nicht vorhanden.",
      "Die Postleitzahl der Betriebsst\xE4tte ist nicht vorhanden.",
      "Der Ortsname der Betriebsst\xE4tte ist nicht vorhanden.",
      "Der Stra\xDF" "enname der Betriebsst\xE4tte ist nicht vorhanden.",
      "Die Hausnummer der Betriebsst\xE4tte ist nicht vorhanden.",
      "Es ist weder eine Untersuchung noch eine l\xFC" "ckenlosen Dokumentation vorhanden."}},
};

class ZaebChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(ZaebChecks, GiveExactlyTheMessagesInOrder) {
    ZaebRecord record = zaebsamples::both();
    GetParam().edit(record);
    ExportResult result;
    HostString messages("kept on success");
    const std::int32_t code = TevoCreateMIOZAEBBundle(&record, &result, &messages);

    if (GetParam().messages.empty()) {
        EXPECT_EQ(code, 0);
        EXPECT_EQ(messages.str(), "kept on success");
        EXPECT_FALSE(result.document.IsEmpty());
        return;
    }
    std::string expected;
    for (const std::string& message : GetParam().messages) {
        expected += (expected.empty() ? "" : "\n") + message;
    }
    EXPECT_EQ(code, -1);
    EXPECT_EQ(messages.str(), expected);
    EXPECT_TRUE(result.document.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Edits, ZaebChecks, testing::ValuesIn(kCases), tevo::test::CaseName());

TEST(ZaebCreation, WithoutRecordReportsTheChecksOfAnEmptyOne) {
    ExportResult result;
    HostString messages;
    EXPECT_EQ(TevoCreateMIOZAEBBundle(nullptr, &result, &messages), -1);
    EXPECT_EQ(std::count(messages.str().begin(), messages.str().end(), '\n'), 14);
    EXPECT_EQ(TevoCreateMIOZAEBBundle(nullptr, nullptr, nullptr), -1);
}

}  // namespace
