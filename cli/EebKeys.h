// The keys of the EEB records in the tool's key = value files: the record's
// member names in lower case, addresses with "adresse." and "praxisadresse.".
#pragma once

#include <string>

#include "boundary/HostString.h"
#include "tevofhir/tevo.h"

namespace cli {

// A request filled from flat text (key, 0x02, value, 0x01; code page 1252).
// Flags take "1" and "0"; unknown keys are ignored.
EebRecord readEebRecord(const HostString& flatText);

// The certificate and the error answer as flat text, every value (the flags
// as "1" or "0"), reserve slots left out.
std::string certificateEntries(const EebBescheinigungRecord& record);
std::string answerEntries(const EebAnswerRecord& answer);

}  // namespace cli
