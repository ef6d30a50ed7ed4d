// The readable input of the appointment-service request: one key per field
// of the host record (keys in lower case).
#pragma once

#include "boundary/HostString.h"
#include "tevofhir/tevo.h"

namespace cli {

// Fills a request record from flat text (code page 1252). Flags take "1" or
// "0"; unknown keys are ignored.
VmcaRecord readVmcaRecord(const HostString& flatText);

}  // namespace cli
