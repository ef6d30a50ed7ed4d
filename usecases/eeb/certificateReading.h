// Reading the insurer's certificate bundle (EEBBescheinigungBundle) through
// the element tree.
#pragma once

#include <cstdint>
#include <string>

#include "boundary/Wrapper.h"
#include "usecases/eeb/EebCertificate.h"

namespace fhir::eeb {

// Parses `text` and fills `certificate` from the bundle, its header, patient
// and coverage. Returns 0; 13 for an empty document, a root other than Bundle
// or a bundle that lacks header, patient or coverage (the values found are
// still filled in); 1465/1359/574 for failures. Every non-zero result adds
// one message to `reader`.
std::int32_t readCertificate(fhir::Wrapper& reader, const std::string& text, EebCertificate& certificate);

}  // namespace fhir::eeb
