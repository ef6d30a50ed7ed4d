// The data of the current patient as the host hands it to the prescribing
// software: a plain record of host strings (code page 1252), flags and lists.
// The member order is part of the host interface. Fields marked "not written"
// travel with the record but have no place in the VoS 2.1.0 document.
#pragma once

#include <vector>

#include "boundary/HostString.h"

// The insurance data of the patient (13 fields).
struct VosInsurance {
    HostString versichertennummer;  // insurance number (GKV: KVNR, PKV: insurance id)
    HostString zweitnummer;  // second number; only decides whether the coverage is built
    HostString versicherungsart;  // "GKV" or "PKV" (any other: no insurance identifier)
    HostString ikKostentraeger;  // IK number of the payer
    HostString nameKostentraeger;
    HostString einlesedatum;  // date the card was read, YYYYMMDD
    HostString versichertenart;  // "1", "3", "5"
    HostString besonderePersonengruppe;
    HostString dmpKennzeichen;
    HostString wop;
    HostString abrechnungsbereich;  // not written
    HostString versicherungsschutzende;  // end of validity, YYYYMMDD
    HostString skt;  // SKT additional information, written as text
};

// A street address (six fields).
struct VosStreetAddress {
    HostString laenderkennzeichen;  // country code, "D"
    HostString postleitzahl;
    HostString ort;
    HostString strasse;
    HostString hausnummer;
    HostString anschriftenzusatz;
};

// A post-box address (four fields).
struct VosPostBoxAddress {
    HostString laenderkennzeichen;
    HostString postleitzahl;
    HostString ort;
    HostString postfach;
};

// A person of the patient block (20 fields).
struct VosPerson {
    HostString patientennummer;  // the practice's patient number
    HostString nachname;  // family name
    HostString hauptteilnachname;  // own name (main part of the family name)
    HostString vorsatzwort;  // not written
    HostString namenszusatz;  // name suffix
    HostString vorname;
    HostString titel;  // academic title
    HostString geburtsdatum;  // YYYYMMDD; year "0000" or empty: unknown
    HostString geschlecht;  // "0", "m", "f", "d", "x"
    VosStreetAddress strassenadresse;
    VosPostBoxAddress postfachadresse;
    HostString reserve;  // not written
};

// Patient block: 13 + 20 + 20 + 11 = 64 strings.
struct VosPatient {
    VosInsurance versicherung;
    VosPerson person;  // the patient
    VosPerson hauptversicherter;  // main insured of a family insurance; not written
    HostString weitere1;  // not written
    HostString weitere2;  // not written
    HostString weitere3;  // not written
    HostString zuzahlungsstatus;  // co-payment status; "1" means exempt
    HostString weitere5;  // not written
    HostString weitere6;  // not written
    HostString weitere7;  // not written
    HostString weitere8;  // not written
    HostString weitere9;  // not written
    HostString weitere10;  // not written
    HostString weitere11;  // not written
};

// A diagnosis of the patient.
struct VosCondition {
    bool dauerdiagnose = false;  // permanent diagnosis
    HostString icdCode;  // ICD-10-GM code
    HostString icdVersion;  // ICD-10-GM version, e.g. "2025"
    HostString diagnosesicherheit;  // certainty "A", "G", "V", "Z"
    HostString diagnosetext;  // free text of the diagnosis
};

// Decimal numbers as text ("72.5" or "72,5"); an empty field gives no observation.
struct VosMeasurements {
    HostString koerpergewicht;  // body weight in kg
    HostString koerpergroesse;  // body height in cm
    HostString kreatinin;  // creatinine level in mg/dL
};

struct VosAllergy {
    HostString substanz;  // substance text
    HostString pzn;
    HostString atc;
    HostString reaktion;  // manifestation text
};

// A medication identified by its PZN (13 fields).
struct VosMedicationPzn {
    HostString name;  // trade name
    HostString pzn;
    HostString wirkstoffnummer;  // ingredient number (ASK)
    HostString wirkstoffname;
    HostString wirkstaerke;  // not written
    HostString darreichungsformCode;  // KBV dosage-form code
    HostString darreichungsformText;  // dosage-form text
    HostString normgroesse;  // "N1", "N2", "N3", "KA", "KTP", "NB", "Sonstiges"
    HostString packungsgroesse;  // package size
    HostString einheit;  // unit of the package size
    HostString reserve;  // not written
    HostString kategorie;  // medication category "00" to "03"
    HostString rezeptfrei;  // over the counter: "1" or "true"
};

