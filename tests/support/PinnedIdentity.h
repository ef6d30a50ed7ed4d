// Pinned resource ids and clock for tests and test programs that compare
// documents byte for byte.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

#include "boundary/clock.h"
#include "fhir/Identity.h"

namespace pinned {

// Seconds of a local calendar time, so that the library's local-time
// conversion gives back exactly this time whatever the time zone.
inline std::int64_t localSeconds(int year, int month, int day, int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&local));
}

inline int& uuidCounter() {
    static int counter = 0;
    return counter;
}

// The id 00000000-0000-4000-8000-<number in 12 digits>.
inline std::string numberedUuid(int number) {
    char text[40];
    std::snprintf(text, sizeof text, "00000000-0000-4000-8000-%012d", number);
    return text;
}

// Ids 00000000-0000-4000-8000-000000000001, ...002, ... in call order.
inline std::string countingUuid() { return numberedUuid(++uuidCounter()); }

// Ids counted per thread, for exports running on several threads at once:
// after `restartThreadIds` a thread's next export gets the ids of a lone one.
inline int& threadUuidCounter() {
    thread_local int counter = 0;
    return counter;
}

inline void restartThreadIds() { threadUuidCounter() = 0; }

inline std::string threadCountingUuid() { return numberedUuid(++threadUuidCounter()); }

inline std::int64_t& pinnedNow() {
    static std::int64_t now = 0;
    return now;
}

inline std::int64_t pinnedClock() {
    return pinnedNow();
}

// Counts ids from 1 again and sets the clock to 2025-10-15 09:30:05 local time.
inline void pin() {
    uuidCounter() = 0;
    pinnedNow() = localSeconds(2025, 10, 15, 9, 30, 5);
    fhir::setUuidSource(&countingUuid);
    tevo::setClockSource(&pinnedClock);
}

// Gives the library its own sources back.
inline void release() {
    fhir::setUuidSource(nullptr);
    tevo::setClockSource(nullptr);
}

}  // namespace pinned
