// The 19 checks of the request: one row per message, table order is output
// order. Texts are UTF-8 here and become code page 1252 on output.
#include "usecases/eeb/checks.h"

#include <string>

#include "boundary/quillkit.h"
#include "fhir/r4/codes/CountryCodes.h"
#include "usecases/shared/checkHelpers.h"

namespace fhir {
namespace {

using shared::present;
using shared::presentWithBadLength;

bool unknownPracticeCountry(const EebData& d) {
    const std::string& code = d.praxis.adresse.laendercode;
    return present(code) && codes::lookupCountryCodeNew(code) == 0;
}

std::string practiceCountryMessage(const EebData& d) {
    return shared::countryMessage("Praxisanschrift", d.praxis.adresse.laendercode, "in der Anschrift des Praxisinhabers");
}

// `buildMessage`, when set, makes a message that embeds a value; otherwise
// `message` is the text.
struct Check {
    bool (*fails)(const EebData&);
    const char* message;
    std::string (*buildMessage)(const EebData&);
};

const Check kChecks[] = {
    {[](const EebData& d) { return !present(d.dokumentid); },
     "Die Dokument-ID ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
    {[](const EebData& d) { return !present(d.leistungsdatum); },
     "Das Leistungsdatum ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
    {[](const EebData& d) { return presentWithBadLength(d.leistungsdatum, 4, 10); },
     "Das Leisungsdatum ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
    {[](const EebData& d) { return d.ursprung == 0; },
     "Der kodierte Ursprung der Anfrage ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
    {[](const EebData& d) { return !present(d.endpoint); },
     "Der Endpoint ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
    {[](const EebData& d) { return !present(d.iknummer); },
     "Das Institutionskennzeichen der Krankenkasse ist nicht vorhanden. Bitte wenden Sie sich an die "
     "Tevo-Hotline.",
     nullptr},
    {[](const EebData& d) { return !present(d.patient.vorname); },
     "Der Vorname des Versicherten ist nicht vorhanden. Bitte prüfen Sie die Eingaben zum "
     "Versicherungsverhältnis.",
     nullptr},
    {[](const EebData& d) { return !present(d.patient.nachname); },
     "Der Nachname des Versicherten ist nicht vorhanden. Bitte prüfen Sie die Eingaben zum "
     "Versicherungsverhältnis.",
     nullptr},
    {[](const EebData& d) { return !present(d.patient.geburtsdatum); },
     "Das Geburtsdatum des Versicherten ist nicht vorhanden. Bitte prüfen Sie die Eingaben zum "
     "Versicherungsverhältnis.",
     nullptr},
    {[](const EebData& d) { return presentWithBadLength(d.patient.geburtsdatum, 4, 10); },
     "Das Geburtsdatum des Versicherten ist ungültig. Bitte prüfen Sie die Eingaben zum "
     "Versicherungsverhältnis.",
     nullptr},
    {[](const EebData& d) { return !present(d.patient.strassenadresse.postleitzahl); },
     "Keine Postleitzahl für die Versichertenanschrift vorhanden. Bitte prüfen Sie die Eingaben zum "
     "Versicherungsverhältnis.",
     nullptr},
    {[](const EebData& d) { return presentWithBadLength(d.patient.versichertennummer, 10, 10); },
     "Die Versicherten-ID ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
    {[](const EebData& d) { return !shared::hasInstitutionNumber(d.praxis); },
     "Es ist keine Identifikationsnummer der Einrichtung vorhanden (BSNR, IK-Nummer, KZV-Abrechnungsnummer oder "
     "Standortnummer). Bitte prüfen Sie die Praxisinhabereinstellungen.",
     nullptr},
    {unknownPracticeCountry, nullptr, practiceCountryMessage},
    {[](const EebData& d) { return !present(d.praxis.adresse.postleitzahl); },
     "Die PLZ der Einrichtung ist nicht vorhanden. Bitte prüfen Sie die Anschrift in den "
     "Praxisinhabereinstellungen.",
     nullptr},
    {[](const EebData& d) { return !present(d.praxis.adresse.ortsname); },
     "Der Ortsname der Einrichtung ist nicht vorhanden. Bitte prüfen Sie die Anschrift in den "
     "Praxisinhabereinstellungen.",
     nullptr},
    {[](const EebData& d) { return !present(d.praxis.adresse.strassenname); },
     "Der Straßenname der Einrichtung ist nicht vorhanden. Bitte prüfen Sie die Anschrift in den "
     "Praxisinhabereinstellungen.",
     nullptr},
    {[](const EebData& d) { return !present(d.praxis.adresse.hausnummer); },
     "Die Hausnummer der Einrichtung ist nicht vorhanden. Bitte prüfen Sie die Anschrift in den "
     "Praxisinhabereinstellungen.",
     nullptr},
    {[](const EebData& d) {
         return !present(d.praxis.telefonnummer) && !present(d.praxis.faxnummer) && !present(d.praxis.email);
     },
     "Es sind keine Kontaktdaten der Einrichtung vorhanden. Bitte hinterlegen Sie eine Telefonnummer, "
     "Faxnummer oder E-Mail-Adresse in den Telefonstammdaten in den Praxisinhabereinstellungen.",
     nullptr},
};

}  // namespace

std::vector<HostString> runEebChecks(const EebData& data) {
    std::vector<HostString> messages;
    for (const Check& check : kChecks) {
        if (check.fails(data)) {
            const std::string text = check.buildMessage ? check.buildMessage(data) : std::string(check.message);
            messages.push_back(UTF8ToAnsi(HostString(text)));
        }
    }
    return messages;
}

}  // namespace fhir
