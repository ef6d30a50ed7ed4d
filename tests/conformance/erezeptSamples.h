// Representative prescriptions (host records, code page 1252) shared by the
// golden-document tests, the check tests, the conformance run and the
// benchmarks. Every sample passes the checks of the version its date selects.
#pragma once

#include <string>
#include <vector>

#include "usecases/erezept/ERezeptRecord.h"

namespace erezeptsamples {

// Dates of issue that select the two profile versions.
constexpr const char* kDate110 = "20240315";
constexpr const char* kDate132 = "20251015";

inline ERezeptPerson physician() {
    ERezeptPerson person;
    person.typ = "00";
    person.nummer = "838382202";
    person.vorname = "Paul";
    person.nachname = "Freiherr von M\xFCller";
    person.hauptteilnachname = "M\xFCller";
    person.vorsatzwort = "von";
    person.namenszusatz = "Freiherr";
    person.titel = "Dr. med.";
    person.berufsbezeichnung = "Facharzt f\xFCr Innere Medizin";
    return person;
}

inline ERezeptInstitution practice() {
    ERezeptInstitution institution;
    institution.custodiantype = "bsnr";
    institution.betriebsstaettennummer = "721111100";
    institution.name = "MVZ Berlin";
    institution.adresse.wohnsitzlaendercode = "D";
    institution.adresse.postleitzahl = "10623";
    institution.adresse.ortsname = "Berlin";
    institution.adresse.strassenname = "Herbert-Lewin-Platz";
    institution.adresse.hausnummer = "2";
    institution.adresse.anschriftenzusatz = "Eingang B";
    institution.telefonnummer = "0301234567";
    institution.faxnummer = "030123456789";
    institution.email = "mvz@e-mail.de";
    return institution;
}

// A GKV prescription of a finished product (PZN); 1.3.2 lists its ingredient.
inline ERezeptRecord pznPrescription(const char* issueDate) {
    ERezeptRecord r;
    r.dokumenteninformationen.pruefnummer = "Y/400/2107/36/999";
    r.dokumenteninformationen.dokumentenid = "44420ed9-7388-4be5-acc5-9c124fad9f34";
    r.dokumenteninformationen.prescriptionid = "160.100.000.000.006.24";
    r.empfaenger.kostentraegertyp = "GKV";
    r.empfaenger.ikkrankenkasse = "109719018";
    r.empfaenger.namekostentraeger = "AOK Nordost";
    r.empfaenger.wop = "17";
    r.empfaenger.zuzahlungsstatus = "0";
    r.empfaenger.versichertenart = "5";
    r.empfaenger.besonderepersonengruppe = "00";
    r.empfaenger.dmpkennzeichen = "05";
    r.empfaenger.kennzeichenrechtsgrundlage = "00";
    r.versicherter.identifierType = "gkv";
    r.versicherter.versichertennummer = "K220635158";
    r.versicherter.vorname = "Ludger";
    r.versicherter.nachname = "K\xF6nigsstein";
    r.versicherter.hauptteilnachname = "K\xF6nigsstein";
    r.versicherter.geburtsdatum = "19350622";
    r.versicherter.strassenadresse.wohnsitzlaendercode = "D";
    r.versicherter.strassenadresse.postleitzahl = "26427";
    r.versicherter.strassenadresse.ortsname = "Esens";
    r.versicherter.strassenadresse.strassenname = "Blumenweg";
    r.versicherter.strassenadresse.hausnummer = "14";
    r.person = physician();
    r.institution = practice();
    ERezeptPrescription& v = r.verordnung;
    v.ausstellungsdatum = issueDate;
    v.kategorie = "00";
    v.autidem = true;
    v.darreichungsformkodiert = "FTA";
    v.packungsgroessen = "N1";
    v.anzahlpackungen = "1";
    v.fertigarzneimittel.pzn = "00814665";
    v.fertigarzneimittel.handelsname = "Januvia\xAE 50 mg 28 Filmtabletten N1";
    ERezeptIngredient sitagliptin;
    sitagliptin.wirkstoffnummer = "33187";
    sitagliptin.wirkstoffname = "Sitagliptin";
    sitagliptin.wirkstaerke = "50";
    sitagliptin.wirkstaerkeneinheit = "mg";
    sitagliptin.bezugsmenge = "1";
    sitagliptin.bezugsmengeneinheit = "Tablette";
    v.fertigarzneimittel.wirkstoffe.push_back(sitagliptin);
    return r;
}

// The PZN prescription turned into a free-text prescription.
inline ERezeptRecord freeTextPrescription(const char* issueDate) {
    ERezeptRecord r = pznPrescription(issueDate);
    ERezeptPrescription& v = r.verordnung;
    v.fertigarzneimittel = ERezeptFinishedProduct();
    v.darreichungsformkodiert = "";
    v.packungsgroessen = "";
    v.darreichungsformfreitext = "Tabletten";
    v.freitextverordnung = "Metformin 850mg Tabletten N3";
    v.kennzeichendosierung = true;
    v.dosieranweisung = "1-0-1";
    return r;
}

// An active-ingredient prescription with package quantity.
inline ERezeptRecord activeIngredientPrescription(const char* issueDate) {
    ERezeptRecord r = freeTextPrescription(issueDate);
    ERezeptPrescription& v = r.verordnung;
    v.freitextverordnung = "";
    v.kennzeichendosierung = false;
    v.dosieranweisung = "";
    v.packungsgroessemenge = "20";
    v.packungsgroesseeinheit = "St\xFC" "ck";
    v.wirkstoffnummer = "5682";
    v.wirkstoffname = "Ibuprofen";
    v.wirkstaerke = "600";
    v.wirkstaerkeneinheit = "mg";
    v.wirkstoffbezugsmenge = "1";
    v.wirkstoffbezugsmengeneinheit = "St\xFC" "ck";
    return r;
}

inline ERezeptComponent component(const char* name, const char* quantity, const char* unit, const char* freeText) {
    ERezeptComponent c;
    c.name = name;
    c.menge = quantity;
    c.einheit = unit;
    c.mengeundeinheit = freeText;
    return c;
}

// A compounding of two components, one with quantity and unit, one as free text.
inline ERezeptRecord compoundingPrescription(const char* issueDate) {
    ERezeptRecord r = freeTextPrescription(issueDate);
    ERezeptPrescription& v = r.verordnung;
    v.freitextverordnung = "";
    v.kennzeichendosierung = false;
    v.dosieranweisung = "";
    v.darreichungsformfreitext = "L\xF6sung";
    v.rezepturname = "Salicyls\xE4ure-L\xF6sung";
    v.gesamtmenge = "100";
    v.gesamtmengeneinheit = "ml";
    v.herstellungsanweisung = "Salicyls\xE4ure in 2-Propanol l\xF6sen";
    v.verpackung = "Flasche";
    v.gebrauchsanweisung = "1-3mal/Tag auf die erkrankten Hautstellen auftragen";
    v.bestandteile.push_back(component("Salicyls\xE4ure", "5", "g", ""));
    v.bestandteile.push_back(component("2-propanol 70 %", "", "", "Ad 100 g"));
    return r;
}

// A PZN prescription for practice supply: no patient, no coverage.
inline ERezeptRecord practiceSupply(const char* issueDate) {
    ERezeptRecord r = pznPrescription(issueDate);
    r.verordnung.sprechstundenbedarf = true;
    r.verordnung.autidem = false;
    r.empfaenger.zuzahlungsstatus = "";
    r.empfaenger.wop = "";
    r.empfaenger.versichertenart = "";
    r.empfaenger.besonderepersonengruppe = "";
    r.empfaenger.dmpkennzeichen = "";
    r.empfaenger.kennzeichenrechtsgrundlage = "";
    r.versicherter = ERezeptInsured();
    // The address check applies to practice supply as well.
    r.versicherter.strassenadresse.postleitzahl = "10623";
    return r;
}

struct NamedPrescription {
    std::string name;
    ERezeptRecord record;
};

inline ERezeptRecord pkvPrescription(const char* issueDate) {
    ERezeptRecord r = pznPrescription(issueDate);
    r.empfaenger.kostentraegertyp = "PKV";
    r.empfaenger.ikkrankenkasse = "123456789";
    r.empfaenger.namekostentraeger = "Allianz Private Krankenversicherung";
    r.empfaenger.zuzahlungsstatus = "";
    r.empfaenger.pkvtarifart = "01";
    r.empfaenger.versichertenart = "1";
    r.empfaenger.dmpkennzeichen = "00";
    r.empfaenger.wop = "";
    r.versicherter.identifierType = "pkv";
    r.versicherter.versichertennummer = "P123464113";
    return r;
}

// A work accident, paid by the employers' liability insurance (BG).
inline ERezeptRecord workAccidentPrescription(const char* issueDate) {
    ERezeptRecord r = pznPrescription(issueDate);
    r.empfaenger.kostentraegertyp = "BG";
    r.empfaenger.ikkostentrager = "120391764";
    r.empfaenger.namekostentraeger = "Verwaltungs-BG";
    r.empfaenger.unfallkennzeichen = "2";
    r.empfaenger.unfalltag = HostString(std::string(issueDate).substr(0, 6) + "01");
    r.empfaenger.nameunfallbetrieb = "Dummy-Betrieb";
    r.empfaenger.zuzahlungsstatus = "1";
    return r;
}

// A self-payer with a post-box address.
inline ERezeptRecord selfPayerPostBox(const char* issueDate) {
    ERezeptRecord r = pznPrescription(issueDate);
    r.empfaenger.kostentraegertyp = "SEL";
    r.empfaenger.ikkrankenkasse = "";
    r.empfaenger.namekostentraeger = "Selbstzahler";
    r.empfaenger.zuzahlungsstatus = "";
    r.empfaenger.wop = "";
    r.empfaenger.versichertenart = "";
    r.empfaenger.besonderepersonengruppe = "";
    r.empfaenger.dmpkennzeichen = "";
    r.empfaenger.kennzeichenrechtsgrundlage = "";
    r.versicherter.strassenadresse = ERezeptStreetAddress();
    r.versicherter.postfachanschrift.wohnsitzlaendercode = "D";
    r.versicherter.postfachanschrift.postleitzahl = "26421";
    r.versicherter.postfachanschrift.ortsname = "Esens";
    r.versicherter.postfachanschrift.postfach = "123456";
    return r;
}

// The third of four prescriptions of a multiple prescription.
inline ERezeptRecord multiplePrescription(const char* issueDate) {
    ERezeptRecord r = pznPrescription(issueDate);
    ERezeptPrescription& v = r.verordnung;
    v.kennzeichenmehrfachverordnung = true;
    v.zaehlermehrfachverordnung = 3;
    v.nennermehrfachverordnung = 4;
    v.beginnmehrfachverordnung = HostString(std::string(issueDate).substr(0, 6) + "20");
    v.idmehrfachverordnung = "3f2504e0-4f89-11d3-9a0c-0305e82c3301";
    return r;
}

// A physician in training ("03") prescribes for a responsible physician.
inline ERezeptRecord responsiblePerson(const char* issueDate) {
    ERezeptRecord r = pznPrescription(issueDate);
    r.person.typ = "03";
    r.person.nummer = "";
    r.person.berufsbezeichnung = "Arzt in Weiterbildung";
    r.verantwortlichePerson = physician();
    r.verantwortlichePerson.vorname = "Hans";
    r.verantwortlichePerson.nummer = "754236701";
    return r;
}

// An ASV case: legal basis "01", the prescriber's team and specialist group,
// a hospital site known by its location number and Telematik-ID.
inline ERezeptRecord asvPrescription(const char* issueDate) {
    ERezeptRecord r = pznPrescription(issueDate);
    r.empfaenger.kennzeichenrechtsgrundlage = "01";
    r.institution.custodiantype = "snr";
    r.institution.betriebsstaettennummer = "771234500";
    r.institution.telematikid = "5-2-KH-ASV-01";
    r.person.nummer = "";
    r.person.asvteamnummer = "003456789";
    r.person.asvfachgruppennummer = "555555199";
    return r;
}

// Every kind of medication in both versions, practice supply, and the
// variants of payer, person and address the conformance run covers.
inline std::vector<NamedPrescription> allPrescriptions() {
    using Make = ERezeptRecord (*)(const char*);
    const std::pair<const char*, Make> kKinds[] = {
        {"pzn", pznPrescription},
        {"freetext", freeTextPrescription},
        {"ingredient", activeIngredientPrescription},
        {"compounding", compoundingPrescription},
        {"supply", practiceSupply},
        {"pkv", pkvPrescription},
        {"bg_work_accident", workAccidentPrescription},
        {"sel_postbox", selfPayerPostBox},
        {"multiple", multiplePrescription},
        {"responsible", responsiblePerson},
        {"asv", asvPrescription},
    };
    const std::pair<const char*, const char*> kVersions[] = {{"110", kDate110}, {"132", kDate132}};
    std::vector<NamedPrescription> all;
    for (const auto& [kind, make] : kKinds) {
        for (const auto& [version, date] : kVersions) {
            all.push_back({std::string(kind) + "_" + version, make(date)});
        }
    }
    return all;
}

}  // namespace erezeptsamples
