// The records of the electronic substitute certificate (EEB) as the host
// keeps them: the request it fills, and the two records the library fills
// from the insurer's answers. Plain records of host strings (code page 1252)
// and flags; the member order is part of the host interface.
#pragma once

#include "boundary/HostString.h"

// A street address of the request (the patient's and the practice's).
struct EebStreetAddress {
    HostString wohnsitzlaenderkuerzel;  // country code
    HostString postleitzahl;
    HostString ortsname;
    HostString strassenname;
    HostString hausnummer;
    HostString anschriftenzusatz;
};

// The request for a substitute certificate.
struct EebRecord {
    HostString reserve1;  // not read
    HostString dokumentid;  // document id of the request
    HostString reserve2;  // not read
    HostString leistungsdatum;  // date of the treatment
    bool einverstaendnis = false;  // the patient's consent
    HostString reserve3;  // not read
    HostString ursprung;  // profession or institution OID of the requester
    HostString endpoint;  // address of the requesting system
    HostString iknummer;  // IK of the insurer asked
    HostString versichertenid;  // the patient's insurance number (KVNR)
    HostString reserve4;  // not read
    HostString vorname;
    HostString nachname;
    HostString hauptteilnachname;
    HostString titel;
    HostString namenszusatz;
    HostString vorsatzwort;
    HostString geburtsdatum;
    EebStreetAddress adresse;  // the patient's address
    HostString custodiantype;  // "bsnr", "ik", "kzv-abrechnungsnummer", "snr"
    HostString betriebsstaettennummer;  // the practice number of that kind
    HostString name;  // practice name
    EebStreetAddress praxisadresse;
    HostString telefonnummer;
    HostString faxnummer;
    HostString email;
    HostString telematikid;
};

// The substitute certificate as read from the insurer's bundle. The reader
// leaves the four reserve slots alone.
struct EebBescheinigungRecord {
    HostString reserve1;
    HostString bundleid;  // Bundle.id
    HostString zeitstempel;  // Bundle.timestamp
    HostString reserve2;
    HostString reserve3;
    HostString ursprungtext;  // display of the header's event coding
    HostString ursprung;  // code of the header's event coding
    HostString endpoint;  // the header's source endpoint
    HostString reserve4;
    HostString versionvsdm;  // coverage extensions
    HostString persoenlicheversichertendaten;
    HostString allgemeineversicherungsdaten;
    HostString geschuetzteversichertendaten;
    HostString versichertenart;
    HostString wop;
    HostString besonderepersonengruppe;
    bool zuzahlungsstatus = false;  // true only for a status "true"
    HostString zuzahlungsstatusgueltigbis;
    HostString versicherungsart;  // Coverage.type code
    HostString versicherungsbeginn;  // Coverage.period start
    HostString versicherungsende;  // Coverage.period end
    HostString iknummer;  // the payor's IK
    HostString kostentraegername;  // the payor's display
    HostString abrechnendeik;  // IK in the payor's extension
    HostString versichertenid;  // KVID-10, else health-card number
    HostString versichertenidtyp;  // "kvz10" or "kvk"; kept when neither is given
    HostString vorname;
    HostString nachname;
    HostString hauptteilnachname;  // own-name extension of the family name
    HostString titel;
    HostString namenszusatz;
    HostString vorsatzwort;
    HostString geburtsdatum;
    HostString wohnsitzlaenderkuerzel;
    HostString postleitzahl;
    HostString ortsname;
    HostString strassenname;
    HostString hausnummer;
    HostString anschriftenzusatz;
};

// The insurer's error answer (an OperationOutcome) to a request.
struct EebAnswerRecord {
    HostString bundleidentifier;  // the request's bundle identifier, "urn:uuid:" removed
    HostString messageid;  // the transport message's id
    bool fehler = false;  // an error code was given
    HostString fehlercode;
    HostString fehleranzeige;  // the code's display text
    HostString fehlertext;  // the details' text
};
