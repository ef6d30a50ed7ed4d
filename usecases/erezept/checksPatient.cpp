// Checks 30-51: the insured person and its addresses.
#include "usecases/erezept/checksCountry.h"
#include "usecases/erezept/checksTable.h"

namespace fhir::erezeptchecks {
namespace {

// Rows 30 to 40 are skipped for practice supply without a given name.
bool patientChecked(const ERezeptData& d) { return !supply(d) || present(d.insured.vorname); }

const shared::StreetAddressData& street(const ERezeptData& d) { return d.insured.strassenadresse; }
const shared::PostBoxAddressData& postBox(const ERezeptData& d) { return d.insured.postfachanschrift; }
bool streetGiven(const ERezeptData& d) { return present(street(d).postleitzahl); }
bool postBoxGiven(const ERezeptData& d) { return present(postBox(d).postleitzahl); }
bool domesticOrNoCountry(const std::string& code) { return code.empty() || code == "D"; }

}  // namespace

std::vector<RecordCheck> patientChecks() {
    return {
        {30, kBoth,
         [](const ERezeptData& d) {
             return patientChecked(d) && insuredPayer(d) && !present(d.insured.gkvNummer) &&
                    !present(d.insured.pkvNummer);
         },
         "Der Identifikator des Versicherten (Versichertennummer) ist nicht vorhanden. Bitte wenden Sie sich an die "
         "Tevo-Hotline.",
         nullptr},
        {31, kBoth,
         [](const ERezeptData& d) {
             return patientChecked(d) && insuredPayer(d) && presentWithBadLength(d.insured.gkvNummer, 10, 10);
         },
         "Die GKV-Versicherten-ID ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {32, kBoth,
         [](const ERezeptData& d) {
             return patientChecked(d) && insuredPayer(d) && presentWithBadLength(d.insured.pkvNummer, 10, 10);
         },
         "Die PKV-Versicherten-ID ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {33, kBoth, [](const ERezeptData& d) { return patientChecked(d) && !present(d.insured.vorname); },
         "Der Vorname des Versicherten ist nicht vorhanden. Bitte prüfen Sie die Eingaben zum "
         "Versicherungsverhältnis.",
         nullptr},
        {34, kBoth, [](const ERezeptData& d) { return patientChecked(d) && presentWithBadLength(d.insured.vorname, 1, 45); },
         "Der Vorname des Versicherten ist zu lang. Es dürfen maximal 45 Zeichen verwendet werden. Bitte prüfen Sie "
         "die Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {35, kBoth, [](const ERezeptData& d) { return patientChecked(d) && !present(d.insured.nachname); },
         "Der Nachname des Versicherten ist nicht vorhanden. Bitte prüfen Sie die Eingaben zum "
         "Versicherungsverhältnis.",
         nullptr},
        {36, kBoth,
         [](const ERezeptData& d) {
             return patientChecked(d) && present(d.insured.nachname) &&
                    !tevo::checkLength(d.insured.hauptteilnachname, 1, 45);
         },
         "Der Nachname des Versicherten ist zu lang. Es dürfen maximal 45 Zeichen verwendet werden. Bitte prüfen Sie "
         "die Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {37, kBoth, [](const ERezeptData& d) { return patientChecked(d) && presentWithBadLength(d.insured.titel, 1, 20); },
         "Der Titel des Versicherten ist zu lang. Es dürfen maximal 20 Zeichen verwendet werden. Bitte prüfen Sie die "
         "Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {38, kBoth,
         [](const ERezeptData& d) { return patientChecked(d) && presentWithBadLength(d.insured.namenszusatz, 1, 20); },
         "Der Namenszusatz des Versicherten ist zu lang. Es dürfen maximal 20 Zeichen verwendet werden. Bitte prüfen "
         "Sie die Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {39, kBoth,
         [](const ERezeptData& d) { return patientChecked(d) && presentWithBadLength(d.insured.vorsatzwort, 1, 20); },
         "Das Vorsatzwort des Versicherten ist zu lang. Es dürfen maximal 20 Zeichen verwendet werden. Bitte prüfen "
         "Sie die Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {40, kBoth,
         [](const ERezeptData& d) { return patientChecked(d) && presentWithBadLength(d.insured.geburtsdatum, 4, 10); },
         "Das Geburtsdatum des Versicherten ist ungültig. Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {41, kBoth, [](const ERezeptData& d) { return !streetGiven(d) && !postBoxGiven(d); },
         "Für den Versicherten ist keine Adresse vorhanden. Bitte prüfen Sie die Eingaben zum "
         "Versicherungsverhältnis.",
         nullptr},
        {41, kV132,
         [](const ERezeptData& d) {
             return !streetGiven(d) && !postBoxGiven(d) &&
                    (present(d.insured.gkvNummer) || present(d.insured.pkvNummer));
         },
         "Es ist weder eine Straßenadresse noch eine Postfachanschrift (mit Postleitzahl) des Versicherten angegeben. "
         "Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {42, kV110, [](const ERezeptData& d) { return streetGiven(d) && unknownCountry110(street(d).laendercode); },
         nullptr, insuredAddressCountryMessage},
        {42, kV132, [](const ERezeptData& d) { return streetGiven(d) && unknownCountry132(street(d).laendercode); },
         nullptr, insuredAddressCountryMessage},
        {43, kBoth,
         [](const ERezeptData& d) {
             return streetGiven(d) && insuredPayer(d) && domesticOrNoCountry(street(d).laendercode) &&
                    !tevo::checkLength(street(d).postleitzahl, 1, 10);
         },
         "Die Postleitzahl der Versichertenanschrift ist ungültig. Bitte prüfen Sie die Eingaben zum "
         "Versicherungsverhältnis.",
         nullptr},
        {44, kBoth, [](const ERezeptData& d) { return streetGiven(d) && presentWithBadLength(street(d).ortsname, 1, 40); },
         "Der Ortsname der Versichertenanschrift ist zu lang. Es dürfen maximal 40 Zeichen verwendet werden. Bitte "
         "prüfen Sie die Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {45, kBoth,
         [](const ERezeptData& d) { return streetGiven(d) && presentWithBadLength(street(d).strassenname, 1, 46); },
         "Der Straßenname der Versichertenanschrift ist zu lang. Es dürfen maximal 46 Zeichen verwendet werden. Bitte "
         "prüfen Sie die Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {46, kBoth, [](const ERezeptData& d) { return streetGiven(d) && presentWithBadLength(street(d).hausnummer, 1, 9); },
         "Die Hausnummer der Versichertenanschrift ist zu lang. Es dürfen maximal 9 Zeichen verwendet werden. Bitte "
         "prüfen Sie die Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {47, kBoth,
         [](const ERezeptData& d) { return streetGiven(d) && presentWithBadLength(street(d).anschriftenzusatz, 1, 40); },
         "Der Anschriftenzusatz der Versichertenanschrift ist zu lang. Es dürfen maximal 40 Zeichen verwendet werden. "
         "Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {48, kV110, [](const ERezeptData& d) { return postBoxGiven(d) && unknownCountry110(postBox(d).laendercode); },
         nullptr, insuredPostBoxCountryMessage},
        {48, kV132, [](const ERezeptData& d) { return postBoxGiven(d) && unknownCountry132(postBox(d).laendercode); },
         nullptr, insuredPostBoxCountryMessage},
        {49, kBoth,
         [](const ERezeptData& d) {
             return postBoxGiven(d) && insuredPayer(d) && domesticOrNoCountry(postBox(d).laendercode) &&
                    !tevo::checkLength(postBox(d).postleitzahl, 1, 10);
         },
         "Die Postleitzahl der Versicherten-Postfachanschrift ist ungültig. Bitte prüfen Sie die Eingaben zum "
         "Versicherungsverhältnis.",
         nullptr},
        // Wording of our own, in the form of row 44.
        {50, kBoth, [](const ERezeptData& d) { return postBoxGiven(d) && presentWithBadLength(postBox(d).ortsname, 1, 40); },
         "Der Ortsname der Versicherten-Postfachanschrift ist zu lang. Es dürfen maximal 40 Zeichen verwendet werden. "
         "Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {51, kBoth, [](const ERezeptData& d) { return postBoxGiven(d) && presentWithBadLength(postBox(d).postfach, 1, 8); },
         "Das Postfach der Versicherten-Postfachanschrift ist zu lang. Es dürfen maximal 8 Zeichen verwendet werden. "
         "Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis.",
         nullptr},
    };
}

}  // namespace fhir::erezeptchecks
