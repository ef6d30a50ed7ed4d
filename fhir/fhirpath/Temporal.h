// Dates, date-times and times of FHIRPath split into their parts, and the
// calendar arithmetic of `+` and `-` with a quantity of calendar units.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace fhir::path {

// A date, date-time or time split into year .. millisecond; `precision` is
// the number of parts given. Times fill from the hour on.
struct Temporal {
    std::array<int, 7> parts{};
    int precision = 0;
};

// Reads "YYYY[-MM[-DD[Thh[:mm[:ss[.fff]]]]]]" (a time zone is not read), or
// with `timeOnly` "hh[:mm[:ss[.fff]]]"; nullopt when the text is neither.
std::optional<Temporal> parseTemporal(std::string_view text, bool timeOnly);

// `text` moved by `amount` of `unit` (year(s), month(s), week(s), day(s),
// hour(s), minute(s), second(s), millisecond(s), or the UCUM codes 'a', 'mo',
// 'wk', 'd', 'h', 'min', 's', 'ms'), written in the precision of `text`; the
// day of a month that is too short becomes its last day. nullopt for an
// unknown unit or a text that is no date.
std::optional<std::string> addToTemporal(std::string_view text, bool timeOnly, double amount, std::string_view unit);

}  // namespace fhir::path
