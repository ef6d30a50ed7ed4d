// The clock behind GetQKTime, GetQKDate and the run-time clock of the VoS
// builder. Tests replace it to make documents reproducible; the library has
// no configuration of its own, so the hook is a C++ call only.
#pragma once

#include <cstdint>
#include <ctime>

namespace tevo {

// Seconds since 1970-01-01 00:00:00 UTC.
using ClockSource = std::int64_t (*)();

// The current time from the installed source (the system clock by default).
std::int64_t currentTime();

// Test support: installs a source for every clock reading of the library;
// nullptr restores the system clock. Not meant to be called while exports run.
void setClockSource(ClockSource source);

// Converts seconds to local calendar time; false when the platform conversion fails.
bool toLocalTime(std::int64_t seconds, struct std::tm& out);

}  // namespace tevo
