#include "fhir/fhirpath/Temporal.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace fhir::path {

namespace {

bool digits(std::string_view text, std::size_t at, std::size_t count, int& out) {
    if (at + count > text.size()) {
        return false;
    }
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    out = value;
    return true;
}

std::optional<Temporal> parseTime(std::string_view text, Temporal t, int first) {
    std::size_t at = 0;
    for (int part = first; part < first + 3; ++part) {
        if (!digits(text, at, 2, t.parts[part])) {
            return part == first ? std::nullopt : std::optional<Temporal>(t);
        }
        t.precision = part + 1;
        at += 2;
        if (at >= text.size() || text[at] != ':') {
            break;
        }
        ++at;
    }
    if (at < text.size() && text[at] == '.') {
        std::size_t end = at + 1;
        int millis = 0;
        int scale = 100;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) {
            millis += (text[end] - '0') * scale;
            scale /= 10;
            ++end;
        }
        t.parts[6] = millis;
        t.precision = 7;
    }
    return t;
}

}  // namespace

std::optional<Temporal> parseTemporal(std::string_view text, bool timeOnly) {
    Temporal t;
    if (timeOnly) {
        return parseTime(text, t, 3);
    }
    if (!digits(text, 0, 4, t.parts[0])) {
        return std::nullopt;
    }
    t.precision = 1;
    std::size_t at = 4;
    for (int part = 1; part < 3 && at < text.size() && text[at] == '-'; ++part) {
        if (!digits(text, at + 1, 2, t.parts[part])) {
            return std::nullopt;
        }
        t.precision = part + 1;
        at += 3;
    }
    if (at < text.size() && text[at] == 'T') {
        if (at + 1 == text.size()) {
            return t;
        }
        return parseTime(text.substr(at + 1), t, 3);
    }
    return at == text.size() ? std::optional<Temporal>(t) : std::nullopt;
}

namespace {

struct UnitSpec {
    const char* names[3];
    int part;          // the part the unit counts
    std::int64_t scale;  // how many of that part one unit is
};

constexpr UnitSpec kUnits[] = {
    {{"year", "years", "a"}, 0, 1},        {{"month", "months", "mo"}, 1, 1},
    {{"week", "weeks", "wk"}, 2, 7},       {{"day", "days", "d"}, 2, 1},
    {{"hour", "hours", "h"}, 3, 1},        {{"minute", "minutes", "min"}, 4, 1},
    {{"second", "seconds", "s"}, 5, 1},    {{"millisecond", "milliseconds", "ms"}, 6, 1},
};

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(std::int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

int daysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : kDays[m - 1];
}

}  // namespace

std::optional<std::string> addToTemporal(std::string_view text, bool timeOnly, double amount, std::string_view unit) {
    auto parsed = parseTemporal(text, timeOnly);
    const UnitSpec* spec = nullptr;
    for (const UnitSpec& u : kUnits) {
        for (const char* name : u.names) {
            spec = unit == name ? &u : spec;
        }
    }
    if (!parsed || !spec || (timeOnly && spec->part < 3)) {
        return std::nullopt;
    }
    Temporal t = *parsed;
    auto& p = t.parts;
    const std::int64_t count = static_cast<std::int64_t>(std::trunc(amount)) * spec->scale;
    if (spec->part <= 1) {
        std::int64_t months = static_cast<std::int64_t>(p[0]) * 12 + (p[1] ? p[1] - 1 : 0) + (spec->part == 0 ? count * 12 : count);
        p[0] = static_cast<int>(months / 12);
        if (t.precision >= 2) {
            p[1] = static_cast<int>(months % 12) + 1;
        }
        if (t.precision >= 3 && p[2] > daysInMonth(p[0], p[1])) {
            p[2] = daysInMonth(p[0], p[1]);
        }
    } else if (!timeOnly) {
        // Days and time of day as milliseconds since 1970, then back.
        static constexpr std::int64_t kScale[] = {0, 0, 86400000, 3600000, 60000, 1000, 1};
        std::int64_t ms = daysFromCivil(p[0], p[1] ? p[1] : 1, p[2] ? p[2] : 1) * kScale[2] +
                          p[3] * kScale[3] + p[4] * kScale[4] + p[5] * kScale[5] + p[6];
        ms += count * kScale[spec->part];
        const std::int64_t days = ms >= 0 ? ms / kScale[2] : (ms - kScale[2] + 1) / kScale[2];
        std::int64_t rest = ms - days * kScale[2];
        civilFromDays(days, p[0], p[1], p[2]);
        for (int i = 3; i < 7; ++i) {
            p[i] = static_cast<int>(rest / kScale[i]);
            rest %= kScale[i];
        }
    } else {
        static constexpr std::int64_t kScale[] = {0, 0, 0, 3600000, 60000, 1000, 1};
        const std::int64_t day = 86400000;
        std::int64_t ms = p[3] * kScale[3] + p[4] * kScale[4] + p[5] * kScale[5] + p[6] + count * kScale[spec->part];
        ms = ((ms % day) + day) % day;
        for (int i = 3; i < 7; ++i) {
            p[i] = static_cast<int>(ms / kScale[i]);
            ms %= kScale[i];
        }
    }
    char out[48];
    static constexpr const char* kFormats[] = {"%04d", "-%02d", "-%02d", "T%02d", ":%02d", ":%02d", ".%03d"};
    std::string written;
    for (int i = timeOnly ? 3 : 0; i < t.precision; ++i) {
        const char* format = timeOnly && i == 3 ? "%02d" : kFormats[i];
        std::snprintf(out, sizeof out, format, p[i]);
        written += out;
    }
    return written;
}

}  // namespace fhir::path
