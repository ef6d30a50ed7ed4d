// The certificate of incapacity for work as the host fills it. A plain record
// of host strings (code page 1252) and flags; the groups and member names are
// those of the flat-text keys. The member order is part of the host interface.
#pragma once

#include <vector>

#include "boundary/HostString.h"

// One ICD-10 diagnosis of the certificate.
struct Icd10Code {
    HostString code;
    HostString version;
    HostString diagnosesicherheit;  // certainty: "A", "G", "V", "Z"
    HostString seitenlokalisation;  // side: "B", "L", "R"
};

// A person on the certificate: the issuing person, the responsible person, or
// the person who cancels a certificate.
struct EauPerson {
    HostString typ;  // qualification "00" to "04"
    HostString nummer;  // physician (LANR) or dentist number
    HostString asvteamnummer;
    HostString vorname;
    HostString nachname;
    HostString hauptteilnachname;
    HostString titel;
    HostString vorsatzwort;
    HostString namenszusatz;
    HostString berufsbezeichnung;
    HostString telematikid;
    HostString asvfachgruppennummer;
};

// A street address (the insured's and the institution's).
struct EauStreetAddress {
    HostString wohnsitzlaendercode;  // not read
    HostString wohnsitzlaenderkuerzel;  // country code
    HostString postleitzahl;
    HostString ortsname;
    HostString strassenname;
    HostString hausnummer;
    HostString anschriftenzusatz;
    HostString reserve1;  // not read
    HostString reserve2;  // not read
};

// The insured's post-box address.
struct EauPostBoxAddress {
    HostString wohnsitzlaendercode;  // not read
    HostString wohnsitzlaenderkuerzel;  // country code
    HostString postleitzahl;
    HostString ortsname;
    HostString postfach;
    HostString reserve;  // not read
};

struct EauDocumentInformation {
    HostString pruefnummer;  // test number of the sending software
    HostString dokumentenid;  // document identifier (UUID)
};

struct EauRecipient {
    HostString kostentraegertyp;  // "SKT", "UK", "BG", "GKV", "PKV", "SEL"
    HostString ikkrankenkasse;  // IK of the insurer on the card
    HostString ikkostentrager;  // IK of the payer (accident insurance)
    HostString namekostentraeger;
    HostString wop;
    HostString versichertenart;  // "1", "3", "5"
    HostString besonderepersonengruppe;
    HostString dmpkennzeichen;
    HostString kennzeichenrechtsgrundlage;
};

struct EauInsured {
    HostString identifierType;  // "gkv", "pkv", "kvk" in any case
    HostString versichertennummer;
    HostString vorname;
    HostString nachname;
    HostString hauptteilnachname;
    HostString titel;
    HostString vorsatzwort;
    HostString namenszusatz;
    HostString geburtsdatum;
    HostString versicherungsschutzende;
    EauStreetAddress strassenadresse;
    EauPostBoxAddress postfachanschrift;
};

struct EauInstitution {
    HostString custodiantype;  // "bsnr", "ik", "kzv-abrechnungsnummer", "snr"
    HostString betriebsstaettennummer;  // the number of that kind
    HostString name;
    EauStreetAddress adresse;
    HostString telefonnummer;
    HostString faxnummer;
    HostString email;
    HostString telematikid;
};

struct EauDetails {
    HostString ausstellungsdatum;  // also selects the profile version
    HostString auseit;
    HostString voraussichtlichaubis;
    HostString festgestelltam;
    bool darztzugewiesen = false;
    bool erstbescheinigung = false;
    bool folgebescheinigung = false;
    bool sonstigerunfall = false;
    bool arbeitsunfall = false;
    bool versorgungsleiden = false;
    bool leistungenreha = false;
    bool wiedereingliederung = false;
    bool sonstige = false;
    HostString sonstigetext;
    HostString teilweisearbeitsfaehigab;
    bool berufsunfaehigkeit = false;
    HostString wiedereingliederungab;
    bool stationaereheilbehandlung = false;
    HostString aufnahmedatum;
    HostString entlassungsdatum;
    std::vector<Icd10Code> diagnosen;
    HostString diagnosetext;
    bool siebteauwoche = false;
    bool endbescheinigung = false;
};

struct EauRecord {
    EauDocumentInformation dokumenteninformationen;
    EauRecipient empfaenger;
    EauInsured versicherter;
    EauPerson person;  // the issuing person
    EauPerson verantwortlichePerson;  // the responsible person (no flat-text keys)
    EauInstitution institution;
    EauDetails angaben;
};