// A medication prescribed by its active ingredient (10 fields).
struct VosMedicationIngredient {
    HostString wirkstoffnummer;  // ingredient number (ASK)
    HostString wirkstoffname;
    HostString wirkstaerke;  // not written
    HostString darreichungsform;  // dosage-form text
    HostString normgroesse;
    HostString packungsgroesse;
    HostString einheit;
    HostString reserve;  // not written
    HostString kategorie;
    HostString rezeptfrei;  // "1" or "true"
};

// A medication given as free text.
struct VosMedicationFreeText {
    HostString name;
    HostString darreichungsform;  // dosage-form text
    bool impfstoff = false;  // vaccine
    HostString kategorie;
    bool rezeptfrei = false;
};

// The prescription of a medication. Every extension is written only when its
// field is set.
struct VosPrescription {
    HostString ausstellungsdatum;  // authored on, YYYYMMDD
    HostString zuzahlungsstatus;  // "0", "1", "2"
    HostString noctu;  // emergency services fee: "1" or "true"
    HostString bvg;  // prescription under the BVG: "1" or "true"
    HostString unfallkennzeichen;  // "1", "2", "4"
    HostString unfallbetrieb;  // employer of an occupational accident
    HostString unfalltag;  // YYYYMMDD
    HostString rechtsgrundlage;  // legal basis "00" to "17"
    HostString rezeptart;  // "M16", "BTM-RP", "T-RP", "PKV-RP-blau", ...
    HostString sicherheitsbestimmungen;  // T prescription marks: "1" or "true" each
    HostString informationsmaterial;
    HostString inLabel;
    HostString offLabel;
    HostString btmKennzeichen;  // narcotics mark "A", "N", "S", "SZ", "ST", "K"
    HostString rezeptgruppe;  // group identifier of prescriptions issued together
    HostString dosierung;  // dosage instruction; also sets the dosage flag
    HostString anzahlPackungen;  // number of packages
    HostString austauschErlaubt;  // substitution allowed: "1" or "true"
};

struct VosMedication {
    HostString impfstoff;  // vaccine ("1" or "true"), PZN and ingredient forms
    VosMedicationPzn pzn;
    VosMedicationIngredient wirkstoff;
    VosMedicationFreeText freitext;
    VosPrescription verordnung;
};

// A document attached to the call (a medication plan, a prescription).
struct VosDocument {
    HostString dokumentId;  // the host's identifier of the document
    HostString typ;  // "BMP-PDF", "BMP-XML", "EMP", "Medikationsplan", "Rezept", ...
    HostString erstellt;  // creation time, YYYYMMDD or YYYY-MM-DDThh:mm:ssZ
    HostString mimeTyp;  // "application/pdf", "application/xml", "application/pkcs7-mime"
    HostString inhalt;  // the document's bytes, encoded as Base64 in the document
    HostString accessCode;  // e-prescription access code
    HostString taskId;  // e-prescription task id
};

struct VosPractice {
    HostString bsnr;
    HostString name;
    HostString strasse;
    HostString hausnummer;
    HostString anschriftenzusatz;
    HostString postleitzahl;
    HostString ort;
    HostString telefon;
    HostString fax;
    HostString email;
};

struct VosPractitioner {
    HostString lanr;
    HostString nachname;
    HostString hauptteilnachname;
    HostString vorsatzwort;  // not written
    HostString namenszusatz;
    HostString vorname;
    HostString titel;
    HostString berufsbezeichnungKurz;  // not written
    HostString telematikId;  // not written
    HostString asvFachgruppennummer;  // not written
    HostString qualifikationCode;  // "00" to "04"
    HostString qualifikationText;  // job title
};

struct VosPractitionerRole {
    HostString asvTeamnummer;  // logical identifier of the practice in the role
    HostString reserve;  // not written
};

struct VosUser {
    HostString personalnummer;  // the user's person number
    HostString vorname;
    HostString nachname;
};

struct VosPracticeSoftware {
    HostString pruefnummer;  // identifier value (test number of the software)
    HostString name;  // device name
};

struct VosRecord {
    VosPatient patient;
    std::vector<VosCondition> diagnosen;
    VosMeasurements messwerte;
    bool schwanger = false;  // not written
    bool stillend = false;  // not written
    std::vector<VosAllergy> allergien;
    std::vector<VosMedication> medikamente;
    std::vector<VosDocument> dokumente;
    VosPractice praxis;
    VosPractitioner arzt;
    VosPractitionerRole rolle;
    VosUser anwender;
    VosPracticeSoftware software;
    HostString aufrufkontext;  // start-up context "1" to "12"
    HostString rechtsgrundlage;  // legal basis of the call
};
