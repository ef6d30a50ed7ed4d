// The request after conversion: every text trimmed, cut to its maximum and
// converted to UTF-8; the origin as member of VS_EEBAnfrageUrsprungVS
// (0: empty or not in the table); the practice number filed by its kind.
#pragma once

#include <string>

#include "usecases/shared/PartyData.h"

namespace fhir {

struct EebData {
    std::string dokumentid;
    std::string leistungsdatum;
    bool einverstaendnis = false;
    int ursprung = 0;
    std::string endpoint;
    std::string iknummer;  // the insurer asked
    // The patient: `versichertennummer` holds the KVNR; no post-box address.
    shared::InsuredData patient;
    shared::InstitutionData praxis;
    std::string creationTime;  // "%Y-%m-%dT%H:%M:%SZ", taken once per call
};

}  // namespace fhir
