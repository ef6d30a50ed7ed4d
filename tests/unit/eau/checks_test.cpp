// The certificate checks: one table of record edits and the exact messages
// (code page 1252 bytes) they must produce, per profile version.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "unit/support/EauRecords.h"
#include "usecases/eau/checks.h"
#include "usecases/eau/checksTable.h"
#include "usecases/eau/convert.h"

namespace {

using tevo::ProfileVersion;
using tevotest::icd;
using tevotest::validEauRecord;

// Expected texts, typed independently of the implementation in code page 1252.
const std::map<int, std::string>& expectedTexts() {
    static const std::map<int, std::string> kTexts = {
        {1, "Die Pr\xFC" "fnummer ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline."},
        {2, "Die Pr\xFC" "fnummer ist ung\xFCltig. Bitte wenden Sie sich an die Tevo-Hotline."},
        {3, "Der Kostentr\xE4gertyp ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline."},
        {4, "Die IK der zust\xE4ndigen Krankenkasse lt.eGK ist nicht vorhanden. Bitte wenden Sie sich an die "
            "Tevo-Hotline."},
        {5, "Die IK der zust\xE4ndigen Krankenkasse lt.eGK ist ung\xFCltig. Bitte wenden Sie sich an die Tevo-Hotline."},
        {6, "Die IK des Kostentr\xE4gers darf nur \xFC" "bertragen werden, wenn der Kostentr\xE4gertyp BG oder UK ist. "
            "Bitte wenden Sie sich an die Tevo-Hotline."},
        {7, "Die IK des Kostentr\xE4gers ist ung\xFCltig. Bitte wenden Sie sich an die Tevo-Hotline."},
        {8, "Der Name des Kostentr\xE4gers ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline."},
        {9, "Der Name des Kostentr\xE4gers ist ung\xFCltig. Bitte wenden Sie sich an die Tevo-Hotline."},
        {10, "Die Versichertenart ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline."},
        {11, "Die besondere Personengruppe ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline."},
        {12, "Das DMP Kennzeichen ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline."},
        {13, "Das Kennzeichen der Rechtsgrundlage ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline."},
        {14, "Das Ende des Versicherungsschutz ist ung\xFCltig. Bitte pr\xFC" "fen Sie die Eingaben zum "
             "Versicherungsverh\xE4ltnis."},
        {15, "Der Identifikator des Versicherten (Versichertennummer) ist nicht vorhanden. Bitte wenden Sie sich an "
             "die Tevo-Hotline."},
        {16, "Die GKV-Versicherten-ID ist ung\xFCltig. Bitte wenden Sie sich an die Tevo-Hotline."},
        {17, "Die KVK-Versicherten-ID ist ung\xFCltig. Bitte wenden Sie sich an die Tevo-Hotline."},
        {18, "Die PKV-Versicherten-ID ist ung\xFCltig. Bitte wenden Sie sich an die Tevo-Hotline."},
        {19, "Der Vorname des Versicherten ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Eingaben zum "
             "Versicherungsverh\xE4ltnis."},
        {20, "Der Nachname des Versicherten ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Eingaben zum "
             "Versicherungsverh\xE4ltnis."},
        {21, "Der Nachname des Versicherten ist zu lang. Es d\xFCrfen maximal 45 Zeichen verwendet werden. Bitte "
             "pr\xFC" "fen Sie die Eingaben zum Versicherungsverh\xE4ltnis."},
        {22, "Das Geburtsdatum des Versicherten ist ung\xFCltig. Bitte pr\xFC" "fen Sie die Eingaben zum "
             "Versicherungsverh\xE4ltnis."},
        {23, "F\xFCr den Versicherten ist keine Adresse vorhanden. Bitte pr\xFC" "fen Sie die Eingaben zum "
             "Versicherungsverh\xE4ltnis."},
        {24, "Es ist weder eine Stra\xDF" "enadresse noch eine Postfachanschrift (mit Postleitzahl) des Versicherten "
             "angegeben. Bitte pr\xFC" "fen Sie die Eingaben zum Versicherungsverh\xE4ltnis."},
        {27, "Bitte erfassen Sie bei der ausstellenden/verschreibenden Person eine Qualifikation im Behandlerstamm."},
        {28, "Die Berufsbezeichnung der ausstellenden/ verschreibenden Person ist nicht vorhanden. Bitte pr\xFC" "fen "
             "Sie die Personalstammdaten."},
        {29, "Die ASV-Fachgruppennummer der ausstellenden/ verschreibenden Person ist ung\xFCltig. Bitte pr\xFC" "fen "
             "Sie die Personalstammdaten."},
        {30, "Es wurde eine ASV-Fachgruppennummer \xFC" "bermittelt, aber die Bedingungen f\xFCr die Angabe einer "
             "ASV-Fachgruppennummer sind nicht erf\xFCllt. Bitte wenden Sie sich an die Hotline."},
        {31, "Keine Arztnummer oder Zahnarztnummer der ausstellenden/verschreibenden Person vorhanden. Bitte pr\xFC"
             "fen Sie die Praxisinhaber- und Behandlereinstellungen."},
        {32, "Die Arztnummer oder Zahnarztnummer der ausstellenden/verschreibenden Person ist ung\xFCltig. Bitte "
             "pr\xFC" "fen Sie die Praxisinhaber- und Behandlereinstellungen."},
        {33, "Kein ASV-Fall, trotzdem wird eine ASV-Teamnummer der ausstellenden/verschreibenden Person \xFC"
             "bermittelt. Bitte wenden Sie sich an die Hotline."},
        {34, "ASV-Fall, aber keine ASV-Teamnummer der ausstellenden/verschreibenden Person vorhanden. Bitte pr\xFC"
             "fen Sie die Praxisinhaber- und Behandlereinstellungen."},
        {35, "Die ASV-Teamnummer der ausstellenden/verschreibenden Person ist ung\xFCltig. Bitte pr\xFC" "fen Sie die "
             "Praxisinhaber- und Behandlereinstellungen."},
        {36, "Der Vorname der ausstellenden/ verschreibenden Person ist nicht vorhanden. Bitte pr\xFC" "fen Sie die "
             "Personalstammdaten."},
        {37, "Der Nachname der ausstellenden/ verschreibenden Person ist nicht vorhanden. Bitte pr\xFC" "fen Sie die "
             "Personalstammdaten."},
        {38, "Der Nachname der ausstellenden/ verschreibenden Person ist zu lang. Es d\xFCrfen maximal 45 Zeichen "
             "verwendet werden. Bitte pr\xFC" "fen Sie die Personalstammdaten."},
        {39, "Bitte erfassen Sie bei der verantwortlichen Person eine Qualifikation im Behandlerstamm."},
        {40, "Der Typ der verantwortlichen Person darf nicht Hebamme oder Arzt in Weiterbildung sein. Bitte pr\xFC"
             "fen Sie bei der verantwortlichen Person die Qualifikation im Behandlerstamm."},
        {41, "Die Berufsbezeichnung der verantwortlichen Person ist nicht vorhanden. Bitte pr\xFC" "fen Sie die "
             "Personalstammdaten."},
        {42, "Die ASV-Fachgruppennummer der verantwortlichen Person ist ung\xFCltig. Bitte pr\xFC" "fen Sie die "
             "Personalstammdaten."},
        {43, "Es wurde eine ASV-Fachgruppennummer \xFC" "bermittelt, aber die Bedingungen f\xFCr die Angabe einer "
             "ASV-Fachgruppennummer sind nicht erf\xFCllt. Bitte wenden Sie sich an die Hotline."},
        {44, "Keine Arztnummer oder Zahnarztnummer der verantwortlichen Person vorhanden. Bitte pr\xFC" "fen Sie die "
             "Praxisinhaber- und Behandlereinstellungen."},
        {45, "Die Arztnummer oder Zahnarztnummer der verantwortlichen Person ist ung\xFCltig. Bitte pr\xFC" "fen Sie "
             "die Praxisinhaber- und Behandlereinstellungen."},
        {46, "Der Nachname der verantwortlichen Person ist nicht vorhanden. Bitte pr\xFC" "fen Sie die "
             "Personalstammdaten."},
        {47, "Der Nachname der verantwortlichen Person ist zu lang. Es d\xFCrfen maximal 45 Zeichen verwendet werden. "
             "Bitte pr\xFC" "fen Sie die Personalstammdaten."},
        {48, "Es ist keine Identifikationsnummer der Einrichtung vorhanden (BSNR, IK-Nummer, KZV-Abrechnungsnummer "
             "oder Standortnummer). Bitte pr\xFC" "fen Sie die Praxisinhabereinstellungen."},
        {49, "Die Betriebsst\xE4ttennummer ist ung\xFCltig. Bitte pr\xFC" "fen Sie die Praxisinhabereinstellungen."},
        {50, "Die IK-Nummer ist ung\xFCltig. Bitte pr\xFC" "fen Sie die Praxisinhabereinstellungen."},
        {51, "Die KZV-Abrechnungsnummer ist ung\xFCltig. Bitte pr\xFC" "fen Sie die Praxisinhabereinstellungen."},
        {52, "Die Standortnummer ist ung\xFCltig. Bitte pr\xFC" "fen Sie die Praxisinhabereinstellungen."},
        {53, "Der Name der Einrichtung ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Praxisinhabereinstellungen."},
        {55, "Der Ortsname der Einrichtung ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Anschrift in den "
             "Praxisinhabereinstellungen."},
        {56, "Der Stra\xDF" "enname der Einrichtung ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Anschrift in den "
             "Praxisinhabereinstellungen."},
        {57, "Die Hausnummer der Einrichtung ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Anschrift in den "
             "Praxisinhabereinstellungen."},
        {58, "Die Telefonnummer der Einrichtung ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Telefonstammdaten in "
             "den Praxisinhabereinstellungen."},
        {59, "Das Ausstellungsdatum ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline."},
        {60, "Das Ausstellungsdatum ist ung\xFCltig. Bitte wenden Sie sich an die Tevo-Hotline."},
        {61, "Das arbeitsunf\xE4hig seit Datum ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Datumsangaben in der "
             "eAU."},
        {62, "Das arbeitsunf\xE4hig-seit-Datum ist ung\xFCltig. Bitte pr\xFC" "fen Sie die Datumsangaben in der eAU."},
        {63, "Das voraussichtlich-arbeitsunf\xE4hig-bis-Datum ist nicht vorhanden. Bitte pr\xFC" "fen Sie die "
             "Datumsangaben in der eAU."},
        {64, "Das voraussichtlich-arbeitsunf\xE4hig-bis-Datum ist ung\xFCltig. Bitte pr\xFC" "fen Sie die "
             "Datumsangaben in der eAU."},
        {65, "Das teilweise-arbeitsf\xE4hig-ab-Datum f\xFCr PKV-Versicherte ist ung\xFCltig. Bitte pr\xFC" "fen Sie die "
             "Datumsangaben in der eAU."},
        {66, "Das festgestellt-am-Datum ist nicht vorhanden. Bitte pr\xFC" "fen Sie die Datumsangaben in der eAU."},
        {67, "Das festgestellt-am-Datum ist ung\xFCltig. Bitte pr\xFC" "fen Sie die Datumsangaben in der eAU."},
        {68, "Die Art der AU ist nicht vorhanden (Erst, Folge, Erst-End, Folge-End). Bitte pr\xFC" "fen Sie die "
             "Angaben in der eAU."},
        {69, "Das Aufnahmedatum bspw. in die Reha, station\xE4re Behandlung usw. f\xFCr PKV-Versicherte ist "
             "ung\xFCltig. Bitte pr\xFC" "fen Sie die Datumsangaben in der eAU."},
        {70, "Das Entlassungsdatum bspw. aus der Reha, station\xE4ren Behandlung usw. f\xFCr PKV-Versicherte ist "
             "ung\xFCltig. Bitte pr\xFC" "fen Sie die Datumsangaben in der eAU."},
        {71, "Das Wiedereingliederung-ab-Datum f\xFCr PKV-Versicherte ist ung\xFCltig. Bitte pr\xFC" "fen Sie die "
             "Datumsangaben in der eAU."},
        {72, "Der Text f\xFCr Sonstige Ma\xDFnahmen darf nicht leer sein, wenn sonstige Ma\xDFnahmen ausgew\xE4hlt "
             "sind. Bitte \xFC" "berpr\xFC" "fen Sie die Angaben zu den Ma\xDFnahmen in der eAU."},
        {73, "Es ist keine ICD-10-Diagnose vorhanden. Bitte tragen Sie eine ICD-10-Diagnose in die daf\xFCr "
             "vorgesehenen Felder ein."},
        {74, "Es k\xF6nnen maximal 6 ICD-10-Diagnosen angegeben werden."},
    };
    return kTexts;
}

// An expected message: a fixed row, a country row with its code, or a
// diagnosis row with its position.
struct Expect {
    int row;
    std::string value;
};
Expect m(int row) { return {row, ""}; }
Expect country(int row, const char* code) { return {row, code}; }
Expect diag(int row, int position) { return {row, std::to_string(position)}; }

std::string countryText(int row, const std::string& code) {
    const std::string end =
        "\" entspricht nicht den gesetzlichen Vorgaben. Bitte korrigieren Sie das L\xE4nderkennzeichen in der ";
    switch (row) {
    case 25:
        return "Der Wohnsitzl\xE4ndercode der Versichertenanschrift \"" + code + end + "Anschrift des Patienten auf \"D\".";
    case 26:
        return "Der Wohnsitzl\xE4ndercode der Versichertenpostfachanschrift \"" + code + end +
               "Postfachanschrift des Patienten auf \"D\".";
    default:
        return "Der Wohnsitzl\xE4ndercode der Praxisanschrift \"" + code + end + "Anschrift des Praxisinhabers auf \"D\".";
    }
}

std::string diagnosisText(int row, const std::string& n) {
    switch (row) {
    case 75:
        return "F\xFCr Diagnose #" + n + " ist kein ICD-10-Code vorhanden.";
    case 76:
        return "F\xFCr Diagnose #" + n + " ist ein ung\xFCltiger ICD-10-Code vorhanden. Ein ICD-10-Code darf nur 3-6 "
               "Zeichen enthalten. Bitte wenden Sie sich an die Tevo-Hotline.";
    case 77:
        return "F\xFCr Diagnose #" + n + " ist keine Version vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.";
    default:
        return "Die Version f\xFCr Diagnose #" + n + " ist ung\xFCltig. Bitte wenden Sie sich an die Tevo-Hotline.";
    }
}

std::string textOf(const Expect& e) {
    if (e.row == 25 || e.row == 26 || e.row == 54) {
        return countryText(e.row, e.value);
    }
    if (e.row >= 75) {
        return diagnosisText(e.row, e.value);
    }
    return expectedTexts().at(e.row);
}

enum Versions { kOnly110 = 1, kOnly120 = 2, kBoth = 3 };

struct Case {
    const char* name;
    Versions versions;
    void (*edit)(EauRecord&);
    std::vector<Expect> want;
};

std::string repeat(char c, int count) { return std::string(static_cast<std::size_t>(count), c); }
HostString text(int count) { return HostString(repeat('x', count).c_str()); }

void makePkv(EauRecord& r) {
    r.empfaenger.kostentraegertyp = "PKV";
    r.versicherter.identifierType = "pkv";
    r.versicherter.versichertennummer = "P123456789";
}

void giveResponsiblePerson(EauRecord& r) { r.verantwortlichePerson = tevotest::validEauPerson(); }

void makeAsvCase(EauRecord& r) {
    r.empfaenger.kennzeichenrechtsgrundlage = "01";
    r.person.nummer = "";
    r.person.telematikid = "";
    r.person.asvfachgruppennummer = "123456789";
    r.person.asvteamnummer = "987654321";
}

const std::vector<Case>& cases() {
    static const std::vector<Case> kCases = {
        {"ValidRecord", kBoth, [](EauRecord&) {}, {}},
        {"GkvAndNothingElse", kBoth, [](EauRecord& r) {
             r = EauRecord();
             r.empfaenger.kostentraegertyp = "GKV";
         },
         {m(1), m(4), m(8), m(10), m(11), m(12), m(13), m(15), m(19), m(20), m(23), m(27), m(28), m(36), m(37),
          m(53), m(55), m(56), m(57), m(58), m(59), m(63), m(66), m(68), m(73)}},
        {"EmptyRecord", kBoth, [](EauRecord& r) { r = EauRecord(); },
         {m(3), m(8), m(19), m(20), m(23), m(27), m(28), m(36), m(37), m(53), m(55), m(56), m(57), m(58), m(59),
          m(63), m(66), m(68), m(73)}},
        // Payer.
        {"PayerInLowerCaseIsUnknown", kBoth, [](EauRecord& r) { r.empfaenger.kostentraegertyp = "gkv"; },
         {m(3), m(14)}},
        {"PruefnummerMissingPkv", kBoth, [](EauRecord& r) {
             makePkv(r);
             r.dokumenteninformationen.pruefnummer = "";
         },
         {}},
        {"PruefnummerMissingGkv", kBoth, [](EauRecord& r) { r.dokumenteninformationen.pruefnummer = "  "; }, {m(1)}},
        {"PruefnummerTooShort", kBoth, [](EauRecord& r) { r.dokumenteninformationen.pruefnummer = text(5); }, {m(2)}},
        {"PruefnummerTooLong", kBoth, [](EauRecord& r) { r.dokumenteninformationen.pruefnummer = text(18); }, {m(2)}},
        {"IkKrankenkasseTooShort", kBoth, [](EauRecord& r) { r.empfaenger.ikkrankenkasse = "10421205"; }, {m(5)}},
        {"IkKostentraegerOnGkv", kBoth, [](EauRecord& r) { r.empfaenger.ikkostentrager = "120390000"; }, {m(6)}},
        {"IkKostentraegerOnBg", kBoth, [](EauRecord& r) {
             r.empfaenger.kostentraegertyp = "BG";
             r.empfaenger.ikkostentrager = "120390000";
         },
         {}},
        {"IkKostentraegerOnUkTooLong", kBoth, [](EauRecord& r) {
             r.empfaenger.kostentraegertyp = "UK";
             r.empfaenger.ikkostentrager = "1203900001";
         },
         {m(7)}},
        {"NameKostentraegerTooLong", kBoth, [](EauRecord& r) { r.empfaenger.namekostentraeger = text(46); }, {m(9)}},
        // Insurance codes.
        {"UnknownInsuredKind", kBoth, [](EauRecord& r) { r.empfaenger.versichertenart = "2"; }, {m(10)}},
        {"UnknownCodesGkv", kBoth, [](EauRecord& r) {
             r.empfaenger.besonderepersonengruppe = "05";
             r.empfaenger.dmpkennzeichen = "13";
             r.empfaenger.kennzeichenrechtsgrundlage = "02";
         },
         {m(11), m(12), m(13)}},
        {"SelWithoutInsuranceCodes", kBoth, [](EauRecord& r) {
             r.empfaenger.kostentraegertyp = "SEL";
             r.empfaenger.versichertenart = "";
             r.empfaenger.besonderepersonengruppe = "";
             r.empfaenger.dmpkennzeichen = "";
             r.empfaenger.kennzeichenrechtsgrundlage = "";
             r.versicherter.versicherungsschutzende = "2029";
         },
         {}},
        {"SelWithOneInsuranceCode", kBoth, [](EauRecord& r) {
             r.empfaenger.kostentraegertyp = "SEL";
             r.empfaenger.versichertenart = "";
             r.empfaenger.besonderepersonengruppe = "";
             r.empfaenger.kennzeichenrechtsgrundlage = "";
         },
         {m(10), m(11), m(13), m(14)}},
        {"SelWithLongCoverEnd", kBoth, [](EauRecord& r) {
             r.empfaenger.kostentraegertyp = "SEL";
             r.versicherter.versicherungsschutzende = "2029-12-31";
         },
         {}},
        {"CoverEndTooShort", kBoth, [](EauRecord& r) { r.versicherter.versicherungsschutzende = "2029123"; }, {m(14)}},
        {"CoverEndTooLong", kBoth, [](EauRecord& r) { r.versicherter.versicherungsschutzende = "2029-12-311"; },
         {m(14)}},
        // Insured number.
        {"IdentifierTypeUpperCase", kBoth, [](EauRecord& r) { r.versicherter.identifierType = "GKV"; }, {}},
        {"IdentifierTypeUnknown", kBoth, [](EauRecord& r) { r.versicherter.identifierType = "egk"; }, {m(15)}},
        {"GkvNumberTooLong", kBoth, [](EauRecord& r) { r.versicherter.versichertennummer = "A1234567890"; }, {m(16)}},
        {"KvkNumberTooShort", kBoth, [](EauRecord& r) {
             r.versicherter.identifierType = "Kvk";
             r.versicherter.versichertennummer = "12345";
         },
         {m(17)}},
        {"KvkNumberLongest", kBoth, [](EauRecord& r) {
             r.versicherter.identifierType = "kvk";
             r.versicherter.versichertennummer = "123456789012";
         },
         {}},
        {"PkvNumberTooShort", kBoth, [](EauRecord& r) {
             makePkv(r);
             r.versicherter.versichertennummer = "P12345678";
         },
         {m(18)}},
        // Insured name and birth date.
        {"InsuredFirstNameMissing", kBoth, [](EauRecord& r) { r.versicherter.vorname = ""; }, {m(19)}},
        {"InsuredFirstNameCutSilently", kBoth, [](EauRecord& r) { r.versicherter.vorname = text(46); }, {}},
        {"InsuredFamilyNameMissing", kBoth, [](EauRecord& r) { r.versicherter.nachname = " "; }, {m(20)}},
        {"InsuredFamilyName46", kBoth, [](EauRecord& r) { r.versicherter.nachname = text(46); }, {m(21)}},
        {"InsuredFamilyName45WithUmlauts", kBoth, [](EauRecord& r) {
             r.versicherter.nachname = HostString((repeat('\xE4', 5) + repeat('x', 40)).c_str());
         },
         {}},
        {"BirthYearOnly", kBoth, [](EauRecord& r) { r.versicherter.geburtsdatum = "0000"; }, {}},
        {"BirthDateTooShort", kBoth, [](EauRecord& r) { r.versicherter.geburtsdatum = "196"; }, {m(22)}},
        // Insured address.
        {"NoAddress", kOnly110, [](EauRecord& r) { r.versicherter.strassenadresse.postleitzahl = ""; }, {m(23)}},
        {"NoAddress", kOnly120, [](EauRecord& r) { r.versicherter.strassenadresse.postleitzahl = ""; },
         {m(23), m(24)}},
        {"NoAddressNoNumber", kOnly120, [](EauRecord& r) {
             r.versicherter.strassenadresse.postleitzahl = "";
             r.versicherter.versichertennummer = "";
         },
         {m(15), m(23)}},
        {"PostBoxOnly", kBoth, [](EauRecord& r) {
             r.versicherter.strassenadresse = EauStreetAddress();
             r.versicherter.postfachanschrift.postleitzahl = "10001";
             r.versicherter.postfachanschrift.postfach = "123456";
             r.versicherter.postfachanschrift.wohnsitzlaenderkuerzel = "D";
         },
         {}},
        {"StreetCountryUnknown", kBoth, [](EauRecord& r) { r.versicherter.strassenadresse.wohnsitzlaenderkuerzel = "XX"; },
         {country(25, "XX")}},
        {"StreetCountryLowerCase", kBoth,
         [](EauRecord& r) { r.versicherter.strassenadresse.wohnsitzlaenderkuerzel = "d"; }, {country(25, "d")}},
        {"StreetCountryOnlyInNewerTable", kOnly110,
         [](EauRecord& r) { r.versicherter.strassenadresse.wohnsitzlaenderkuerzel = "AU"; }, {country(25, "AU")}},
        {"StreetCountryOnlyInNewerTable", kOnly120,
         [](EauRecord& r) { r.versicherter.strassenadresse.wohnsitzlaenderkuerzel = "AU"; }, {}},
        {"StreetCountryWithoutPostalCode", kOnly110, [](EauRecord& r) {
             r.versicherter.strassenadresse.wohnsitzlaenderkuerzel = "XX";
             r.versicherter.strassenadresse.postleitzahl = "";
             r.versicherter.postfachanschrift.postleitzahl = "10001";
         },
         {}},
        {"PostBoxCountryUnknown", kBoth, [](EauRecord& r) {
             r.versicherter.postfachanschrift.postleitzahl = "10001";
             r.versicherter.postfachanschrift.wohnsitzlaenderkuerzel = "ZZ";
         },
         {country(26, "ZZ")}},
        {"PostBoxCountryWithoutPostalCode", kBoth,
         [](EauRecord& r) { r.versicherter.postfachanschrift.wohnsitzlaenderkuerzel = "ZZ"; }, {}},
        // Issuing person.
        {"PersonTypeMissing", kBoth, [](EauRecord& r) { r.person.typ = ""; }, {m(27)}},
        {"PersonJobTitleMissing", kBoth, [](EauRecord& r) { r.person.berufsbezeichnung = ""; }, {m(28)}},
        {"AsvGroupNumberOutsideAsv", kBoth, [](EauRecord& r) { r.person.asvfachgruppennummer = "12345678"; },
         {m(29), m(30)}},
        {"AsvCaseComplete", kBoth, makeAsvCase, {}},
        {"AsvCaseWithTelematikId", kBoth, [](EauRecord& r) {
             makeAsvCase(r);
             r.person.telematikid = "1-2-3";
         },
         {m(30)}},
        {"AsvCaseWithDentistType", kBoth, [](EauRecord& r) {
             makeAsvCase(r);
             r.person.typ = "01";
         },
         {m(30)}},
        {"AsvCaseWithoutTeamNumber", kOnly110, [](EauRecord& r) {
             makeAsvCase(r);
             r.person.asvteamnummer = "";
         },
         {}},
        {"AsvCaseWithoutTeamNumber", kOnly120, [](EauRecord& r) {
             makeAsvCase(r);
             r.person.asvteamnummer = "";
         },
         {m(34)}},
        {"TeamNumberOutsideAsv", kOnly110, [](EauRecord& r) { r.person.asvteamnummer = "12345678"; }, {m(35)}},
        {"TeamNumberOutsideAsv", kOnly120, [](EauRecord& r) { r.person.asvteamnummer = "12345678"; },
         {m(33), m(35)}},
        {"PhysicianNumberMissing", kBoth, [](EauRecord& r) {
             r.person.typ = "01";
             r.person.nummer = "";
         },
         {m(31)}},
        {"PhysicianNumberMissingMidwife", kBoth, [](EauRecord& r) {
             r.person.typ = "02";
             r.person.nummer = "";
             r.institution.custodiantype = "";
         },
         {}},
        {"PhysicianNumberMissingSel", kBoth, [](EauRecord& r) {
             r.empfaenger.kostentraegertyp = "SEL";
             r.versicherter.versicherungsschutzende = "2029-12-31";
             r.person.nummer = "";
         },
         {}},
        {"PhysicianNumberTooShort", kBoth, [](EauRecord& r) { r.person.nummer = "12345660"; }, {m(32)}},
        {"PersonNames", kBoth, [](EauRecord& r) {
             r.person.vorname = "";
             r.person.nachname = text(46);
         },
         {m(36), m(38)}},
        {"PersonFamilyNameMissing", kBoth, [](EauRecord& r) { r.person.nachname = ""; }, {m(37)}},
        // Responsible person.
        {"ResponsiblePersonComplete", kBoth, giveResponsiblePerson, {}},
        {"ResponsiblePersonFirstNameOnly", kBoth, [](EauRecord& r) { r.verantwortlichePerson.vorname = "Anna"; },
         {m(39), m(41), m(46)}},
        {"ResponsiblePersonWithoutFirstName", kBoth, [](EauRecord& r) {
             giveResponsiblePerson(r);
             r.verantwortlichePerson.vorname = "";
             r.verantwortlichePerson.typ = "03";
             r.verantwortlichePerson.nachname = text(50);
         },
         {}},
        {"ResponsiblePersonTrainee", kBoth, [](EauRecord& r) {
             giveResponsiblePerson(r);
             r.verantwortlichePerson.typ = "03";
         },
         {m(40)}},
        {"ResponsiblePersonMidwife", kBoth, [](EauRecord& r) {
             giveResponsiblePerson(r);
             r.verantwortlichePerson.typ = "02";
         },
         {m(40)}},
        {"ResponsiblePersonAsvGroupNumber", kBoth, [](EauRecord& r) {
             giveResponsiblePerson(r);
             r.verantwortlichePerson.asvfachgruppennummer = "1234";
         },
         {m(42), m(43)}},
        {"ResponsiblePersonNumbers", kBoth, [](EauRecord& r) {
             giveResponsiblePerson(r);
             r.verantwortlichePerson.typ = "04";
             r.verantwortlichePerson.nummer = "";
         },
         {m(44)}},
        {"ResponsiblePersonNumberTooLong", kBoth, [](EauRecord& r) {
             giveResponsiblePerson(r);
             r.verantwortlichePerson.nummer = "1234566010";
         },
         {m(45)}},
        {"ResponsiblePersonFamilyName", kBoth, [](EauRecord& r) {
             giveResponsiblePerson(r);
             r.verantwortlichePerson.nachname = text(46);
         },
         {m(47)}},
        // Institution.
        {"CustodianTypeUpperCase", kBoth, [](EauRecord& r) { r.institution.custodiantype = "BSNR"; }, {m(48)}},
        {"BsnrTooShort", kBoth, [](EauRecord& r) { r.institution.betriebsstaettennummer = "72111110"; }, {m(49)}},
        {"IkTooLong", kBoth, [](EauRecord& r) {
             r.institution.custodiantype = "ik";
             r.institution.betriebsstaettennummer = "1234567890";
         },
         {m(50)}},
        {"KzvNumberTooShort", kBoth, [](EauRecord& r) {
             r.institution.custodiantype = "kzv-abrechnungsnummer";
             r.institution.betriebsstaettennummer = "1";
         },
         {m(51)}},
        {"LocationNumberTooShort", kBoth, [](EauRecord& r) {
             r.institution.custodiantype = "snr";
             r.institution.betriebsstaettennummer = "77";
         },
         {m(52)}},
        {"InstitutionAddressMissing", kBoth, [](EauRecord& r) {
             r.institution.name = "";
             r.institution.adresse = EauStreetAddress();
             r.institution.telefonnummer = "";
         },
         {m(53), m(55), m(56), m(57), m(58)}},
        {"PracticeCountryUnknown", kBoth, [](EauRecord& r) { r.institution.adresse.wohnsitzlaenderkuerzel = "DE"; },
         {country(54, "DE")}},
        {"PracticeCountryOnlyInNewerTable", kOnly110,
         [](EauRecord& r) { r.institution.adresse.wohnsitzlaenderkuerzel = "SWZ"; }, {country(54, "SWZ")}},
        {"PracticeCountryOnlyInNewerTable", kOnly120,
         [](EauRecord& r) { r.institution.adresse.wohnsitzlaenderkuerzel = "SWZ"; }, {}},
        {"PracticeCountryLastInTable", kBoth, [](EauRecord& r) { r.institution.adresse.wohnsitzlaenderkuerzel = "ZW"; },
         {}},
        // Dates and kind of certificate.
        {"IssueDateMissing", kBoth, [](EauRecord& r) { r.angaben.ausstellungsdatum = ""; }, {m(59)}},
        {"IssueDateTooShort", kBoth, [](EauRecord& r) { r.angaben.ausstellungsdatum = "2024031"; }, {m(60)}},
        {"FirstCertificateWithoutSince", kBoth, [](EauRecord& r) { r.angaben.auseit = ""; }, {m(61)}},
        {"FirstFinalWithoutSince", kBoth, [](EauRecord& r) {
             r.angaben.auseit = "";
             r.angaben.endbescheinigung = true;
         },
         {m(61)}},
        {"SinceTooLong", kBoth, [](EauRecord& r) { r.angaben.auseit = "2024-03-14T"; }, {m(62)}},
        {"FollowUpDropsSince", kBoth, [](EauRecord& r) {
             r.angaben.erstbescheinigung = false;
             r.angaben.folgebescheinigung = true;
             r.angaben.auseit = "invalid";
         },
         {}},
        {"FollowUpWinsOverFirst", kBoth, [](EauRecord& r) {
             r.angaben.folgebescheinigung = true;
             r.angaben.auseit = "";
         },
         {}},
        {"NoKindOfCertificate", kBoth, [](EauRecord& r) { r.angaben.erstbescheinigung = false; }, {m(68)}},
        {"FinalOnlyIsNoKind", kBoth, [](EauRecord& r) {
             r.angaben.erstbescheinigung = false;
             r.angaben.endbescheinigung = true;
         },
         {m(68)}},
        {"UntilDateMissingAndFindingInvalid", kBoth, [](EauRecord& r) {
             r.angaben.voraussichtlichaubis = "";
             r.angaben.festgestelltam = "2024";
         },
         {m(63), m(67)}},
        {"UntilDateInvalidAndFindingMissing", kBoth, [](EauRecord& r) {
             r.angaben.voraussichtlichaubis = "240322";
             r.angaben.festgestelltam = "";
         },
         {m(64), m(66)}},
        {"PkvDatesInvalid", kBoth, [](EauRecord& r) {
             makePkv(r);
             r.angaben.teilweisearbeitsfaehigab = "1";
             r.angaben.aufnahmedatum = "2";
             r.angaben.entlassungsdatum = "3";
             r.angaben.wiedereingliederungab = "4";
         },
         {m(65), m(69), m(70), m(71)}},
        {"GkvDatesNotChecked", kBoth, [](EauRecord& r) {
             r.angaben.teilweisearbeitsfaehigab = "1";
             r.angaben.aufnahmedatum = "2";
             r.angaben.entlassungsdatum = "3";
             r.angaben.wiedereingliederungab = "4";
         },
         {}},
        {"OtherMeasuresWithoutText", kBoth, [](EauRecord& r) { r.angaben.sonstige = true; }, {m(72)}},
        {"OtherMeasuresWithText", kBoth, [](EauRecord& r) {
             r.angaben.sonstige = true;
             r.angaben.sonstigetext = "Physiotherapie";
         },
         {}},
        // Diagnoses.
        {"NoDiagnosis", kBoth, [](EauRecord& r) { r.angaben.diagnosen.clear(); }, {m(73)}},
        {"SixDiagnoses", kBoth, [](EauRecord& r) { r.angaben.diagnosen.assign(6, icd("M54.5")); }, {}},
        {"SevenDiagnosesAllChecked", kBoth, [](EauRecord& r) {
             r.angaben.diagnosen.assign(6, icd("M54.5"));
             r.angaben.diagnosen.push_back(icd(""));
         },
         {m(74), diag(75, 7)}},
        {"DiagnosisCodeTooShort", kBoth, [](EauRecord& r) { r.angaben.diagnosen[0].code = "J0"; }, {diag(76, 1)}},
        {"DiagnosisCodeLongest", kBoth, [](EauRecord& r) { r.angaben.diagnosen[0].code = "M54.16"; }, {}},
        {"SecondDiagnosisCodeTooLong", kBoth, [](EauRecord& r) { r.angaben.diagnosen.push_back(icd("M54.161")); },
         {diag(76, 2)}},
        {"DiagnosisEmpty", kBoth, [](EauRecord& r) { r.angaben.diagnosen[0] = Icd10Code(); },
         {diag(75, 1), diag(77, 1)}},
        {"DiagnosisVersionInvalid", kBoth, [](EauRecord& r) {
             r.angaben.diagnosen.push_back(icd("M54.5"));
             r.angaben.diagnosen.push_back(icd("M54.5"));
             r.angaben.diagnosen[2].version = "20245";
         },
         {diag(78, 3)}},
    };
    return kCases;
}

struct VersionedCase {
    const Case* c;
    ProfileVersion version;
};

std::vector<VersionedCase> versionedCases() {
    std::vector<VersionedCase> all;
    for (const Case& c : cases()) {
        if (c.versions & kOnly110) {
            all.push_back({&c, ProfileVersion::V1_1});
        }
        if (c.versions & kOnly120) {
            all.push_back({&c, ProfileVersion::V1_2});
        }
    }
    return all;
}

class EauChecks : public testing::TestWithParam<VersionedCase> {};

TEST_P(EauChecks, ReportsExactlyTheseMessages) {
    const Case& c = *GetParam().c;
    EauRecord record = validEauRecord();
    c.edit(record);
    std::vector<std::string> want;
    for (const Expect& e : c.want) {
        want.push_back(textOf(e));
    }
    std::vector<std::string> got;
    for (const HostString& message : fhir::runEauChecks(fhir::convertEauRecord(record, false), GetParam().version)) {
        got.push_back(message.str());
    }
    EXPECT_EQ(got, want);
}

INSTANTIATE_TEST_SUITE_P(Record, EauChecks, testing::ValuesIn(versionedCases()),
                         [](const testing::TestParamInfo<VersionedCase>& p) {
                             const char* suffix = p.param.version == ProfileVersion::V1_2 ? "_v120" : "_v110";
                             return std::string(p.param.c->name) + suffix;
                         });

TEST(EauCheckTable, RowsAscendAndCoverAllSeventyEightChecks) {
    std::vector<int> rows;
    for (const auto& check : fhir::eauchecks::recordChecks()) {
        rows.push_back(check.row);
    }
    for (const auto& check : fhir::eauchecks::diagnosisChecks()) {
        rows.push_back(check.row);
    }
    ASSERT_TRUE(std::is_sorted(rows.begin(), rows.end()));
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    ASSERT_EQ(rows.size(), 78u);
    EXPECT_EQ(rows.front(), 1);
    EXPECT_EQ(rows.back(), 78);
}

TEST(EauCheckTable, EveryRowRunsInSomeVersionAndSharedRowsSplitByVersion) {
    std::map<int, unsigned> masks;
    for (const auto& check : fhir::eauchecks::recordChecks()) {
        EXPECT_EQ(masks[check.row] & check.versions, 0u) << "row " << check.row << " twice for one version";
        masks[check.row] |= check.versions;
        EXPECT_TRUE(check.message != nullptr || check.buildMessage != nullptr) << "row " << check.row;
    }
    for (const auto& [row, mask] : masks) {
        const bool newerOnly = row == 24 || row == 33 || row == 34;
        EXPECT_EQ(mask, newerOnly ? unsigned{fhir::eauchecks::kV120} : unsigned{fhir::eauchecks::kAllVersions})
            << "row " << row;
    }
}

}  // namespace
