// The request after conversion: every text trimmed and converted to UTF-8
// (nothing is cut; the checks test the lengths), the gender upper-cased.
#pragma once

#include <string>

#include "usecases/shared/PartyData.h"

namespace fhir {

// True when at least one field of the address is set.
bool anyFieldSet(const shared::StreetAddressData& address);
bool anyFieldSet(const shared::PostBoxAddressData& address);

struct VmcaPatientData {
    std::string gkvVersichertennummer;
    std::string kvkVersichertennummer;
    std::string vorname;
    std::string nachname;
    std::string hauptteilnachname;
    std::string titel;
    std::string namenszusatz;
    std::string vorsatzwort;
    std::string geburtsdatum;
    std::string geschlecht;  // upper-cased
    std::string telefon1;
    std::string telefon2;
    shared::StreetAddressData strassenadresse;
    shared::PostBoxAddressData postfachanschrift;

    // True when every field except the own name and the telephone numbers is
    // empty: such a block is sent unchecked.
    bool emptyForChecks() const;
};

struct VmcaData {
    bool isPtv11 = false;
    bool withPatient = true;
    std::string ptv11Leistung1;
    std::string ptv11Leistung2;
    std::string probatorischeLeistung;
    std::string bsnr;
    std::string fachgebietGrob;
    std::string fachgebietFein;
    std::string facharztgruppe;
    std::string zusatzbezeichnung;
    std::string dringlichkeit;
    VmcaPatientData patient;
    std::string ueberweiserLanr;
    std::string ueberweiserVorname;
    std::string ueberweiserNachname;
};

}  // namespace fhir
