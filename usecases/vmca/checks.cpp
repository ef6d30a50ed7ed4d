#include "usecases/vmca/checks.h"

#include <string>

#include "boundary/FieldConversion.h"
#include "boundary/quillkit.h"
#include "usecases/shared/checkHelpers.h"

namespace fhir {
namespace {

// One row per message; texts are UTF-8 here and reach the host in code page 1252.
template <class Data>
struct Check {
    bool (*fails)(const Data&);
    const char* message;
};

using shared::present;
using shared::presentWithBadLength;

// Given and longer than `maximum` characters (counted in code page 1252).
bool tooLong(const std::string& value, int maximum) { return presentWithBadLength(value, 0, maximum); }

bool referrerGiven(const VmcaData& d) {
    return present(d.ueberweiserLanr) || present(d.ueberweiserVorname) || present(d.ueberweiserNachname);
}

bool noServiceFeature(const VmcaData& d) {
    return !present(d.fachgebietGrob) && !present(d.zusatzbezeichnung) && !present(d.dringlichkeit) &&
           !present(d.ptv11Leistung1) && !present(d.ptv11Leistung2) && !present(d.probatorischeLeistung);
}

const Check<VmcaData> kRequestChecks[] = {
    // An empty BSNR fails too: its length test has no exception for it.
    {[](const VmcaData& d) { return !tevo::checkLength(d.bsnr, 9, 9); },
     "Die BSNR ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline."},
    {[](const VmcaData& d) { return d.isPtv11 && present(d.dringlichkeit) && d.dringlichkeit != "urgent"; },
     "Die Dringlichkeit für PTV 11 muss entweder \"dringend\" oder nicht vorhanden sein."},
    {noServiceFeature, "Es ist kein Leistungsmerkmal vorhanden."},
    {[](const VmcaData& d) { return !referrerGiven(d); }, "Der überweisende Arzt ist nicht vorhanden."},
    {[](const VmcaData& d) { return referrerGiven(d) && !present(d.ueberweiserLanr); },
     "Die LANR des überweisenden Arztes ist nicht vorhanden."},
    {[](const VmcaData& d) { return presentWithBadLength(d.ueberweiserLanr, 9, 9); },
     "Die LANR des überweisenden Arztes ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline."},
    {[](const VmcaData& d) { return referrerGiven(d) && !present(d.ueberweiserVorname); },
     "Der Vorname des überweisenden Arztes is nicht vorhanden."},
    {[](const VmcaData& d) { return tooLong(d.ueberweiserVorname, 80); },
     "Der Vorname des überweisenden Arztes ist zu lang. Bitte wenden Sie sich an die Tevo-Hotline."},
    {[](const VmcaData& d) { return referrerGiven(d) && !present(d.ueberweiserNachname); },
     "Der Nachname des überweisenden Arztes ist nicht vorhnaden."},
    {[](const VmcaData& d) { return tooLong(d.ueberweiserNachname, 80); },
     "Der Nachname des überweisenden Arztes ist zu lang. Bitte wenden Sie sich an die Tevo-Hotline."},
};


const Check<VmcaPatientData> kPatientChecks[] = {
    {[](const VmcaPatientData& p) { return !present(p.gkvVersichertennummer) && !present(p.kvkVersichertennummer); },
     "Der Patient hat weder eine GKV- noch eine KVK-Versichertennummer. Bitte wenden Sie sich an die Tevo-Hotline."},
    {[](const VmcaPatientData& p) { return presentWithBadLength(p.gkvVersichertennummer, 10, 10); },
     "Die GKV Versichertennummer ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline."},
    {[](const VmcaPatientData& p) { return presentWithBadLength(p.kvkVersichertennummer, 6, 12); },
     "Die KVK Versichertennummer ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline."},
    {[](const VmcaPatientData& p) { return !present(p.vorname); },
     "Der Vorname des Versicherten ist nicht vorhanden. Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis."},
    {[](const VmcaPatientData& p) { return tooLong(p.vorname, 45); },
     "Der Vorname des Versicherten ist zu lang. Es dürfen maximal 45 Zeichen verwendet werden. Bitte prüfen Sie die "
     "Eingaben zum Versicherungsverhältnis."},
    {[](const VmcaPatientData& p) { return !present(p.nachname); },
     "Der Nachname des Versicherten ist nicht vorhanden. Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis."},
    {[](const VmcaPatientData& p) { return tooLong(p.titel, 20); },
     "Der Titel des Versicherten ist zu lang. Es dürfen maximal 20 Zeichen verwendet werden. Bitte prüfen Sie die "
     "Eingaben zum Versicherungsverhältnis."},
    {[](const VmcaPatientData& p) { return tooLong(p.namenszusatz, 20); },
     "Der Namenszusatz des Versicherten ist zu lang. Es dürfen maximal 20 Zeichen verwendet werden. Bitte prüfen Sie "
     "die Eingaben zum Versicherungsverhältnis."},
    {[](const VmcaPatientData& p) { return tooLong(p.vorsatzwort, 20); },
     "Das Vorsatzwort des Versicherten ist zu lang. Es dürfen maximal 20 Zeichen verwendet werden. Bitte prüfen Sie "
     "die Eingaben zum Versicherungsverhältnis."},
    {[](const VmcaPatientData& p) { return !present(p.geburtsdatum); },
     "Das Geburtsdatum des Versicherten ist nicht vorhanden. Bitte prüfen Sie die Eingaben zum "
     "Versicherungsverhältnis."},
    {[](const VmcaPatientData& p) { return presentWithBadLength(p.geburtsdatum, 4, 10); },
     "Das Geburtsdatum des Versicherten ist ungültig. Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis."},
    {[](const VmcaPatientData& p) { return !present(p.geschlecht); },
     "Das Geschlecht des Versicherten ist nicht vorhanden. Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis."},
    {[](const VmcaPatientData& p) { return !present(p.telefon1) && !present(p.telefon2); },
     "Es ist keine Telefonnummer für den Patienten vorhanden. Bitte prüfen Sie die Eingaben zum "
     "Versicherungsverhältnis."},
};

// Run only when at least one field of the street address is set.
const Check<shared::StreetAddressData> kStreetAddressChecks[] = {
    {[](const shared::StreetAddressData& a) { return !present(a.laendercode); },
     "Der Wohnsitzländercode der Versichertenanschrift ist nicht vorhanden. Bitte prüfen Sie die Eingaben zum "
     "Versicherungsverhältnis."},
    {[](const shared::StreetAddressData& a) { return tooLong(a.postleitzahl, 5); },
     "Die Postleitzahl der Versichertenanschrift ist ungültig. Bitte prüfen Sie die Eingaben zum "
     "Versicherungsverhältnis."},
    {[](const shared::StreetAddressData& a) { return tooLong(a.ortsname, 40); },
     "Der Ortsname der Versichertenanschrift ist zu lang. Es dürfen maximal 40 Zeichen verwendet werden. Bitte "
     "prüfen Sie die Eingaben zum Versicherungsverhältnis."},
    {[](const shared::StreetAddressData& a) { return !present(a.ortsname); },
     "Bitte überprüfen Sie die Anschrift des Patienten im Versichertenstamm und korrigieren Sie die Angaben."},
    {[](const shared::StreetAddressData& a) { return tooLong(a.strassenname, 46); },
     "Der Straßenname der Versichertenanschrift ist zu lang. Es dürfen maximal 46 Zeichen verwendet werden. Bitte "
     "prüfen Sie die Eingaben zum Versicherungsverhältnis."},
    {[](const shared::StreetAddressData& a) { return tooLong(a.hausnummer, 9); },
     "Die Hausnummer der Versichertenanschrift ist zu lang. Es dürfen maximal 9 Zeichen verwendet werden. Bitte "
     "prüfen Sie die Eingaben zum Versicherungsverhältnis."},
    {[](const shared::StreetAddressData& a) { return tooLong(a.anschriftenzusatz, 40); },
     "Der Anschriftenzusatz der Versichertenanschrift ist zu lang. Es dürfen maximal 40 Zeichen verwendet werden. "
     "Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis."},
};

// Run only when at least one field of the post-box address is set.
const Check<shared::PostBoxAddressData> kPostBoxChecks[] = {
    {[](const shared::PostBoxAddressData& a) { return !present(a.laendercode); },
     "Der Wohnsitzländercode der Versicherten-Postfachanschrift ist nicht vorhanden. Bitte prüfen Sie die Eingaben "
     "zum Versicherungsverhältnis."},
    {[](const shared::PostBoxAddressData& a) { return tooLong(a.postleitzahl, 5); },
     "Die Postleitzahl der Versicherten-Postfachanschrift ist ungültig. Bitte prüfen Sie die Eingaben zum "
     "Versicherungsverhältnis."},
    {[](const shared::PostBoxAddressData& a) { return tooLong(a.ortsname, 40); },
     "Der Ortsname der Versicherten-Postfachanschrift ist zu lang. Es dürfen maximal 40 Zeichen verwendet werden. "
     "Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis."},
    {[](const shared::PostBoxAddressData& a) { return !present(a.ortsname); },
     "Bitte überprüfen Sie die Postfachanschrift des Patienten im Versichertenstamm und korrigieren Sie die Angaben."},
    // The two blanks after "Postfachanschrift" belong to the message.
    {[](const shared::PostBoxAddressData& a) { return tooLong(a.postfach, 8); },
     "Das Postfach der Versicherten-Postfachanschrift  ist zu lang. Es dürfen maximal 8 Zeichen verwendet werden. "
     "Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis."},
    {[](const shared::PostBoxAddressData& a) { return !present(a.postfach); },
     "Bitte überprüfen Sie die Postfachanschrift des Patienten im Versichertenstamm und korrigieren Sie die Angaben."},
};

template <class Data, std::size_t N>
void runTable(const Check<Data> (&checks)[N], const Data& data, std::vector<HostString>& messages) {
    for (const Check<Data>& check : checks) {
        if (check.fails(data)) {
            messages.push_back(UTF8ToAnsi(HostString(check.message)));
        }
    }
}

}  // namespace

std::vector<HostString> runVmcaChecks(const VmcaData& data) {
    std::vector<HostString> messages;
    runTable(kRequestChecks, data, messages);
    const VmcaPatientData& patient = data.patient;
    if (!data.withPatient || patient.emptyForChecks()) {
        return messages;
    }
    runTable(kPatientChecks, patient, messages);
    if (anyFieldSet(patient.strassenadresse)) {
        runTable(kStreetAddressChecks, patient.strassenadresse, messages);
    }
    if (anyFieldSet(patient.postfachanschrift)) {
        runTable(kPostBoxChecks, patient.postfachanschrift, messages);
    }
    return messages;
}

}  // namespace fhir
