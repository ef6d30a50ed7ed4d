// The values of a substitute certificate as the reader takes them from the
// insurer's bundle, UTF-8 as received.
#pragma once

#include <string>

namespace fhir {

struct EebCertificate {
    std::string bundleId;
    std::string timestamp;
    std::string eventDisplay;
    std::string eventCode;
    std::string endpoint;

    // Coverage
    std::string versionVsdm;
    std::string persoenlicheVersichertendaten;
    std::string allgemeineVersicherungsdaten;
    std::string geschuetzteVersichertendaten;
    std::string versichertenart;
    std::string wop;
    std::string besonderePersonengruppe;
    bool zuzahlungsstatus = false;
    std::string zuzahlungsstatusGueltigBis;
    std::string versicherungsart;
    std::string periodStart;
    std::string periodEnd;
    std::string payorIk;
    std::string payorDisplay;
    std::string abrechnendeIk;

    // Patient
    std::string versichertenId;
    std::string versichertenIdTyp;  // "kvz10", "kvk", or empty when neither was given
    std::string vorname;
    std::string nachname;
    std::string hauptteilnachname;
    std::string titel;
    std::string namenszusatz;
    std::string vorsatzwort;
    std::string geburtsdatum;
    std::string land;
    std::string postleitzahl;
    std::string ort;
    std::string strasse;
    std::string hausnummer;
    std::string anschriftenzusatz;
};

}  // namespace fhir
