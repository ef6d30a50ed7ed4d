// Checks 48-58: the institution and its address.
#include "usecases/eau/checksCountry.h"
#include "usecases/eau/checksGroups.h"
#include "usecases/eau/checksHelpers.h"

namespace fhir::eauchecks {

std::vector<RecordCheck> institutionChecks() {
    return {
        {48, kAllVersions,
         [](const EauData& d) {
             return payerIn1To5(d) &&
                    isOneOf(d.person.type, {qualification::k00, qualification::k01, qualification::k03,
                                            qualification::k04}) &&
                    !hasInstitutionNumber(d.institution);
         },
         "Es ist keine Identifikationsnummer der Einrichtung vorhanden (BSNR, IK-Nummer, KZV-Abrechnungsnummer oder "
         "Standortnummer). Bitte prüfen Sie die Praxisinhabereinstellungen.",
         nullptr},
        {49, kAllVersions, [](const EauData& d) { return presentWithBadLength(d.institution.bsnr, 9, 9); },
         "Die Betriebsstättennummer ist ungültig. Bitte prüfen Sie die Praxisinhabereinstellungen.", nullptr},
        {50, kAllVersions, [](const EauData& d) { return presentWithBadLength(d.institution.ik, 9, 9); },
         "Die IK-Nummer ist ungültig. Bitte prüfen Sie die Praxisinhabereinstellungen.", nullptr},
        {51, kAllVersions,
         [](const EauData& d) { return presentWithBadLength(d.institution.kzvAbrechnungsnummer, 9, 9); },
         "Die KZV-Abrechnungsnummer ist ungültig. Bitte prüfen Sie die Praxisinhabereinstellungen.", nullptr},
        {52, kAllVersions, [](const EauData& d) { return presentWithBadLength(d.institution.standortnummer, 9, 9); },
         "Die Standortnummer ist ungültig. Bitte prüfen Sie die Praxisinhabereinstellungen.", nullptr},
        {53, kAllVersions, [](const EauData& d) { return !present(d.institution.name); },
         "Der Name der Einrichtung ist nicht vorhanden. Bitte prüfen Sie die Praxisinhabereinstellungen.", nullptr},
        {54, kV110, [](const EauData& d) { return unknownCountryOlder(d.institution.adresse.laendercode); },
         nullptr, practiceAddressCountryMessage},
        {54, kV120, [](const EauData& d) { return unknownCountryNewer(d.institution.adresse.laendercode); },
         nullptr, practiceAddressCountryMessage},
        {55, kAllVersions, [](const EauData& d) { return !present(d.institution.adresse.ortsname); },
         "Der Ortsname der Einrichtung ist nicht vorhanden. Bitte prüfen Sie die Anschrift in den "
         "Praxisinhabereinstellungen.",
         nullptr},
        {56, kAllVersions, [](const EauData& d) { return !present(d.institution.adresse.strassenname); },
         "Der Straßenname der Einrichtung ist nicht vorhanden. Bitte prüfen Sie die Anschrift in den "
         "Praxisinhabereinstellungen.",
         nullptr},
        {57, kAllVersions, [](const EauData& d) { return !present(d.institution.adresse.hausnummer); },
         "Die Hausnummer der Einrichtung ist nicht vorhanden. Bitte prüfen Sie die Anschrift in den "
         "Praxisinhabereinstellungen.",
         nullptr},
        {58, kAllVersions, [](const EauData& d) { return !present(d.institution.telefonnummer); },
         "Die Telefonnummer der Einrichtung ist nicht vorhanden. Bitte prüfen Sie die Telefonstammdaten in den "
         "Praxisinhabereinstellungen.",
         nullptr},
    };
}

}  // namespace fhir::eauchecks
