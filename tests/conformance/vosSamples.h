// Representative VoS records (host records, code page 1252) shared by the
// golden-document tests, the structure tests, the conformance run and the
// benchmarks.
#pragma once

#include <string>

#include "usecases/vos/VosRecord.h"

namespace vossamples {

inline VosMedication pznMedication() {
    VosMedication entry;
    entry.pzn.name = "Ibuprofen AL 400 mg Filmtabletten";
    entry.pzn.pzn = "03879412";
    entry.pzn.wirkstoffnummer = "03767";
    entry.pzn.wirkstoffname = "Ibuprofen";
    entry.pzn.darreichungsformCode = "FTA";
    entry.pzn.darreichungsformText = "Filmtabletten";
    entry.pzn.normgroesse = "N2";
    entry.pzn.packungsgroesse = "50";
    entry.pzn.einheit = "St";
    entry.pzn.kategorie = "00";
    entry.pzn.rezeptfrei = "1";
    entry.verordnung.ausstellungsdatum = "20251014";
    entry.verordnung.zuzahlungsstatus = "0";
    entry.verordnung.noctu = "0";
    entry.verordnung.rechtsgrundlage = "00";
    entry.verordnung.rezeptart = "M16";
    entry.verordnung.rezeptgruppe = "R-2025-0815";
    entry.verordnung.dosierung = "1-0-1";
    entry.verordnung.anzahlPackungen = "1";
    entry.verordnung.austauschErlaubt = "1";
    return entry;
}

inline VosMedication ingredientMedication() {
    VosMedication entry;
    entry.wirkstoff.wirkstoffnummer = "22686";
    entry.wirkstoff.wirkstoffname = "Ramipril";
    entry.wirkstoff.darreichungsform = "Tabletten";
    entry.wirkstoff.normgroesse = "N3";
    entry.wirkstoff.packungsgroesse = "100";
    entry.wirkstoff.einheit = "St";
    entry.wirkstoff.kategorie = "00";
    entry.verordnung.ausstellungsdatum = "20251014";
    entry.verordnung.unfallkennzeichen = "2";
    entry.verordnung.unfallbetrieb = "B\xE4" "ckerei Sch\xF6nfeld";
    entry.verordnung.unfalltag = "20251001";
    entry.verordnung.rezeptart = "T-RP";
    entry.verordnung.sicherheitsbestimmungen = "1";
    entry.verordnung.informationsmaterial = "1";
    entry.verordnung.inLabel = "1";
    entry.verordnung.offLabel = "0";
    entry.verordnung.dosierung = "1-0-0";
    entry.verordnung.anzahlPackungen = "1";
    return entry;
}

inline VosMedication freeTextMedication() {
    VosMedication entry;
    entry.freitext.name = "Salbe nach eigener Rezeptur, 50 g";
    entry.freitext.darreichungsform = "Salbe";
    entry.freitext.kategorie = "00";
    entry.verordnung.rezeptart = "BTM-RP";
    entry.verordnung.btmKennzeichen = "A";
    entry.verordnung.bvg = "1";
    return entry;
}

// A patient with allergies, diagnoses, measurements, three medications of
// different kinds and a document.
inline VosRecord fullRecord() {
    VosRecord record;
    VosPatient& patient = record.patient;
    patient.versicherung.versichertennummer = "X234567890";
    patient.versicherung.versicherungsart = "GKV";
    patient.versicherung.ikKostentraeger = "109500969";
    patient.versicherung.nameKostentraeger = "Techniker Krankenkasse";
    patient.versicherung.einlesedatum = "20251001";
    patient.versicherung.versichertenart = "1";
    patient.versicherung.besonderePersonengruppe = "00";
    patient.versicherung.dmpKennzeichen = "00";
    patient.versicherung.wop = "38";
    patient.versicherung.versicherungsschutzende = "20291231";
    patient.zuzahlungsstatus = "1";
    VosPerson& person = patient.person;
    person.patientennummer = " 4711 ";
    person.nachname = "M\xFCller-L\xFC" "denscheidt";
    person.hauptteilnachname = "M\xFCller-L\xFC" "denscheidt";
    person.namenszusatz = "Freiherr";
    person.vorname = "J\xF6rg";
    person.titel = "Dr.";
    person.geburtsdatum = "19650412";
    person.geschlecht = "m";
    person.strassenadresse.laenderkennzeichen = "D";
    person.strassenadresse.postleitzahl = "50667";
    person.strassenadresse.ort = "K\xF6ln";
    person.strassenadresse.strasse = "Hauptstra\xDF" "e";
    person.strassenadresse.hausnummer = "12a";
    person.strassenadresse.anschriftenzusatz = "Hinterhaus";

    VosCondition hypertension;
    hypertension.dauerdiagnose = true;
    hypertension.icdCode = "I10.90";
    hypertension.icdVersion = "2025";
    hypertension.diagnosesicherheit = "G";
    hypertension.diagnosetext = "Essentielle Hypertonie";
    VosCondition suspicion;
    suspicion.icdCode = "E11.9";
    suspicion.icdVersion = "2025";
    suspicion.diagnosesicherheit = "V";
    record.diagnosen = {hypertension, suspicion};

    record.messwerte.koerpergewicht = "82,5";
    record.messwerte.koerpergroesse = "178";
    record.messwerte.kreatinin = "1.1";

    VosAllergy penicillin;
    penicillin.substanz = "Penicillin";
    penicillin.atc = "J01CE02";
    penicillin.reaktion = "Hautausschlag";
    VosAllergy nuts;
    nuts.substanz = "Erdn\xFCsse";
    nuts.pzn = "01234567";
    record.allergien = {penicillin, nuts};

    record.medikamente = {pznMedication(), ingredientMedication(), freeTextMedication()};

    VosDocument plan;
    plan.dokumentId = "BMP-2025-17";
    plan.typ = "BMP-PDF";
    plan.erstellt = "20251014";
    plan.mimeTyp = "application/pdf";
    plan.inhalt = HostString(std::string("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n", 16));
    plan.accessCode = "777bea0e13cc9c42ceec8e6ca4d1a4ba8f1b7ccc8bba7c0b5f4d3b2a19081726";
    plan.taskId = "160.000.100.000.001.05";
    record.dokumente = {plan};

    record.praxis.bsnr = "031234567";
    record.praxis.name = "Praxis am Dom";
    record.praxis.strasse = "Domkloster";
    record.praxis.hausnummer = "4";
    record.praxis.postleitzahl = "50667";
    record.praxis.ort = "K\xF6ln";
    record.praxis.telefon = "0221 123456";
    record.praxis.fax = "0221 123457";
    record.praxis.email = "praxis@example.org";

    record.arzt.lanr = "838382202";
    record.arzt.nachname = "Schr\xF6" "der";
    record.arzt.hauptteilnachname = "Schr\xF6" "der";
    record.arzt.vorname = "Anna";
    record.arzt.titel = "Dr. med.";
    record.arzt.qualifikationCode = "00";
    record.arzt.qualifikationText = "Fach\xE4rztin f\xFCr Innere Medizin";

    record.anwender.personalnummer = " 17 ";
    record.anwender.vorname = "Lena";
    record.anwender.nachname = "Wei\xDF";
    record.software.pruefnummer = "Y/400/2107/36/999";
    record.software.name = "Tevo";
    record.aufrufkontext = "2";
    return record;
}

// A patient with name only; practice, practitioner, user and software.
inline VosRecord minimalRecord() {
    VosRecord record;
    record.patient.person.patientennummer = "815";
    record.patient.person.nachname = "Meier";
    record.patient.person.hauptteilnachname = "Meier";
    record.patient.person.vorname = "Eva";
    record.patient.person.geschlecht = "f";
    record.patient.person.geburtsdatum = "00000000";
    record.patient.person.postfachadresse.postleitzahl = "10999";
    record.patient.person.postfachadresse.ort = "Berlin";
    record.patient.person.postfachadresse.postfach = "12 34 56";
    record.patient.person.postfachadresse.laenderkennzeichen = "D";
    record.praxis.bsnr = "031234567";
    record.praxis.name = "Praxis";
    record.praxis.strasse = "Weg";
    record.praxis.hausnummer = "1";
    record.praxis.postleitzahl = "10999";
    record.praxis.ort = "Berlin";
    record.praxis.telefon = "030 1";
    record.arzt.lanr = "838382202";
    record.arzt.nachname = "Arzt";
    record.arzt.vorname = "Ali";
    record.arzt.qualifikationCode = "00";
    record.arzt.qualifikationText = "Arzt";
    record.anwender.vorname = "Lena";
    record.anwender.nachname = "Weiss";
    record.software.pruefnummer = "Y/400/2107/36/999";
    record.software.name = "Tevo";
    return record;
}

}  // namespace vossamples
