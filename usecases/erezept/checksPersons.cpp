// Checks 52-71: the prescribing person and, when given, the responsible one.
// Both run the same rows on their own values with their own wording.
#include "usecases/erezept/checksTable.h"

namespace fhir::erezeptchecks {
namespace {

using Person = shared::PersonData;

// The texts of the rows that both persons share, in row order.
struct PersonTexts {
    const char* jobTitleMissing;
    const char* jobTitleTooLong;
    const char* asvGroupNumberInvalid;
    const char* numberMissing;
    const char* numberInvalid;
    const char* telematikIdTooLong;
    const char* givenNameMissing;
    const char* givenNameTooLong;
    const char* familyNameMissing;
    const char* familyNameTooLong;
    const char* titleTooLong;
    const char* additionTooLong;
    const char* prefixWordTooLong;
};

constexpr const char* kAsvGroupNumberNotAllowed =
    "Es wurde eine ASV-Fachgruppennummer übermittelt, aber die Bedingungen für die Angabe einer "
    "ASV-Fachgruppennummer sind nicht erfüllt. Bitte wenden Sie sich an die Hotline.";

constexpr PersonTexts kPrescriberTexts{
    "Die Berufsbezeichnung der ausstellenden/ verschreibenden Person ist nicht vorhanden. Bitte prüfen Sie die "
    "Personalstammdaten.",
    "Die Berufsbezeichnung der ausstellenden/ verschreibenden Person ist zu lang. Es dürfen maximal 100 Zeichen "
    "verwendet werden. Bitte prüfen Sie die Personalstammdaten.",
    "Die ASV-Fachgruppennummer der ausstellenden/ verschreibenden Person ist ungültig. Bitte prüfen Sie die "
    "Personalstammdaten.",
    "Keine Arztnummer oder Zahnarztnummer der ausstellenden/verschreibenden Person vorhanden. Bitte prüfen Sie die "
    "Praxisinhaber- und Behandlereinstellungen.",
    "Die Arztnummer oder Zahnarztnummer der ausstellenden/verschreibenden Person ist ungültig. Bitte prüfen Sie die "
    "Praxisinhaber- und Behandlereinstellungen.",
    "Die Telematik-ID der ausstellenden/verschreibenden Person ist zu lang. Es dürfen maximal 128 Zeichen verwendet "
    "werden. Bitte prüfen Sie die Praxisinhaber- und Behandlereinstellungen.",
    "Der Vorname der ausstellenden/ verschreibenden Person ist nicht vorhanden. Bitte prüfen Sie die "
    "Personalstammdaten.",
    "Der Vorname der ausstellenden/ verschreibenden Person ist zu lang. Es dürfen maximal 45 Zeichen verwendet "
    "werden. Bitte prüfen Sie die Personalstammdaten.",
    "Der Nachname der ausstellenden/ verschreibenden Person ist nicht vorhanden. Bitte prüfen Sie die "
    "Personalstammdaten.",
    "Der Nachname der ausstellenden/ verschreibenden Person ist zu lang. Es dürfen maximal 45 Zeichen verwendet "
    "werden. Bitte prüfen Sie die Personalstammdaten.",
    "Der Titel der ausstellenden/ verschreibenden Person ist zu lang. Es dürfen maximal 100 Zeichen verwendet "
    "werden. Bitte prüfen Sie die Personalstammdaten.",
    "Der Namenszusatz der ausstellenden/ verschreibenden Person ist zu lang. Es dürfen maximal 20 Zeichen verwendet "
    "werden. Bitte prüfen Sie die Personalstammdaten.",
    "Das Vorsatzwotz der ausstellenden/ verschreibenden Person ist zu lang. Es dürfen maximal 20 Zeichen verwendet "
    "werden. Bitte prüfen Sie die Personalstammdaten.",
};

constexpr PersonTexts kResponsibleTexts{
    "Die Berufsbezeichnung der verantwortlichen Person ist nicht vorhanden. Bitte prüfen Sie die "
    "Personalstammdaten.",
    "Die Berufsbezeichnung der verantwortlichen Person ist zu lang. Es dürfen maximal 100 Zeichen verwendet werden. "
    "Bitte prüfen Sie die Personalstammdaten.",
    "Die ASV-Fachgruppennummer der verantwortlichen Person ist ungültig. Bitte prüfen Sie die Personalstammdaten.",
    "Keine Arztnummer oder Zahnarztnummer der verantwortlichen Person vorhanden. Bitte prüfen Sie die "
    "Praxisinhaber- und Behandlereinstellungen.",
    "Die Arztnummer oder Zahnarztnummer der verantwortlichen Person ist ungültig. Bitte prüfen Sie die "
    "Praxisinhaber- und Behandlereinstellungen.",
    // Wording of our own, in the form of the prescriber's row 59.
    "Die Telematik-ID der verantwortlichen Person ist zu lang. Es dürfen maximal 128 Zeichen verwendet werden. "
    "Bitte prüfen Sie die Praxisinhaber- und Behandlereinstellungen.",
    "Der Vorname der verantwortlichen Person ist nicht vorhanden. Bitte prüfen Sie die Personalstammdaten.",
    "Der Vorname der verantwortlichen Person ist zu lang. Es dürfen maximal 45 Zeichen verwendet werden. Bitte "
    "prüfen Sie die Personalstammdaten.",
    "Der Nachname der verantwortlichen Person ist nicht vorhanden. Bitte prüfen Sie die Personalstammdaten.",
    "Der Nachname der verantwortlichen Person ist zu lang. Es dürfen maximal 45 Zeichen verwendet werden. Bitte "
    "prüfen Sie die Personalstammdaten.",
    "Der Titel der verantwortlichen Person ist zu lang. Es dürfen maximal 100 Zeichen verwendet werden. Bitte "
    "prüfen Sie die Personalstammdaten.",
    "Der Namenszusatz der verantwortlichen Person ist zu lang. Es dürfen maximal 20 Zeichen verwendet werden. Bitte "
    "prüfen Sie die Personalstammdaten.",
    "Das Vorsatzwotz der verantwortlichen Person ist zu lang. Es dürfen maximal 20 Zeichen verwendet werden. Bitte "
    "prüfen Sie die Personalstammdaten.",
};

bool responsibleGiven(const ERezeptData& d) { return present(d.verantwortlichePerson.vorname); }

// The person a row reads; the responsible person's rows apply only when it
// is given.
template <Person ERezeptData::*kWho>
bool applies(const ERezeptData& d) {
    return kWho == &ERezeptData::person || responsibleGiven(d);
}

// A row on one person: applies to it and fails on its values.
template <Person ERezeptData::*kWho, bool (*kFails)(const ERezeptData&, const Person&)>
bool personFails(const ERezeptData& d) {
    return applies<kWho>(d) && kFails(d, d.*kWho);
}

bool jobTitleMissing(const ERezeptData&, const Person& p) { return !present(p.berufsbezeichnung); }
bool jobTitleTooLong(const ERezeptData&, const Person& p) { return presentWithBadLength(p.berufsbezeichnung, 1, 100); }
bool asvGroupNumberInvalid(const ERezeptData&, const Person& p) {
    return presentWithBadLength(p.asvfachgruppennummer, 9, 9);
}
bool asvGroupNumberNotAllowed(const ERezeptData& d, const Person& p) {
    return shared::asvGroupNumberNotAllowed(d.payer, p);
}
bool numberMissing(const ERezeptData& d, const Person& p) { return shared::physicianNumberMissing(d.payer, p); }
bool numberInvalid(const ERezeptData& d, const Person& p) {
    return insuredPayer(d) && isOneOf(p.type, {qualification::k00, qualification::k01, qualification::k04}) &&
           !present(p.asvfachgruppennummer) && presentWithBadLength(p.nummer, 9, 9);
}
bool telematikIdTooLong(const ERezeptData&, const Person& p) { return presentWithBadLength(p.telematikid, 1, 128); }
bool givenNameMissing(const ERezeptData&, const Person& p) { return !present(p.vorname); }
bool givenNameTooLong(const ERezeptData&, const Person& p) { return presentWithBadLength(p.vorname, 1, 45); }
bool familyNameMissing(const ERezeptData&, const Person& p) { return !present(p.nachname); }
bool familyNameTooLong(const ERezeptData&, const Person& p) {
    return present(p.nachname) && !tevo::checkLength(p.hauptteilnachname, 1, 45);
}
bool titleTooLong(const ERezeptData&, const Person& p) { return presentWithBadLength(p.titel, 1, 100); }
bool additionTooLong(const ERezeptData&, const Person& p) { return presentWithBadLength(p.namenszusatz, 1, 20); }
bool prefixWordTooLong(const ERezeptData&, const Person& p) { return presentWithBadLength(p.vorsatzwort, 1, 20); }

// Rows 53 to 59 on one person.
template <Person ERezeptData::*kWho>
std::vector<RecordCheck> numberAndTitleRows(int firstRow, const PersonTexts& t) {
    return {
        {firstRow, kBoth, personFails<kWho, jobTitleMissing>, t.jobTitleMissing, nullptr},
        {firstRow, kBoth, personFails<kWho, jobTitleTooLong>, t.jobTitleTooLong, nullptr},
        {firstRow, kBoth, personFails<kWho, asvGroupNumberInvalid>, t.asvGroupNumberInvalid, nullptr},
        {firstRow, kBoth, personFails<kWho, asvGroupNumberNotAllowed>, kAsvGroupNumberNotAllowed, nullptr},
        {firstRow, kBoth, personFails<kWho, numberMissing>, t.numberMissing, nullptr},
        {firstRow, kBoth, personFails<kWho, numberInvalid>, t.numberInvalid, nullptr},
        {firstRow, kBoth, personFails<kWho, telematikIdTooLong>, t.telematikIdTooLong, nullptr},
    };
}

// Rows 61 to 67 on one person.
template <Person ERezeptData::*kWho>
std::vector<RecordCheck> nameRows(int firstRow, const PersonTexts& t) {
    return {
        {firstRow, kBoth, personFails<kWho, givenNameMissing>, t.givenNameMissing, nullptr},
        {firstRow, kBoth, personFails<kWho, givenNameTooLong>, t.givenNameTooLong, nullptr},
        {firstRow, kBoth, personFails<kWho, familyNameMissing>, t.familyNameMissing, nullptr},
        {firstRow, kBoth, personFails<kWho, familyNameTooLong>, t.familyNameTooLong, nullptr},
        {firstRow, kBoth, personFails<kWho, titleTooLong>, t.titleTooLong, nullptr},
        {firstRow, kBoth, personFails<kWho, additionTooLong>, t.additionTooLong, nullptr},
        {firstRow, kBoth, personFails<kWho, prefixWordTooLong>, t.prefixWordTooLong, nullptr},
    };
}

bool asvCase(const ERezeptData& d) { return d.payer.asvCase; }

// Row 60 and its replacement in 1.3.2: the ASV team number belongs to ASV cases.
std::vector<RecordCheck> teamNumberRows() {
    return {
        {60, kV132, [](const ERezeptData& d) { return asvCase(d) && !present(d.person.asvteamnummer); },
         "ASV-Fall, aber keine ASV-Teamnummer der ausstellenden/verschreibenden Person vorhanden. Bitte prüfen Sie "
         "die Praxisinhaber- und Behandlereinstellungen.",
         nullptr},
        {60, kV132, [](const ERezeptData& d) { return !asvCase(d) && present(d.person.asvteamnummer); },
         "Kein ASV-Fall, trotzdem wird eine ASV-Teamnummer der ausstellenden/verschreibenden Person übermittelt. "
         "Bitte wenden Sie sich an die Hotline.",
         nullptr},
        {60, kBoth, [](const ERezeptData& d) { return presentWithBadLength(d.person.asvteamnummer, 9, 9); },
         "Die ASV-Teamnummer der ausstellenden/verschreibenden Person ist ungültig. Bitte prüfen Sie die "
         "Praxisinhaber- und Behandlereinstellungen.",
         nullptr},
    };
}

void append(std::vector<RecordCheck>& rows, const std::vector<RecordCheck>& more) {
    rows.insert(rows.end(), more.begin(), more.end());
}

}  // namespace

std::vector<RecordCheck> personChecks() {
    std::vector<RecordCheck> rows = {
        {52, kBoth, [](const ERezeptData& d) { return d.person.type == 0; },
         "Bitte erfassen Sie bei der ausstellenden/verschreibenden Person eine Qualifikation im Behandlerstamm.",
         nullptr},
    };
    append(rows, numberAndTitleRows<&ERezeptData::person>(53, kPrescriberTexts));
    append(rows, teamNumberRows());
    append(rows, nameRows<&ERezeptData::person>(61, kPrescriberTexts));
    append(rows, {
                     {68, kBoth,
                      [](const ERezeptData& d) {
                          return !isOneOf(d.person.type, {qualification::k03, qualification::k04}) &&
                                 responsibleGiven(d);
                      },
                      "Die verantwortliche Person darf nur vorhanden sein, wenn der Typ der "
                      "ausstellenden/verschreibenden Person \"Arzt in Weiterbildung\" oder \"Arzt als Vertreter\" "
                      "ist.",
                      nullptr},
                     {69, kBoth,
                      [](const ERezeptData& d) { return responsibleGiven(d) && d.verantwortlichePerson.type == 0; },
                      "Bitte erfassen Sie bei der verantwortlichen Person eine Qualifikation im Behandlerstamm.",
                      nullptr},
                     {70, kBoth,
                      [](const ERezeptData& d) {
                          return responsibleGiven(d) && isOneOf(d.verantwortlichePerson.type,
                                                                {qualification::k02, qualification::k03});
                      },
                      "Der Typ der verantwortlichen Person darf nicht Hebamme oder Arzt in Weiterbildung sein. Bitte "
                      "prüfen Sie bei der verantwortlichen Person die Qualifikation im Behandlerstamm.",
                      nullptr},
                 });
    append(rows, numberAndTitleRows<&ERezeptData::verantwortlichePerson>(71, kResponsibleTexts));
    append(rows, nameRows<&ERezeptData::verantwortlichePerson>(71, kResponsibleTexts));
    return rows;
}

}  // namespace fhir::erezeptchecks
