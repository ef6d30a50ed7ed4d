// The appointment-service request as the host fills it: which service is
// wanted, how urgent it is, who sends it and, when wanted, who the patient
// is. A plain record of host strings (code page 1252) and two flags; the
// member order is part of the host interface.
#pragma once

#include "boundary/HostString.h"

// The patient's street address.
struct VmcaStreetAddress {
    HostString wohnsitzlaendercode;  // country code, e.g. "D"
    HostString postleitzahl;
    HostString ortsname;
    HostString strassenname;
    HostString hausnummer;
    HostString anschriftenzusatz;
};

// The patient's post-box address.
struct VmcaPostBoxAddress {
    HostString wohnsitzlaendercode;  // country code, e.g. "D"
    HostString postleitzahl;
    HostString ortsname;
    HostString postfach;
};

// The patient block: 22 fields.
struct VmcaPatient {
    HostString gkvVersichertennummer;  // KVID-10
    HostString kvkVersichertennummer;  // number of the health insurance card
    HostString vorname;
    HostString nachname;
    HostString hauptteilnachname;  // own name: family name without prefix word
    HostString titel;
    HostString namenszusatz;
    HostString vorsatzwort;
    HostString geburtsdatum;  // YYYY-MM-DD
    HostString geschlecht;  // "M", "F" or "W", "D", "X" (any case)
    HostString telefon1;
    HostString telefon2;
    VmcaStreetAddress strassenadresse;
    VmcaPostBoxAddress postfachanschrift;
};

struct VmcaRecord {
    bool isPtv11 = false;  // a psychotherapy request under PTV 11
    bool withPatient = true;  // the patient is sent with the request
    HostString ptv11Leistung1;  // KBV_CS_116117_TERMINSERVICE_VCA_PTV11_Services
    HostString ptv11Leistung2;  // the same code system
    HostString probatorischeLeistung;  // KBV_CS_116117_TERMINSERVICE_VCA_Probatory_Services
    HostString bsnr;  // practice number of the requesting practice
    HostString fachgebietGrob;  // KBV_CS_SFHIR_BAS_FACHGEBIET_GROB
    HostString fachgebietFein;  // KBV_CS_SFHIR_BAS_FACHGEBIET_FEIN
    HostString facharztgruppe;  // KBV_CS_SFHIR_BAR2_WBO (TevoGetVMCAFacharztgruppen)
    HostString zusatzbezeichnung;  // KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG (TevoGetVMCAZusatzbezeichnungen)
    HostString dringlichkeit;  // "urgent", "routine" or empty
    VmcaPatient patient;
    HostString ueberweiserLanr;  // referring doctor's LANR
    HostString ueberweiserVorname;
    HostString ueberweiserNachname;
};
