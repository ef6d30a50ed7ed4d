// Steps every building subcommand shares: loading its input as flat text and
// delivering the library's result as document, messages and exit status.
#pragma once

#include <cstdint>
#include <string>

#include "Options.h"
#include "boundary/HostString.h"

namespace cli {

// The whole input file of the options; false (with the reason on standard
// error) when unreadable.
bool readInput(const Options& options, std::string& content);

// The input as flat text in code page 1252, from a readable or a raw file.
// False (with the reason on standard error) when unreadable or empty.
bool loadFlatText(const Options& options, HostString& flatText);

// Writes `bytes` to the output of the options: kExitOk, or kExitUsage with
// the reason on standard error.
int writeResult(const Options& options, const std::string& bytes);

// Writes the document for result 0, prints the messages for -1, and maps
// every result to the exit status.
int deliverDocument(std::int32_t code, const std::string& document, const HostString& messages,
                    const Options& options);

}  // namespace cli
