// Certificates for tests: one that passes every check, and edits of it.
#pragma once

#include <string>

#include "usecases/eau/EauRecord.h"
#include "usecases/eau/EauStornoRecord.h"

namespace tevotest {

inline EauPerson validEauPerson() {
    EauPerson p;
    p.typ = "00";
    p.nummer = "123456601";
    p.vorname = "Hans";
    p.nachname = "M\xFCller";  // code page 1252
    p.hauptteilnachname = "M\xFCller";
    p.titel = "Dr. med.";
    p.berufsbezeichnung = "Facharzt f\xFCr Allgemeinmedizin";
    p.telematikid = "1-2-ARZT-Mueller-01";
    return p;
}

inline EauInstitution validEauInstitution() {
    EauInstitution i;
    i.custodiantype = "bsnr";
    i.betriebsstaettennummer = "721111100";
    i.name = "Praxis Dr. M\xFCller";
    i.adresse.wohnsitzlaenderkuerzel = "D";
    i.adresse.postleitzahl = "10115";
    i.adresse.ortsname = "Berlin";
    i.adresse.strassenname = "Invalidenstra\xDF" "e";
    i.adresse.hausnummer = "12a";
    i.telefonnummer = "030 1234567";
    i.faxnummer = "030 1234568";
    i.email = "praxis@example.org";
    return i;
}

inline Icd10Code icd(const char* code, const char* certainty = "G", const char* side = "") {
    Icd10Code c;
    c.code = code;
    c.version = "2024";
    c.diagnosesicherheit = certainty;
    c.seitenlokalisation = side;
    return c;
}

// A first certificate for a GKV insured, issued on `issueDate`
// ("20240315" selects 1.1.0, "20251015" selects 1.2.0).
inline EauRecord validEauRecord(const char* issueDate = "20240315") {
    EauRecord r;
    r.dokumenteninformationen.pruefnummer = "Y/400/2107/36/999";
    r.dokumenteninformationen.dokumentenid = "a6d9b1c0-3f5e-4d7a-9c2b-1e8f0a4b7c21";
    r.empfaenger.kostentraegertyp = "GKV";
    r.empfaenger.ikkrankenkasse = "104212059";
    r.empfaenger.namekostentraeger = "AOK Nordost";
    r.empfaenger.wop = "72";
    r.empfaenger.versichertenart = "1";
    r.empfaenger.besonderepersonengruppe = "00";
    r.empfaenger.dmpkennzeichen = "00";
    r.empfaenger.kennzeichenrechtsgrundlage = "00";
    r.versicherter.identifierType = "gkv";
    r.versicherter.versichertennummer = "A123456789";
    r.versicherter.vorname = "Erika";
    r.versicherter.nachname = "Gr\xE4" "fin von Mustermann";
    r.versicherter.hauptteilnachname = "Mustermann";
    r.versicherter.vorsatzwort = "von";
    r.versicherter.namenszusatz = "Gr\xE4" "fin";
    r.versicherter.geburtsdatum = "19640812";
    r.versicherter.versicherungsschutzende = "20291231";
    r.versicherter.strassenadresse.wohnsitzlaenderkuerzel = "D";
    r.versicherter.strassenadresse.postleitzahl = "10117";
    r.versicherter.strassenadresse.ortsname = "Berlin";
    r.versicherter.strassenadresse.strassenname = "Friedrichstra\xDF" "e";
    r.versicherter.strassenadresse.hausnummer = "7";
    r.person = validEauPerson();
    r.institution = validEauInstitution();
    r.angaben.ausstellungsdatum = issueDate;
    r.angaben.auseit = "20240314";
    r.angaben.voraussichtlichaubis = "20240322";
    r.angaben.festgestelltam = "20240315";
    r.angaben.erstbescheinigung = true;
    r.angaben.diagnosen.push_back(icd("J06.9"));
    return r;
}

inline EauStornoRecord validEauStornoRecord(const char* cancellationDate = "20240320") {
    EauStornoRecord r;
    r.dokumentenid = "0f3c2b1a-5d4e-4c3b-8a29-7f6e5d4c3b2a";
    r.dokumentenidsubmission = "a6d9b1c0-3f5e-4d7a-9c2b-1e8f0a4b7c21";
    r.stornodatum = cancellationDate;
    r.person = validEauPerson();
    r.institution = validEauInstitution();
    return r;
}

}  // namespace tevotest
