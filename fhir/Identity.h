// Resource ids and creation timestamps of the builders.
#pragma once

#include <string>

namespace fhir {

// A random version-4 UUID in lower-case hex, 36 characters.
std::string newUuid();

// The current local clock time as "%Y-%m-%dT%H:%M:%SZ" (the "Z" is written
// after the local time without conversion to UTC), taken from GetQKTime.
// Throws std::invalid_argument (E_INVALIDARG) when the local-time conversion fails.
std::string currentTimestamp();
// The same from the run-time clock (VoS builder).
std::string currentRuntimeTimestamp();
// The current local date as "%Y-%m-%d" from the run-time clock (VoS builder).
std::string currentRuntimeDate();

// Test support: every newUuid call returns what `source` returns; nullptr
// restores the random generator. Golden-file tests pin ids with it.
using UuidSource = std::string (*)();
void setUuidSource(UuidSource source);

}  // namespace fhir
