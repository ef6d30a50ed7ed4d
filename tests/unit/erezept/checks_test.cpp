// The prescription checks: one table per version of record edits and the
// exact messages (code page 1252 bytes, typed independently of the
// implementation) they must produce, and the 1.3.2 differences side by side.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conformance/erezeptSamples.h"
#include "support/CaseName.h"
#include "usecases/erezept/checks.h"
#include "usecases/erezept/convert.h"

namespace {

using tevo::ProfileVersion;

constexpr const char* kHotline = " Bitte wenden Sie sich an die Tevo-Hotline.";
constexpr const char* kCheckPrescription = " Bitte pr\xFC" "fen Sie die Angaben zum E-Rezept.";

std::string hotline(const std::string& text) { return text + kHotline; }
std::string prescriptionText(const std::string& text) { return text + kCheckPrescription; }

struct CheckCase {
    const char* name;
    void (*edit)(ERezeptRecord&);
    std::vector<std::string> v110;  // expected messages of 1.1.0
    std::vector<std::string> v132;  // expected messages of 1.3.2
};

std::vector<std::string> messagesOf(ERezeptRecord record, ProfileVersion version) {
    std::vector<std::string> texts;
    for (const HostString& message : fhir::runERezeptChecks(fhir::convertERezeptRecord(record, version), version)) {
        texts.push_back(message.str());
    }
    return texts;
}

std::string countryMessage(const std::string& code) {
    return "Der Wohnsitzl\xE4ndercode der Versichertenanschrift \"" + code +
           "\" entspricht nicht den gesetzlichen Vorgaben. Bitte korrigieren Sie das L\xE4nderkennzeichen in der "
           "Anschrift des Patienten auf \"D\".";
}

const std::string kTeamInvalid =
    "Die ASV-Teamnummer der ausstellenden/verschreibenden Person ist ung\xFCltig. Bitte pr\xFC" "fen Sie die "
    "Praxisinhaber- und Behandlereinstellungen.";
const std::string kResponsibleNotAllowed =
    "Die verantwortliche Person darf nur vorhanden sein, wenn der Typ der ausstellenden/verschreibenden Person "
    "\"Arzt in Weiterbildung\" oder \"Arzt als Vertreter\" ist.";
const std::string kResponsibleType =
    "Der Typ der verantwortlichen Person darf nicht Hebamme oder Arzt in Weiterbildung sein. Bitte pr\xFC" "fen Sie "
    "bei der verantwortlichen Person die Qualifikation im Behandlerstamm.";
const std::string kResponsibleJobTitle =
    "Die Berufsbezeichnung der verantwortlichen Person ist nicht vorhanden. Bitte pr\xFC" "fen Sie die "
    "Personalstammdaten.";
const std::string kNumeratorNotAllowed =
    "Der Z\xE4hler der Mehrfachverordnung darf nur bei einer Mehrfachverordnung vorhanden sein. Bitte pr\xFC" "fen "
    "Sie die Angaben zur Mehrfachverordnung.";
const std::string kEndNotAllowed =
    "Das Ende der Einl\xF6sefrist darf nur bei einer Mehrfachverordnung vorhanden sein. Bitte pr\xFC" "fen Sie die "
    "Angaben zur Mehrfachverordnung.";
const std::vector<std::string> kSupplyFlags = {"Bei Sprechstundenbedarf darf die Kennzeichnung, ob diese Verordnung auch w\xE4hrend der allgemeinen "
      "Ladenschlusszeiten beliefert werden soll, nicht gesetzt werden. Bitte pr\xFC" "fen Sie die Angaben zur "
      "Verordnung.",
      "Bei Sprechstundenbedarf darf die Kennzeichnung, ob diese Verordnung f\xFCr Anspruchsberechtigte nach dem "
      "Bundesentsch\xE4" "digungsgesetz (BEG) oder f\xFCr Anspruchsberechtigte nach dem Bundesversorgungsgesetz (BVG) "
      "erfolgt, nicht gesetzt werden. Bitte pr\xFC" "fen Sie die Angaben zur Verordnung.",
      "Bei Sprechstundenbedarf darf die Kennzeichnung, ob es sich bei der Verordnung um eine Mehrfachverordnung "
      "handelt, nicht gesetzt werden. Bitte pr\xFC" "fen Sie die Angaben zur Verordnung."};
const std::string kWrongPayerFor2 = hotline("Der Kostentr\xE4gertyp muss entweder BG oder UK sein.");
const std::string kPackages = prescriptionText(
    "Die Anzahl der verordneten Packungen ist ung\xFCltig. Sie muss numerisch und maximal 6-stellig sein.");
const std::string kOneMedication = prescriptionText("Es muss genau 1 Medikament vorhanden sein.");

const CheckCase kCases[] = {
    {"SamplePasses", [](ERezeptRecord&) {}, {}, {}},
    {"PrescriptionId21", [](ERezeptRecord& r) { r.dokumenteninformationen.prescriptionid = "160.100.000.000.006.2"; },
     {hotline("Die Dokumenten-ID ist ung\xFCltig.")}, {hotline("Die Dokumenten-ID ist ung\xFCltig.")}},
    {"PayerTypeLowerCase",
     [](ERezeptRecord& r) { r.empfaenger.kostentraegertyp = "gkv"; },
     // Without a payer type neither the co-payment nor the insured numbers are required.
     {hotline("Der Kostentr\xE4gertyp ist nicht vorhanden.")},
     {hotline("Der Kostentr\xE4gertyp ist nicht vorhanden.")}},
    {"WorkAccidentWithGkv",
     [](ERezeptRecord& r) {
         r.empfaenger.unfallkennzeichen = "2";
         r.empfaenger.unfalltag = "20240301";
         r.empfaenger.nameunfallbetrieb = "Betrieb";
     },
     {kWrongPayerFor2},
     {prescriptionText("Bei der Angabe Arbeitsunfall (Berufsgenossenschaft/Unfallkasse) muss der Kostentr\xE4gertyp "
                       "entweder BG oder UK sein.")}},
    {"AccidentWithBg",
     [](ERezeptRecord& r) {
         r.empfaenger.kostentraegertyp = "BG";
         r.empfaenger.ikkostentrager = "120391764";
         r.empfaenger.unfallkennzeichen = "1";
     },
     {hotline("Der Kostentr\xE4gertyp darf nicht BG oder UK sein."),
      hotline("Der Unfalltag ist nicht vorhanden.")},
     {prescriptionText("Der Kostentr\xE4gertyp darf nicht BG oder UK sein, wenn kein Arbeitsunfall oder "
                       "Berufskrankheit ausgew\xE4hlt ist."),
      prescriptionText("Sie haben einen Unfall ausgew\xE4hlt, aber keinen Unfalltag eingetragen.")}},
    {"AccidentDayAfterIssue",
     [](ERezeptRecord& r) {
         r.empfaenger.unfallkennzeichen = "1";
         r.empfaenger.unfalltag = "20991231";
     },
     {},
     {"Der Unfalltag darf nicht nach dem Ausstellungsdatum liegen. Bitte pr\xFC" "fen Sie die Eingaben."}},
    {"SupplyWithAllFlags",
     [](ERezeptRecord& r) {
         r = erezeptsamples::practiceSupply(r.verordnung.ausstellungsdatum.GetString());
         r.verordnung.noctucitu = true;
         r.verordnung.bvg = true;
         r.verordnung.kennzeichenmehrfachverordnung = true;
         r.verordnung.zaehlermehrfachverordnung = 1;
         r.verordnung.nennermehrfachverordnung = 2;
         r.verordnung.beginnmehrfachverordnung = "20240301";
         r.verordnung.idmehrfachverordnung = "3f2504e0-4f89-11d3-9a0c-0305e82c3301";
     },
     kSupplyFlags, kSupplyFlags},
    {"PackagesZero", [](ERezeptRecord& r) { r.verordnung.anzahlpackungen = "0"; }, {kPackages}, {kPackages}},
    {"PackagesNotNumeric", [](ERezeptRecord& r) { r.verordnung.anzahlpackungen = "abc"; }, {kPackages}, {kPackages}},
    {"PackagesSevenDigits", [](ERezeptRecord& r) { r.verordnung.anzahlpackungen = "1234567"; }, {kPackages},
     {kPackages}},
    {"PackagesTwelve", [](ERezeptRecord& r) { r.verordnung.anzahlpackungen = "12"; }, {}, {}},
    {"PznAndFreeText", [](ERezeptRecord& r) { r.verordnung.freitextverordnung = "Metformin"; }, {kOneMedication},
     {kOneMedication}},
    {"NoMedication",
     [](ERezeptRecord& r) {
         r.verordnung.fertigarzneimittel = ERezeptFinishedProduct();
         r.verordnung.darreichungsformkodiert = "";
     },
     {hotline("Die Kategorie der Verordnung ist nicht vorhanden."), kOneMedication},
     {hotline("Die Kategorie der Verordnung ist nicht vorhanden."), kOneMedication}},
    {"SecondComponentWithoutQuantity",
     [](ERezeptRecord& r) {
         r = erezeptsamples::compoundingPrescription(r.verordnung.ausstellungsdatum.GetString());
         r.verordnung.bestandteile.insert(r.verordnung.bestandteile.begin() + 1,
                                         erezeptsamples::component("Wasser", "", "", ""));
     },
     {prescriptionText("Entweder m\xFCssen die Menge und Einheit des 2. Bestandteils der Rezeptur als Freitext oder "
                       "getrennt angegeben werden.")},
     {prescriptionText("Entweder m\xFCssen die Menge und Einheit des 2. Bestandteils der Rezeptur als Freitext oder "
                       "getrennt angegeben werden.")}},
    {"UnknownCountry",
     [](ERezeptRecord& r) { r.versicherter.strassenadresse.wohnsitzlaendercode = "XX"; },
     {countryMessage("XX")}, {countryMessage("XX")}},
    // 1.1.0 knows every code of the newer table but "SWZ".
    {"CountrySwz", [](ERezeptRecord& r) { r.versicherter.strassenadresse.wohnsitzlaendercode = "SWZ"; },
     {countryMessage("SWZ")}, {}},
    {"CountryAu", [](ERezeptRecord& r) { r.versicherter.strassenadresse.wohnsitzlaendercode = "AU"; }, {}, {}},
    {"NoAddressWithInsuredNumber",
     [](ERezeptRecord& r) { r.versicherter.strassenadresse = ERezeptStreetAddress(); },
     {"F\xFCr den Versicherten ist keine Adresse vorhanden. Bitte pr\xFC" "fen Sie die Eingaben zum "
      "Versicherungsverh\xE4ltnis."},
     {"F\xFCr den Versicherten ist keine Adresse vorhanden. Bitte pr\xFC" "fen Sie die Eingaben zum "
      "Versicherungsverh\xE4ltnis.",
      "Es ist weder eine Stra\xDF" "enadresse noch eine Postfachanschrift (mit Postleitzahl) des Versicherten "
      "angegeben. Bitte pr\xFC" "fen Sie die Eingaben zum Versicherungsverh\xE4ltnis."}},
    {"AsvLegalBasisWithoutTeam",
     [](ERezeptRecord& r) { r.empfaenger.kennzeichenrechtsgrundlage = "11"; },
     {},
     {"ASV-Fall, aber keine ASV-Teamnummer der ausstellenden/verschreibenden Person vorhanden. Bitte pr\xFC" "fen "
      "Sie die Praxisinhaber- und Behandlereinstellungen."}},
    {"TeamWithoutAsvCase", [](ERezeptRecord& r) { r.person.asvteamnummer = "12345678"; },
     {kTeamInvalid},
     {"Kein ASV-Fall, trotzdem wird eine ASV-Teamnummer der ausstellenden/verschreibenden Person \xFC" "bermittelt. "
      "Bitte wenden Sie sich an die Hotline.",
      kTeamInvalid}},
    {"ResponsibleForPhysician",
     [](ERezeptRecord& r) {
         r.verantwortlichePerson = erezeptsamples::physician();
         r.verantwortlichePerson.typ = "02";
         r.verantwortlichePerson.berufsbezeichnung = "";
     },
     {kResponsibleNotAllowed, kResponsibleType, kResponsibleJobTitle},
     {kResponsibleNotAllowed, kResponsibleType, kResponsibleJobTitle}},
    {"FinishedProductWithoutIngredients",
     [](ERezeptRecord& r) { r.verordnung.fertigarzneimittel.wirkstoffe.clear(); },
     {},
     {"Es ist kein Wirkstoff des Fertigarzneimittels eingetragen. Bitte pr\xFC" "fen Sie die Angaben zum E-Rezept "
      "bzw. zum Fertigarzneimittel."}},
    {"IngredientEntryIncomplete",
     [](ERezeptRecord& r) {
         ERezeptIngredient& i = r.verordnung.fertigarzneimittel.wirkstoffe.front();
         i.wirkstaerkeneinheit = "";
         i.bezugsmenge = "1234567890123456";
     },
     {},
     {"Die Wirkst\xE4rkeneinheit des 1. Wirkstoffs (Sitagliptin) ist nicht vorhanden. Bitte pr\xFC" "fen Sie die "
      "Angaben zum E-Rezept bzw. zum Fertigarzneimittel.",
      "Der Bezugsmengenwert (1234567890123456) des 1.Wirkstoffs (Sitagliptin) ist zu lang. Es d\xFCrfen maximal 15 "
      "Zeichen verwendet werden. Bitte pr\xFC" "fen Sie die Angaben zum E-Rezept bzw.zum Fertigarzneimittel."}},
    {"TradeNameOf60",
     [](ERezeptRecord& r) { r.verordnung.fertigarzneimittel.handelsname = HostString(std::string(60, 'x')); },
     {prescriptionText("Der Handelsname des Fertigarzneimittels ist zu lang. Es d\xFCrfen maximal 50 Zeichen "
                       "verwendet werden.")},
     {}},
    {"PracticeNumbersFirstFailureEndsGroup",
     [](ERezeptRecord& r) { r.institution.betriebsstaettennummer = "12345"; },
     {"Die Betriebsst\xE4ttennummer ist ung\xFCltig. Bitte pr\xFC" "fen Sie die Praxisinhabereinstellungen."},
     {"Die Betriebsst\xE4ttennummer ist ung\xFCltig. Bitte pr\xFC" "fen Sie die Praxisinhabereinstellungen."}},
    {"NotMultipleButNumbered",
     [](ERezeptRecord& r) {
         r.verordnung.zaehlermehrfachverordnung = 1;
         r.verordnung.endemehrfachverordnung = "20240601";
     },
     {kNumeratorNotAllowed, kEndNotAllowed}, {kNumeratorNotAllowed, kEndNotAllowed}},
};

class ERezeptChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(ERezeptChecks, Version110) {
    ERezeptRecord record = erezeptsamples::pznPrescription(erezeptsamples::kDate110);
    GetParam().edit(record);
    EXPECT_EQ(messagesOf(record, ProfileVersion::V1_1), GetParam().v110);
}

TEST_P(ERezeptChecks, Version132) {
    ERezeptRecord record = erezeptsamples::pznPrescription(erezeptsamples::kDate132);
    GetParam().edit(record);
    EXPECT_EQ(messagesOf(record, ProfileVersion::V1_2), GetParam().v132);
}

INSTANTIATE_TEST_SUITE_P(Rows, ERezeptChecks, testing::ValuesIn(kCases), tevo::test::CaseName());

TEST(ERezeptChecksEmptyRecord, ReportsWithoutThrowing) {
    for (ProfileVersion version : {ProfileVersion::V1_1, ProfileVersion::V1_2}) {
        const std::vector<std::string> messages = messagesOf(ERezeptRecord(), version);
        EXPECT_GT(messages.size(), 10u);
        EXPECT_EQ(messages.front(), hotline("Die Dokumenten-ID ist ung\xFCltig."));
    }
}

}  // namespace
