#include "usecases/miozaeb/checks.h"

#include <string>

#include "boundary/quillkit.h"
#include "usecases/shared/checkHelpers.h"

namespace fhir {
namespace zaebchecks {
namespace {

using shared::present;
// Given and not minimum..maximum characters long (counted in code page 1252).
constexpr auto badLength = shared::presentWithBadLength;

bool isCheckUpCode(const std::string& code) { return code == "2115003" || code == "63963009"; }

std::vector<Check> patientChecks() {
    return {
        {[](const ZaebData& d) { return !present(d.patient.insuranceNumber); },
         "Die Versichertennummer ist nicht vorhanden."},
        {[](const ZaebData& d) { return !present(d.patient.givenName); },
         "Der Vorname des Versicherten ist nicht vorhanden."},
        {[](const ZaebData& d) { return badLength(d.patient.givenName, 1, 45); },
         "Der Vorname des Versicherten ist ungültig."},
        {[](const ZaebData& d) { return !present(d.patient.familyName); },
         "Der Nachname des Versicherten ist nicht vorhanden."},
        {[](const ZaebData& d) { return badLength(d.patient.title, 1, 20); },
         "Der Titel des Versicherten ist ungültig."},
        {[](const ZaebData& d) { return badLength(d.patient.nameSuffix, 1, 20); },
         "Der Namenszusatz des Versicherten ist ungültig."},
        {[](const ZaebData& d) { return badLength(d.patient.prefixWord, 1, 20); },
         "Das Vorsatzwort des Versicherten ist ungültig."},
        {[](const ZaebData& d) { return !present(d.patient.birthDate); },
         "Das Geburtsdatum des Versicherten ist nicht vorhanden."},
        {[](const ZaebData& d) { return badLength(d.patient.birthDate, 4, 10); },
         "Der Geburtsdatum des Versicherten ist ungültig."},
        // Without a postal code the address counts as missing.
        {[](const ZaebData& d) { return !present(d.patient.address.postalCode); },
         "Die Versichertenanschrift ist nicht vorhanden."},
        {[](const ZaebData& d) { return !present(d.patient.address.countryCode); },
         "Der Ländercode der Versichertenanschrift ist nicht vorhanden."},
        {[](const ZaebData& d) { return !present(d.patient.address.postalCode); },
         "Die Postleitzahl der Versichertenanschrift ist nicht vorhanden."},
        {[](const ZaebData& d) { return badLength(d.patient.address.postalCode, 1, 40); },
         "Die Postleitzahl der Versichertenanschrift ist ungültig."},
        {[](const ZaebData& d) { return badLength(d.patient.address.street, 1, 46); },
         "Der Straßenname der Versichertenanschrift ist ungültig."},
        {[](const ZaebData& d) { return badLength(d.patient.address.houseNumber, 1, 9); },
         "Die Hausnummer der Versichertenanschrift ist ungültig."},
        {[](const ZaebData& d) { return badLength(d.patient.address.addition, 1, 40); },
         "Der Anschriftenzusatz der Versichertenanschrift ist ungültig."},
    };
}

std::vector<Check> practiceChecks() {
    return {
        // The IK number is not tested.
        {[](const ZaebData& d) { return !present(d.practice.bsnr) && !present(d.practice.kzvNumber); },
         "Die Betriebsstättennummer/KZV-Nummer ist nicht vorhanden. Bitte prüfen Sie die "
         "Praxisinhabereinstellungen."},
        {[](const ZaebData& d) { return badLength(d.practice.bsnr, 9, 9); },
         "Die Betriebsstättennummer ist ungültig. Bitte prüfen Sie die Praxisinhabereinstellungen."},
        {[](const ZaebData& d) { return badLength(d.practice.kzvNumber, 9, 9); },
         "Die KZV-Nummer ist ungültig. Bitte prüfen Sie die Praxisinhabereinstellungen."},
        {[](const ZaebData& d) { return !present(d.practice.name); },
         "Der Name der Betriebsstätte ist nicht vorhanden."},
        {[](const ZaebData& d) { return badLength(d.practice.name, 1, 40); },
         "Der Name der Betriebsstätte ist ungültig."},
        {[](const ZaebData& d) { return !present(d.practice.address.countryCode); },
         "Der Ländercode der Betriebsstätte ist nicht vorhanden."},
        {[](const ZaebData& d) { return !present(d.practice.address.postalCode); },
         "Die Postleitzahl der Betriebsstätte ist nicht vorhanden."},
        {[](const ZaebData& d) { return badLength(d.practice.address.postalCode, 1, 40); },
         "Die Postleitzahl der Betriebsstätte ist ungültig."},
        {[](const ZaebData& d) { return !present(d.practice.address.city); },
         "Der Ortsname der Betriebsstätte ist nicht vorhanden."},
        {[](const ZaebData& d) { return badLength(d.practice.address.city, 1, 40); },
         "Der Ortsname der Betriebsstätte ist ungültig."},
        {[](const ZaebData& d) { return !present(d.practice.address.street); },
         "Der Straßenname der Betriebsstätte ist nicht vorhanden."},
        {[](const ZaebData& d) { return badLength(d.practice.address.street, 1, 46); },
         "Der Straßenname der Betriebsstätte ist ungültig."},
        {[](const ZaebData& d) { return !present(d.practice.address.houseNumber); },
         "Die Hausnummer der Betriebsstätte ist nicht vorhanden."},
        {[](const ZaebData& d) { return badLength(d.practice.address.houseNumber, 1, 9); },
         "Die Hausnummer der Betriebsstätte ist ungültig."},
        {[](const ZaebData& d) { return badLength(d.practice.address.addition, 1, 40); },
         "Der Anschriftenzusatz der Betriebsstätte ist ungültig."},
    };
}

std::vector<Check> entryChecks() {
    return {
        {[](const ZaebData& d) { return badLength(d.gaplessDocumentationDate, 8, 10); },
         "Das Datum der lückenlosen Dokumentation ist ungültig."},
        {[](const ZaebData& d) { return badLength(d.checkUpDate, 8, 10); },
         "Das Datum der Untersuchung ist ungültig."},
        // Taken over untrimmed: "2115003 " is no check-up code.
        {[](const ZaebData& d) { return present(d.checkUpCode) && !isCheckUpCode(d.checkUpCode); },
         "Die Untersuchung ist weder eine \"2115003 individualprophylaxe (Kind)\" noch eine \"63963009 Zahnärztliche "
         "Untersuchung (Erwachsen)\"."},
        {[](const ZaebData& d) { return !present(d.checkUpDate) && !present(d.gaplessDocumentationDate); },
         "Es ist weder eine Untersuchung noch eine lückenlosen Dokumentation vorhanden."},
    };
}

}  // namespace

const std::vector<Check>& checks() {
    static const std::vector<Check> kChecks = [] {
        std::vector<Check> all;
        for (auto group : {patientChecks, practiceChecks, entryChecks}) {
            const std::vector<Check> rows = group();
            all.insert(all.end(), rows.begin(), rows.end());
        }
        return all;
    }();
    return kChecks;
}

}  // namespace zaebchecks

std::vector<HostString> runZaebChecks(const ZaebData& data) {
    std::vector<HostString> messages;
    for (const zaebchecks::Check& check : zaebchecks::checks()) {
        if (check.fails(data)) {
            messages.push_back(UTF8ToAnsi(HostString(check.message)));
        }
    }
    return messages;
}

}  // namespace fhir
