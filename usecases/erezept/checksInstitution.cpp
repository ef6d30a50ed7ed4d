// Checks 72-92: the practice, its numbers, address and telecom.
#include "usecases/erezept/checksCountry.h"
#include "usecases/erezept/checksTable.h"

namespace fhir::erezeptchecks {
namespace {

const shared::InstitutionData& practice(const ERezeptData& d) { return d.institution; }
const shared::StreetAddressData& address(const ERezeptData& d) { return d.institution.adresse; }

// Rows 73 to 76: the numbers in this order, the first invalid one ends the group.
struct NumberRow {
    std::string shared::InstitutionData::*number;
    const char* message;
};
constexpr NumberRow kNumberRows[] = {
    {&shared::InstitutionData::bsnr,
     "Die Betriebsstättennummer ist ungültig. Bitte prüfen Sie die Praxisinhabereinstellungen."},
    {&shared::InstitutionData::ik, "Die IK-Nummer ist ungültig. Bitte prüfen Sie die Praxisinhabereinstellungen."},
    {&shared::InstitutionData::kzvAbrechnungsnummer,
     "Die KZV-Abrechnungsnummer ist ungültig. Bitte prüfen Sie die Praxisinhabereinstellungen."},
    {&shared::InstitutionData::standortnummer,
     "Die Standortnummer ist ungültig. Bitte prüfen Sie die Praxisinhabereinstellungen."},
};

const NumberRow* firstInvalidNumber(const ERezeptData& d) {
    for (const NumberRow& row : kNumberRows) {
        if (presentWithBadLength(practice(d).*row.number, 9, 9)) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

std::vector<RecordCheck> institutionChecks() {
    return {
        {72, kBoth,
         [](const ERezeptData& d) {
             return insuredPayer(d) &&
                    isOneOf(d.person.type,
                            {qualification::k00, qualification::k01, qualification::k03, qualification::k04}) &&
                    !shared::hasInstitutionNumber(practice(d));
         },
         "Es ist keine Identifikationsnummer der Einrichtung vorhanden (BSNR, IK-Nummer, KZV-Abrechnungsnummer oder "
         "Standortnummer). Bitte prüfen Sie die Praxisinhabereinstellungen.",
         nullptr},
        {73, kBoth, [](const ERezeptData& d) { return firstInvalidNumber(d) != nullptr; }, nullptr,
         [](const ERezeptData& d) { return std::string(firstInvalidNumber(d)->message); }},
        {77, kBoth, [](const ERezeptData& d) { return presentWithBadLength(practice(d).telematikid, 1, 128); },
         "Die Telematik-ID der Einrichtung ist zu lang. Es dürfen maximal 128 Zeichen verwendet werden. Bitte prüfen "
         "Sie die Praxisinhabereinstellungen.",
         nullptr},
        {78, kBoth, [](const ERezeptData& d) { return !present(practice(d).name); },
         "Der Name der Einrichtung ist nicht vorhanden. Bitte prüfen Sie die Praxisinhabereinstellungen.", nullptr},
        {79, kBoth, [](const ERezeptData& d) { return presentWithBadLength(practice(d).name, 1, 60); },
         "Der Name der Einrichtung ist zu lang. Es dürfen maximal 60 Zeichen verwendet werden. Bitte prüfen Sie die "
         "Praxisinhabereinstellungen.",
         nullptr},
        {80, kV110, [](const ERezeptData& d) { return unknownCountry110(address(d).laendercode); }, nullptr,
         practiceAddressCountryMessage},
        {80, kV132, [](const ERezeptData& d) { return unknownCountry132(address(d).laendercode); }, nullptr,
         practiceAddressCountryMessage},
        {81, kBoth, [](const ERezeptData& d) { return presentWithBadLength(address(d).postleitzahl, 1, 10); },
         "Die PLZ der Einrichtung ist zu lang. Es dürfen maximal 10 Zeichen verwendet werden. Bitte prüfen Sie die "
         "Praxisinhabereinstellungen.",
         nullptr},
        {82, kBoth, [](const ERezeptData& d) { return !present(address(d).ortsname); },
         "Der Ortsname der Einrichtung ist nicht vorhanden. Bitte prüfen Sie die Anschrift in den "
         "Praxisinhabereinstellungen.",
         nullptr},
        {83, kBoth, [](const ERezeptData& d) { return presentWithBadLength(address(d).ortsname, 1, 40); },
         "Der Ortsname der Einrichtung ist zu lang. Es dürfen maximal 40 Zeichen verwendet werden. Bitte prüfen Sie "
         "die Praxisinhabereinstellungen.",
         nullptr},
        {84, kBoth, [](const ERezeptData& d) { return !present(address(d).strassenname); },
         "Der Straßenname der Einrichtung ist nicht vorhanden. Bitte prüfen Sie die Anschrift in den "
         "Praxisinhabereinstellungen.",
         nullptr},
        {85, kBoth, [](const ERezeptData& d) { return presentWithBadLength(address(d).strassenname, 1, 46); },
         "Der Straßenname der Einrichtung ist zu lang. Es dürfen maximal 46 Zeichen verwendet werden. Bitte prüfen "
         "Sie die Praxisinhabereinstellungen.",
         nullptr},
        {86, kBoth, [](const ERezeptData& d) { return !present(address(d).hausnummer); },
         "Die Hausnummer der Einrichtung ist nicht vorhanden. Bitte prüfen Sie die Anschrift in den "
         "Praxisinhabereinstellungen.",
         nullptr},
        {87, kBoth, [](const ERezeptData& d) { return presentWithBadLength(address(d).hausnummer, 1, 9); },
         "Die Hausnummer der Einrichtung ist zu lang. Es dürfen maximal 9 Zeichen verwendet werden. Bitte prüfen Sie "
         "die Praxisinhabereinstellungen.",
         nullptr},
        {88, kBoth, [](const ERezeptData& d) { return presentWithBadLength(address(d).anschriftenzusatz, 1, 40); },
         "Der Anschriftenzusatz der Einrichtung ist zu lang. Es dürfen maximal 40 Zeichen verwendet werden. Bitte "
         "prüfen Sie die Praxisinhabereinstellungen.",
         nullptr},
        {89, kBoth, [](const ERezeptData& d) { return !present(practice(d).telefonnummer); },
         "Die Telefonnummer der Einrichtung ist nicht vorhanden. Bitte prüfen Sie die Telefonstammdaten in den "
         "Praxisinhabereinstellungen.",
         nullptr},
        {90, kBoth, [](const ERezeptData& d) { return presentWithBadLength(practice(d).telefonnummer, 1, 30); },
         "Die Telefonnummer der Einrichtung ist zu lang. Es dürfen maximal 30 Zeichen verwendet werden. Bitte prüfen "
         "Sie die Telefonstammdaten in den Praxisinhabereinstellungen.",
         nullptr},
        {91, kBoth, [](const ERezeptData& d) { return presentWithBadLength(practice(d).faxnummer, 1, 30); },
         "Die Faxnummer der Einrichtung ist zu lang. Es dürfen maximal 30 Zeichen verwendet werden. Bitte prüfen Sie "
         "die Telefonstammdaten in den Praxisinhabereinstellungen.",
         nullptr},
        {92, kBoth, [](const ERezeptData& d) { return presentWithBadLength(practice(d).email, 1, 256); },
         "Die E-Mail Adresse der Einrichtung ist zu lang. Es dürfen maximal 256 Zeichen verwendet werden. Bitte "
         "prüfen Sie die Telefonstammdaten in den Praxisinhabereinstellungen.",
         nullptr},
    };
}

}  // namespace fhir::erezeptchecks
