// Reading the tool's input files.
#pragma once

#include <string>

#include "boundary/HostString.h"

namespace cli {

// The whole content of a file ("-": standard input). False when unreadable.
bool readFile(const std::string& name, std::string& content);

// Turns readable "key = value" lines into flat text (key, 0x02, value, 0x01).
// Blank lines and lines starting with '#' are skipped; the first '=' splits
// key and value; blanks around both are removed. With `utf8`, keys and values
// are converted from UTF-8 to code page 1252 (a leading byte-order mark is
// dropped). Returns false and sets `error`
// (naming the line) for a line without '=' or with a byte 0x01 or 0x02.
bool readableToFlatText(const std::string& content, bool utf8, HostString& flatText, std::string& error);

}  // namespace cli
