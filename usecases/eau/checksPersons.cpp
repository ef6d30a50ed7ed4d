// Checks 27-47: the issuing person and, when given, the responsible person.
#include "usecases/eau/checksGroups.h"
#include "usecases/eau/checksHelpers.h"

namespace fhir::eauchecks {
namespace {

constexpr const char* kAsvGroupNumberNotAllowed =
    "Es wurde eine ASV-Fachgruppennummer übermittelt, aber die Bedingungen für die Angabe einer "
    "ASV-Fachgruppennummer sind nicht erfüllt. Bitte wenden Sie sich an die Hotline.";

// The responsible person's checks run only when its given name is present.
template <class Fails>
bool responsible(const EauData& d, Fails fails) {
    return responsiblePersonGiven(d) && fails(d, d.verantwortlichePerson);
}

}  // namespace

std::vector<RecordCheck> personChecks() {
    return {
        {27, kAllVersions, [](const EauData& d) { return d.person.type == 0; },
         "Bitte erfassen Sie bei der ausstellenden/verschreibenden Person eine Qualifikation im Behandlerstamm.",
         nullptr},
        {28, kAllVersions, [](const EauData& d) { return !present(d.person.berufsbezeichnung); },
         "Die Berufsbezeichnung der ausstellenden/ verschreibenden Person ist nicht vorhanden. Bitte prüfen Sie die "
         "Personalstammdaten.",
         nullptr},
        {29, kAllVersions, [](const EauData& d) { return presentWithBadLength(d.person.asvfachgruppennummer, 9, 9); },
         "Die ASV-Fachgruppennummer der ausstellenden/ verschreibenden Person ist ungültig. Bitte prüfen Sie die "
         "Personalstammdaten.",
         nullptr},
        {30, kAllVersions, [](const EauData& d) { return asvGroupNumberNotAllowed(d, d.person); },
         kAsvGroupNumberNotAllowed, nullptr},
        {31, kAllVersions, [](const EauData& d) { return physicianNumberMissing(d, d.person); },
         "Keine Arztnummer oder Zahnarztnummer der ausstellenden/verschreibenden Person vorhanden. Bitte prüfen Sie "
         "die Praxisinhaber- und Behandlereinstellungen.",
         nullptr},
        {32, kAllVersions, [](const EauData& d) { return presentWithBadLength(d.person.nummer, 9, 9); },
         "Die Arztnummer oder Zahnarztnummer der ausstellenden/verschreibenden Person ist ungültig. Bitte prüfen Sie "
         "die Praxisinhaber- und Behandlereinstellungen.",
         nullptr},
        {33, kV120, [](const EauData& d) { return !d.asvCase && present(d.person.asvteamnummer); },
         "Kein ASV-Fall, trotzdem wird eine ASV-Teamnummer der ausstellenden/verschreibenden Person übermittelt. "
         "Bitte wenden Sie sich an die Hotline.",
         nullptr},
        {34, kV120, [](const EauData& d) { return d.asvCase && !present(d.person.asvteamnummer); },
         "ASV-Fall, aber keine ASV-Teamnummer der ausstellenden/verschreibenden Person vorhanden. Bitte prüfen Sie "
         "die Praxisinhaber- und Behandlereinstellungen.",
         nullptr},
        {35, kAllVersions, [](const EauData& d) { return presentWithBadLength(d.person.asvteamnummer, 9, 9); },
         "Die ASV-Teamnummer der ausstellenden/verschreibenden Person ist ungültig. Bitte prüfen Sie die "
         "Praxisinhaber- und Behandlereinstellungen.",
         nullptr},
        {36, kAllVersions, [](const EauData& d) { return !present(d.person.vorname); },
         "Der Vorname der ausstellenden/ verschreibenden Person ist nicht vorhanden. Bitte prüfen Sie die "
         "Personalstammdaten.",
         nullptr},
        {37, kAllVersions, [](const EauData& d) { return !present(d.person.nachname); },
         "Der Nachname der ausstellenden/ verschreibenden Person ist nicht vorhanden. Bitte prüfen Sie die "
         "Personalstammdaten.",
         nullptr},
        {38, kAllVersions, [](const EauData& d) { return longerThan45(d.person.nachname); },
         "Der Nachname der ausstellenden/ verschreibenden Person ist zu lang. Es dürfen maximal 45 Zeichen verwendet "
         "werden. Bitte prüfen Sie die Personalstammdaten.",
         nullptr},
        {39, kAllVersions,
         [](const EauData& d) {
             return responsible(d, [](const EauData&, const EauPersonData& p) { return p.type == 0; });
         },
         "Bitte erfassen Sie bei der verantwortlichen Person eine Qualifikation im Behandlerstamm.", nullptr},
        {40, kAllVersions,
         [](const EauData& d) {
             return responsible(d, [](const EauData&, const EauPersonData& p) {
                 return isOneOf(p.type, {qualification::k02, qualification::k03});
             });
         },
         "Der Typ der verantwortlichen Person darf nicht Hebamme oder Arzt in Weiterbildung sein. Bitte prüfen Sie "
         "bei der verantwortlichen Person die Qualifikation im Behandlerstamm.",
         nullptr},
        {41, kAllVersions,
         [](const EauData& d) {
             return responsible(d, [](const EauData&, const EauPersonData& p) { return !present(p.berufsbezeichnung); });
         },
         "Die Berufsbezeichnung der verantwortlichen Person ist nicht vorhanden. Bitte prüfen Sie die "
         "Personalstammdaten.",
         nullptr},
        {42, kAllVersions,
         [](const EauData& d) {
             return responsible(d, [](const EauData&, const EauPersonData& p) {
                 return presentWithBadLength(p.asvfachgruppennummer, 9, 9);
             });
         },
         "Die ASV-Fachgruppennummer der verantwortlichen Person ist ungültig. Bitte prüfen Sie die "
         "Personalstammdaten.",
         nullptr},
        {43, kAllVersions, [](const EauData& d) { return responsible(d, asvGroupNumberNotAllowed); },
         kAsvGroupNumberNotAllowed, nullptr},
        {44, kAllVersions, [](const EauData& d) { return responsible(d, physicianNumberMissing); },
         "Keine Arztnummer oder Zahnarztnummer der verantwortlichen Person vorhanden. Bitte prüfen Sie die "
         "Praxisinhaber- und Behandlereinstellungen.",
         nullptr},
        {45, kAllVersions,
         [](const EauData& d) {
             return responsible(d, [](const EauData&, const EauPersonData& p) {
                 return presentWithBadLength(p.nummer, 9, 9);
             });
         },
         "Die Arztnummer oder Zahnarztnummer der verantwortlichen Person ist ungültig. Bitte prüfen Sie die "
         "Praxisinhaber- und Behandlereinstellungen.",
         nullptr},
        {46, kAllVersions,
         [](const EauData& d) {
             return responsible(d, [](const EauData&, const EauPersonData& p) { return !present(p.nachname); });
         },
         "Der Nachname der verantwortlichen Person ist nicht vorhanden. Bitte prüfen Sie die Personalstammdaten.",
         nullptr},
        {47, kAllVersions,
         [](const EauData& d) {
             return responsible(d, [](const EauData&, const EauPersonData& p) { return longerThan45(p.nachname); });
         },
         "Der Nachname der verantwortlichen Person ist zu lang. Es dürfen maximal 45 Zeichen verwendet werden. Bitte "
         "prüfen Sie die Personalstammdaten.",
         nullptr},
    };
}

}  // namespace fhir::eauchecks
