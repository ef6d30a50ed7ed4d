// The electronic prescription as the host fills it. A plain record of host
// strings (code page 1252), flags and numbers; the blocks and member names
// are those of the flat-text keys. The member order is part of the host
// interface.
#pragma once

#include <cstdint>
#include <vector>

#include "boundary/HostString.h"

struct ERezeptDocumentInformation {
    HostString pruefnummer;  // test number of the prescribing software
    HostString dokumentenid;  // becomes the id of the bundle
    HostString prescriptionid;  // 22 characters; the identifier of the bundle
    HostString taskid;  // not read
    HostString accesscode;  // not read
};

// Payer and accident data.
struct ERezeptRecipient {
    HostString kostentraegertyp;  // "SKT", "UK", "BG", "GKV", "PKV", "SEL"
    HostString ikkrankenkasse;  // IK of the insurer on the card
    HostString ikkostentrager;  // IK of the payer (BG and UK only)
    HostString namekostentraeger;
    HostString wop;
    HostString unfallkennzeichen;  // "1" Unfall, "2" Arbeitsunfall, "4" Berufskrankheit
    HostString unfalltag;
    HostString nameunfallbetrieb;
    HostString zuzahlungsstatus;  // "0", "1", "2"
    HostString pkvtarifart;  // "01" .. "04"
    HostString versichertenart;  // "1", "3", "5"
    HostString besonderepersonengruppe;
    HostString dmpkennzeichen;
    HostString kennzeichenrechtsgrundlage;
};

struct ERezeptStreetAddress {
    HostString wohnsitzlaendercode;  // country code
    HostString postleitzahl;
    HostString ortsname;
    HostString strassenname;
    HostString hausnummer;
    HostString anschriftenzusatz;
};

struct ERezeptPostBoxAddress {
    HostString wohnsitzlaendercode;  // country code
    HostString postleitzahl;
    HostString ortsname;
    HostString postfach;
};

struct ERezeptInsured {
    HostString identifierType;  // "gkv" or "pkv" (any case); anything else counts as "gkv"
    HostString versichertennummer;
    HostString vorname;
    HostString nachname;
    HostString hauptteilnachname;
    HostString titel;
    HostString namenszusatz;
    HostString vorsatzwort;
    HostString geburtsdatum;
    HostString versicherungsschutzende;
    ERezeptStreetAddress strassenadresse;
    ERezeptPostBoxAddress postfachanschrift;
    HostString insurantorganizationname;  // not read by the builders
};

// The prescribing person, and the responsible person of the same layout.
struct ERezeptPerson {
    HostString typ;  // qualification "00" .. "04"
    HostString nummer;  // LANR or ZANR
    HostString asvteamnummer;  // not read for the responsible person
    HostString vorname;
    HostString nachname;
    HostString hauptteilnachname;
    HostString titel;
    HostString namenszusatz;
    HostString vorsatzwort;
    HostString berufsbezeichnung;
    HostString telematikid;
    HostString asvfachgruppennummer;  // not read for the responsible person
};

struct ERezeptInstitution {
    HostString custodiantype;  // "bsnr", "ik", "kzv-abrechnungsnummer", "snr" (exact)
    HostString betriebsstaettennummer;  // the number of that kind
    HostString name;
    ERezeptStreetAddress adresse;
    HostString telefonnummer;
    HostString faxnummer;
    HostString email;
    HostString telematikid;
};

// One ingredient of a finished product (read by version 1.3.2 only).
struct ERezeptIngredient {
    HostString wirkstoffnummer;  // ASK number
    HostString wirkstoffname;
    HostString wirkstaerke;  // strength value
    HostString wirkstaerkeneinheit;  // strength unit
    HostString bezugsmenge;  // reference-quantity value
    HostString bezugsmengeneinheit;  // reference-quantity unit
};

// One component of a compounding.
struct ERezeptComponent {
    HostString name;
    HostString pzn;
    HostString darreichungsform;  // dosage form as free text
    HostString menge;  // quantity
    HostString einheit;  // unit
    HostString mengeundeinheit;  // quantity and unit as free text
};

struct ERezeptFinishedProduct {
    HostString pzn;
    HostString handelsname;
    std::vector<ERezeptIngredient> wirkstoffe;  // version 1.3.2 only
    HostString atc;  // not read
    double avp = 0.0;  // pharmacy retail price; not read
};

struct ERezeptPrescription {
    HostString ausstellungsdatum;  // YYYYMMDD; also selects the profile version
    HostString kategorie;  // "00" .. "03"
    bool noctucitu = false;
    bool sprechstundenbedarf = false;  // practice supply
    bool impfstoff = false;
    bool bvg = false;
    bool kennzeichenmehrfachverordnung = false;
    std::int32_t zaehlermehrfachverordnung = 0;
    std::int32_t nennermehrfachverordnung = 0;
    HostString beginnmehrfachverordnung;
    HostString endemehrfachverordnung;
    HostString idmehrfachverordnung;
    bool autidem = false;
    HostString darreichungsformkodiert;  // KBV dosage-form code
    HostString darreichungsformfreitext;
    HostString abgabehinweis;
    HostString verschreiberid;  // version 1.3.2 only
    HostString beginofmedication;
    HostString endofmedication;
    bool kennzeichendosierung = false;
    HostString dosieranweisung;
    HostString packungsgroessen;  // "KA", "KTP", "N1", "N2", "N3", "NB", "Sonstiges"
    HostString packungsgroessemenge;
    HostString packungsgroesseeinheit;
    HostString anzahlpackungen;
    ERezeptFinishedProduct fertigarzneimittel;
    // Active-ingredient prescription.
    HostString wirkstoffnummer;  // ASK number
    HostString wirkstoffname;
    HostString wirkstaerke;
    HostString wirkstaerkeneinheit;
    HostString wirkstoffbezugsmenge;  // version 1.3.2 only
    HostString wirkstoffbezugsmengeneinheit;  // version 1.3.2 only
    // Compounding.
    HostString rezepturname;
    HostString gesamtmenge;
    HostString gesamtmengeneinheit;
    HostString herstellungsanweisung;
    HostString verpackung;
    HostString gebrauchsanweisung;
    std::vector<ERezeptComponent> bestandteile;
    // Free-text prescription.
    HostString freitextverordnung;
    std::int32_t reserve = 0;  // not read
};

struct ERezeptRecord {
    ERezeptDocumentInformation dokumenteninformationen;
    ERezeptRecipient empfaenger;
    ERezeptInsured versicherter;
    ERezeptPerson person;  // the prescribing person
    ERezeptPerson verantwortlichePerson;  // the responsible person (no flat-text keys)
    ERezeptInstitution institution;
    std::int32_t reserve = 0;  // not read
    ERezeptPrescription verordnung;
};
