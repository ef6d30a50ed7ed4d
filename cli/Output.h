// Where the tool writes: the document to a file or standard output, the
// messages to standard error in UTF-8.
#pragma once

#include <string>

#include "boundary/HostString.h"

namespace cli {

// Writes `bytes` unchanged to the file `name` ("-": standard output).
bool writeOutput(const std::string& name, const std::string& bytes);

// Writes messages held in code page 1252 as UTF-8 lines to standard error.
void printMessages(const HostString& ansiMessages);

}  // namespace cli
