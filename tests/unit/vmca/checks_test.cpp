// The checks of the appointment-service request as one table: a change to a
// passing sample, and every message it must give, in order, as the code-page
// 1252 bytes the host receives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conformance/vmcaSamples.h"
#include "support/CaseName.h"
#include "tevofhir/tevo.h"

namespace {

// Suffixes the patient messages share, in code page 1252.
const std::string kCheckInsurance = " Bitte pr\xFC" "fen Sie die Eingaben zum Versicherungsverh\xE4ltnis.";
const std::string kHotline = " Bitte wenden Sie sich an die Tevo-Hotline.";

std::string chars(int count, char c = 'a') { return std::string(static_cast<std::size_t>(count), c); }

struct CheckCase {
    const char* name;
    void (*change)(VmcaRecord&);
    std::vector<std::string> messages;
    VmcaRecord (*sample)() = vmcasamples::requestWithPatient;
};

const CheckCase kCases[] = {
    {"complete_request_passes", [](VmcaRecord&) {}, {}},
    {"request_without_patient_passes", [](VmcaRecord&) {}, {}, vmcasamples::ptv11WithoutPatient},

    // Request.
    {"empty_bsnr", [](VmcaRecord& r) { r.bsnr = ""; }, {"Die BSNR ist ung\xFCltig." + kHotline}},
    {"bsnr_of_ten", [](VmcaRecord& r) { r.bsnr = "0312345678"; }, {"Die BSNR ist ung\xFCltig." + kHotline}},
    {"bsnr_blanks_are_trimmed", [](VmcaRecord& r) { r.bsnr = "  031234567 "; }, {}},
    {"ptv11_routine",
     [](VmcaRecord& r) { r.dringlichkeit = "routine"; },
     {"Die Dringlichkeit f\xFCr PTV 11 muss entweder \"dringend\" oder nicht vorhanden sein."},
     vmcasamples::ptv11WithoutPatient},
    {"ptv11_urgent", [](VmcaRecord& r) { r.dringlichkeit = "urgent"; }, {}, vmcasamples::ptv11WithoutPatient},
    {"routine_without_ptv11", [](VmcaRecord& r) { r.dringlichkeit = "routine"; }, {}},
    {"unknown_urgency_without_ptv11", [](VmcaRecord& r) { r.dringlichkeit = "sofort"; }, {}},
    {"only_fine_specialty_and_group",
     [](VmcaRecord& r) {
         r.fachgebietGrob = "";
         r.zusatzbezeichnung = "";
         r.dringlichkeit = "";
     },
     {"Es ist kein Leistungsmerkmal vorhanden."}},
    {"probatory_service_alone_is_a_feature",
     [](VmcaRecord& r) {
         r.ptv11Leistung1 = "";
         r.ptv11Leistung2 = "";
     },
     {},
     vmcasamples::ptv11WithoutPatient},

    // Referring doctor.
    {"no_referrer",
     [](VmcaRecord& r) {
         r.ueberweiserLanr = "";
         r.ueberweiserVorname = " ";
         r.ueberweiserNachname = "";
     },
     {"Der \xFC" "berweisende Arzt ist nicht vorhanden."}},
    {"referrer_without_lanr", [](VmcaRecord& r) { r.ueberweiserLanr = ""; },
     {"Die LANR des \xFC" "berweisenden Arztes ist nicht vorhanden."}},
    {"lanr_of_eight", [](VmcaRecord& r) { r.ueberweiserLanr = "83838220"; },
     {"Die LANR des \xFC" "berweisenden Arztes ist ung\xFCltig." + kHotline}},
    {"referrer_without_given_name", [](VmcaRecord& r) { r.ueberweiserVorname = ""; },
     {"Der Vorname des \xFC" "berweisenden Arztes is nicht vorhanden."}},
    {"referrer_given_name_of_81", [](VmcaRecord& r) { r.ueberweiserVorname = chars(81).c_str(); },
     {"Der Vorname des \xFC" "berweisenden Arztes ist zu lang." + kHotline}},
    {"referrer_without_family_name", [](VmcaRecord& r) { r.ueberweiserNachname = ""; },
     {"Der Nachname des \xFC" "berweisenden Arztes ist nicht vorhnaden."}},
    {"referrer_family_name_of_81", [](VmcaRecord& r) { r.ueberweiserNachname = chars(81).c_str(); },
     {"Der Nachname des \xFC" "berweisenden Arztes ist zu lang." + kHotline}},
    {"umlauts_count_one_character_each", [](VmcaRecord& r) { r.ueberweiserNachname = chars(80, '\xFC').c_str(); },
     {}},

    // When the patient is not checked.
    {"patient_not_sent",
     [](VmcaRecord& r) {
         r.withPatient = false;
         r.patient.gkvVersichertennummer = "1";
         r.patient.vorname = "";
     },
     {}},
    {"patient_block_with_own_name_and_telephones_only",
     [](VmcaRecord& r) {
         VmcaPatient patient;
         patient.hauptteilnachname = "Musterfrau";
         patient.telefon1 = "030 1234567";
         r.patient = patient;
     },
     {}},

    // Patient.
    {"no_insurance_number",
     [](VmcaRecord& r) {
         r.patient.gkvVersichertennummer = "";
         r.patient.kvkVersichertennummer = "";
     },
     {"Der Patient hat weder eine GKV- noch eine KVK-Versichertennummer." + kHotline}},
    {"gkv_number_of_nine", [](VmcaRecord& r) { r.patient.gkvVersichertennummer = "A12345678"; },
     {"Die GKV Versichertennummer ist ung\xFCltig." + kHotline}},
    {"kvk_number_of_five", [](VmcaRecord& r) { r.patient.kvkVersichertennummer = "12345"; },
     {"Die KVK Versichertennummer ist ung\xFCltig." + kHotline}},
    {"kvk_number_of_thirteen", [](VmcaRecord& r) { r.patient.kvkVersichertennummer = chars(13, '1').c_str(); },
     {"Die KVK Versichertennummer ist ung\xFCltig." + kHotline}},
    {"kvk_number_of_twelve_alone_passes",
     [](VmcaRecord& r) {
         r.patient.gkvVersichertennummer = "";
         r.patient.kvkVersichertennummer = chars(12, '1').c_str();
     },
     {}},
    {"no_given_name", [](VmcaRecord& r) { r.patient.vorname = ""; },
     {"Der Vorname des Versicherten ist nicht vorhanden." + kCheckInsurance}},
    {"given_name_of_46", [](VmcaRecord& r) { r.patient.vorname = chars(46).c_str(); },
     {"Der Vorname des Versicherten ist zu lang. Es d\xFCrfen maximal 45 Zeichen verwendet werden." +
      kCheckInsurance}},
    {"no_family_name", [](VmcaRecord& r) { r.patient.nachname = ""; },
     {"Der Nachname des Versicherten ist nicht vorhanden." + kCheckInsurance}},
    {"name_parts_of_21",
     [](VmcaRecord& r) {
         r.patient.titel = chars(21).c_str();
         r.patient.namenszusatz = chars(21).c_str();
         r.patient.vorsatzwort = chars(21).c_str();
     },
     {"Der Titel des Versicherten ist zu lang. Es d\xFCrfen maximal 20 Zeichen verwendet werden." + kCheckInsurance,
      "Der Namenszusatz des Versicherten ist zu lang. Es d\xFCrfen maximal 20 Zeichen verwendet werden." +
          kCheckInsurance,
      "Das Vorsatzwort des Versicherten ist zu lang. Es d\xFCrfen maximal 20 Zeichen verwendet werden." +
          kCheckInsurance}},
    {"no_birth_date", [](VmcaRecord& r) { r.patient.geburtsdatum = ""; },
     {"Das Geburtsdatum des Versicherten ist nicht vorhanden." + kCheckInsurance}},
    {"birth_date_of_three", [](VmcaRecord& r) { r.patient.geburtsdatum = "196"; },
     {"Das Geburtsdatum des Versicherten ist ung\xFCltig." + kCheckInsurance}},
    {"birth_date_of_eleven", [](VmcaRecord& r) { r.patient.geburtsdatum = "1964-08-120"; },
     {"Das Geburtsdatum des Versicherten ist ung\xFCltig." + kCheckInsurance}},
    {"birth_year_alone_passes", [](VmcaRecord& r) { r.patient.geburtsdatum = "1964"; }, {}},
    {"no_gender", [](VmcaRecord& r) { r.patient.geschlecht = ""; },
     {"Das Geschlecht des Versicherten ist nicht vorhanden." + kCheckInsurance}},
    {"no_telephone",
     [](VmcaRecord& r) {
         r.patient.telefon1 = "";
         r.patient.telefon2 = "";
     },
     {"Es ist keine Telefonnummer f\xFCr den Patienten vorhanden." + kCheckInsurance}},

    // Street address.
    {"street_address_with_city_only",
     [](VmcaRecord& r) {
         r.patient.strassenadresse = VmcaStreetAddress();
         r.patient.strassenadresse.ortsname = "Berlin";
     },
     {"Der Wohnsitzl\xE4ndercode der Versichertenanschrift ist nicht vorhanden." + kCheckInsurance}},
    {"street_address_too_long_everywhere",
     [](VmcaRecord& r) {
         r.patient.strassenadresse.postleitzahl = "101170";
         r.patient.strassenadresse.ortsname = chars(41).c_str();
         r.patient.strassenadresse.strassenname = chars(47).c_str();
         r.patient.strassenadresse.hausnummer = chars(10, '1').c_str();
         r.patient.strassenadresse.anschriftenzusatz = chars(41).c_str();
     },
     {"Die Postleitzahl der Versichertenanschrift ist ung\xFCltig." + kCheckInsurance,
      "Der Ortsname der Versichertenanschrift ist zu lang. Es d\xFCrfen maximal 40 Zeichen verwendet werden." +
          kCheckInsurance,
      "Der Stra\xDF" "enname der Versichertenanschrift ist zu lang. Es d\xFCrfen maximal 46 Zeichen verwendet werden." +
          kCheckInsurance,
      "Die Hausnummer der Versichertenanschrift ist zu lang. Es d\xFCrfen maximal 9 Zeichen verwendet werden." +
          kCheckInsurance,
      "Der Anschriftenzusatz der Versichertenanschrift ist zu lang. Es d\xFCrfen maximal 40 Zeichen verwendet "
      "werden." + kCheckInsurance}},
    {"street_address_without_city", [](VmcaRecord& r) { r.patient.strassenadresse.ortsname = ""; },
     {"Bitte \xFC" "berpr\xFC" "fen Sie die Anschrift des Patienten im Versichertenstamm und korrigieren Sie die "
      "Angaben."}},

    // Post-box address.
    {"post_box_address_with_box_only",
     [](VmcaRecord& r) {
         r.patient.postfachanschrift = VmcaPostBoxAddress();
         r.patient.postfachanschrift.postfach = "123456";
     },
     {"Der Wohnsitzl\xE4ndercode der Versicherten-Postfachanschrift ist nicht vorhanden." + kCheckInsurance,
      "Bitte \xFC" "berpr\xFC" "fen Sie die Postfachanschrift des Patienten im Versichertenstamm und korrigieren Sie "
      "die Angaben."}},
    {"post_box_address_too_long_everywhere",
     [](VmcaRecord& r) {
         r.patient.postfachanschrift.postleitzahl = "100010";
         r.patient.postfachanschrift.ortsname = chars(41).c_str();
         r.patient.postfachanschrift.postfach = chars(9, '1').c_str();
     },
     {"Die Postleitzahl der Versicherten-Postfachanschrift ist ung\xFCltig." + kCheckInsurance,
      "Der Ortsname der Versicherten-Postfachanschrift ist zu lang. Es d\xFCrfen maximal 40 Zeichen verwendet "
      "werden." + kCheckInsurance,
      "Das Postfach der Versicherten-Postfachanschrift  ist zu lang. Es d\xFCrfen maximal 8 Zeichen verwendet "
      "werden." + kCheckInsurance}},
    {"post_box_address_without_box", [](VmcaRecord& r) { r.patient.postfachanschrift.postfach = ""; },
     {"Bitte \xFC" "berpr\xFC" "fen Sie die Postfachanschrift des Patienten im Versichertenstamm und korrigieren Sie "
      "die Angaben."}},

    // Several at once keep the check order.
    {"request_and_patient_faults_in_order",
     [](VmcaRecord& r) {
         r.patient.geschlecht = "";
         r.bsnr = "";
         r.ueberweiserVorname = "";
     },
     {"Die BSNR ist ung\xFCltig." + kHotline, "Der Vorname des \xFC" "berweisenden Arztes is nicht vorhanden.",
      "Das Geschlecht des Versicherten ist nicht vorhanden." + kCheckInsurance}},
};

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
}

class VmcaChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(VmcaChecks, GiveExactlyTheseMessages) {
    VmcaRecord record = GetParam().sample();
    GetParam().change(record);
    HostString document("untouched");
    HostString messages("untouched");
    const std::int32_t code = TevoCreateVMCA_REQUEST(&record, &document, &messages);
    if (GetParam().messages.empty()) {
        EXPECT_EQ(code, 0);
        EXPECT_EQ(messages.str(), "untouched");
    } else {
        EXPECT_EQ(code, -1);
        EXPECT_EQ(messages.str(), joined(GetParam().messages));
        EXPECT_EQ(document.str(), "untouched");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, VmcaChecks, testing::ValuesIn(kCases), tevo::test::CaseName());

TEST(VmcaChecksRecord, AnEmptyRecordNamesTheMissingRequestParts) {
    VmcaRecord record;
    HostString messages;
    HostString document;
    EXPECT_EQ(TevoCreateVMCA_REQUEST(nullptr, &document, &messages), -1);
    EXPECT_EQ(messages.str(), joined({"Die BSNR ist ung\xFCltig." + kHotline, "Es ist kein Leistungsmerkmal vorhanden.",
                                      "Der \xFC" "berweisende Arzt ist nicht vorhanden."}));
    EXPECT_EQ(TevoCreateVMCA_REQUEST(&record, nullptr, nullptr), -1);
}

}  // namespace
