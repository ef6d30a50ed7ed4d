// The request message bundle (EEBAnfrageBundle): message header, patient
// (known by the insurance number, or in full) and the requesting practice.
#pragma once

#include <string>

#include "usecases/eeb/EebData.h"

namespace fhir::eeb {

// Builds the bundle with fresh resource ids and writes it with XML
// declaration (UTF-8).
std::string writeRequest(const EebData& data);

}  // namespace fhir::eeb
