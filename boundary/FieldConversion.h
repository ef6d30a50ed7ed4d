// Conversion of host fields into the UTF-8 data of the builders, and the
// length rule of the checks.
#pragma once

#include <string>
#include <string_view>

#include "boundary/HostString.h"

namespace tevo {

// Trims white space at both ends, keeps the first `maximum` ANSI characters
// (0 keeps all; the cut is silent), converts the rest to UTF-8 and leaves out
// the control characters XML cannot carry (below 0x20 but tab, line feed and
// carriage return), so that no host text makes a document malformed.
std::string toFhirText(const HostString& field, int maximum);
// The same for a text that already is UTF-8 (the bonus-booklet builder):
// taken over byte for byte as a host string, then the same steps.
std::string toFhirText(const std::string& field, int maximum);
// Converts to UTF-8 and leaves out the control characters XML cannot carry,
// without trimming or cutting: for fields taken over as they are.
std::string toXmlText(std::string_view field);
// Leaves out of a UTF-8 text the control characters XML cannot carry (as
// toFhirText does), for a document written from host text as a whole.
void dropNoXmlCharacters(std::string& text);

// Counts the characters of a UTF-8 value as ANSI characters (an umlaut counts
// one) and tells whether minimum <= count <= maximum; maximum -1 is unbounded.
bool checkLength(const std::string& value, int minimum, int maximum);

}  // namespace tevo
