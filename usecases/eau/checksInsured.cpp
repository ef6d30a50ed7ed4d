// Checks 1-26: document, payer and insured.
#include "usecases/eau/checksGroups.h"
#include "usecases/eau/checksCountry.h"
#include "usecases/eau/checksHelpers.h"

namespace fhir::eauchecks {
namespace {

bool streetAddressCountryFailsOlder(const EauData& d) {
    return present(d.strassenadresse.postleitzahl) && unknownCountryOlder(d.strassenadresse.laendercode);
}
bool streetAddressCountryFailsNewer(const EauData& d) {
    return present(d.strassenadresse.postleitzahl) && unknownCountryNewer(d.strassenadresse.laendercode);
}
bool postBoxCountryFailsOlder(const EauData& d) {
    return present(d.postfachanschrift.postleitzahl) && unknownCountryOlder(d.postfachanschrift.laendercode);
}
bool postBoxCountryFailsNewer(const EauData& d) {
    return present(d.postfachanschrift.postleitzahl) && unknownCountryNewer(d.postfachanschrift.laendercode);
}

}  // namespace

std::vector<RecordCheck> insuredChecks() {
    return {
        {1, kAllVersions, [](const EauData& d) { return payerIn1To4(d) && !present(d.pruefnummer); },
         "Die Prüfnummer ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {2, kAllVersions, [](const EauData& d) { return presentWithBadLength(d.pruefnummer, 6, 17); },
         "Die Prüfnummer ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {3, kAllVersions, [](const EauData& d) { return d.payerKind == 0; },
         "Der Kostenträgertyp ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {4, kAllVersions, [](const EauData& d) { return payerIn1To5(d) && !present(d.ikkrankenkasse); },
         "Die IK der zuständigen Krankenkasse lt.eGK ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.",
         nullptr},
        {5, kAllVersions, [](const EauData& d) { return presentWithBadLength(d.ikkrankenkasse, 9, 9); },
         "Die IK der zuständigen Krankenkasse lt.eGK ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {6, kAllVersions,
         [](const EauData& d) {
             return !shared::accidentPayer(d) && present(d.ikkostentrager);
         },
         "Die IK des Kostenträgers darf nur übertragen werden, wenn der Kostenträgertyp BG oder UK ist. Bitte wenden "
         "Sie sich an die Tevo-Hotline.",
         nullptr},
        {7, kAllVersions,
         [](const EauData& d) {
             return shared::accidentPayer(d) &&
                    presentWithBadLength(d.ikkostentrager, 9, 9);
         },
         "Die IK des Kostenträgers ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {8, kAllVersions, [](const EauData& d) { return !present(d.namekostentraeger); },
         "Der Name des Kostenträgers ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {9, kAllVersions, [](const EauData& d) { return presentWithBadLength(d.namekostentraeger, 1, 45); },
         "Der Name des Kostenträgers ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {10, kAllVersions, [](const EauData& d) { return insuranceCodesChecked(d) && d.insuredKind == 0; },
         "Die Versichertenart ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {11, kAllVersions, [](const EauData& d) { return insuranceCodesChecked(d) && d.specialGroup == 0; },
         "Die besondere Personengruppe ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {12, kAllVersions, [](const EauData& d) { return insuranceCodesChecked(d) && d.dmp == 0; },
         "Das DMP Kennzeichen ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {13, kAllVersions, [](const EauData& d) { return insuranceCodesChecked(d) && d.legalBasis == 0; },
         "Das Kennzeichen der Rechtsgrundlage ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.",
         nullptr},
        {14, kAllVersions,
         [](const EauData& d) {
             // Statutory payers accept YYYYMMDD and YYYY-MM-DD, the others only the long form.
             const int minimum = payerIn1To5(d) ? 8 : 10;
             return insuranceCodesChecked(d) && presentWithBadLength(d.versicherungsschutzende, minimum, 10);
         },
         "Das Ende des Versicherungsschutz ist ungültig. Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {15, kAllVersions, [](const EauData& d) { return payerIn1To5(d) && !hasInsuredNumber(d); },
         "Der Identifikator des Versicherten (Versichertennummer) ist nicht vorhanden. Bitte wenden Sie sich an die "
         "Tevo-Hotline.",
         nullptr},
        {16, kAllVersions, [](const EauData& d) { return presentWithBadLength(d.gkvNummer, 10, 10); },
         "Die GKV-Versicherten-ID ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {17, kAllVersions, [](const EauData& d) { return presentWithBadLength(d.kvkNummer, 6, 12); },
         "Die KVK-Versicherten-ID ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {18, kAllVersions, [](const EauData& d) { return presentWithBadLength(d.pkvNummer, 10, 10); },
         "Die PKV-Versicherten-ID ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {19, kAllVersions, [](const EauData& d) { return !present(d.vorname); },
         "Der Vorname des Versicherten ist nicht vorhanden. Bitte prüfen Sie die Eingaben zum "
         "Versicherungsverhältnis.",
         nullptr},
        {20, kAllVersions, [](const EauData& d) { return !present(d.nachname); },
         "Der Nachname des Versicherten ist nicht vorhanden. Bitte prüfen Sie die Eingaben zum "
         "Versicherungsverhältnis.",
         nullptr},
        {21, kAllVersions, [](const EauData& d) { return longerThan45(d.nachname); },
         "Der Nachname des Versicherten ist zu lang. Es dürfen maximal 45 Zeichen verwendet werden. Bitte prüfen Sie "
         "die Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {22, kAllVersions, [](const EauData& d) { return presentWithBadLength(d.geburtsdatum, 4, 10); },
         "Das Geburtsdatum des Versicherten ist ungültig. Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {23, kAllVersions, hasNoAddress,
         "Für den Versicherten ist keine Adresse vorhanden. Bitte prüfen Sie die Eingaben zum "
         "Versicherungsverhältnis.",
         nullptr},
        {24, kV120, [](const EauData& d) { return hasNoAddress(d) && hasInsuredNumber(d); },
         "Es ist weder eine Straßenadresse noch eine Postfachanschrift (mit Postleitzahl) des Versicherten angegeben. "
         "Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis.",
         nullptr},
        {25, kV110, streetAddressCountryFailsOlder, nullptr, insuredAddressCountryMessage},
        {25, kV120, streetAddressCountryFailsNewer, nullptr, insuredAddressCountryMessage},
        {26, kV110, postBoxCountryFailsOlder, nullptr, insuredPostBoxCountryMessage},
        {26, kV120, postBoxCountryFailsNewer, nullptr, insuredPostBoxCountryMessage},
    };
}

}  // namespace fhir::eauchecks
