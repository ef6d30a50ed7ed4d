// Pieces every subcommand shares: reading the input or a flat text, delivering
// a built document or other output, showing flat text as readable lines, and
// the help on input.
#pragma once

#include <cstdint>
#include <string>

#include "Commands.h"
#include "Options.h"
#include "boundary/ExportResult.h"
#include "boundary/HostString.h"

namespace cli {

// The input as flat text in code page 1252, from a readable or a raw file;
// false (with the reason on standard error) when unreadable or empty.
bool loadFlatText(const Options& options, HostString& flatText);

// Writes the document for 0, prints the messages for -1 and any other result;
// returns the exit status. The document is the result record's or, for the
// exports that deliver it in a host string, that string.
int deliverDocument(std::int32_t code, const ExportResult& result, const HostString& messages, const Options& options);
int deliverDocument(std::int32_t code, const HostString& document, const HostString& messages, const Options& options);

// The whole input file; false (with the reason on standard error) when
// unreadable.
bool readInput(const Options& options, std::string& content);

// Writes `bytes` to the output: kExitOk, or kExitUsage with the reason on
// standard error.
int writeResult(const Options& options, const std::string& bytes);

// For a reader's result 0 writes the values it read (flat text in code page
// 1252) as readable lines, or as they are with --raw; otherwise prints the
// messages and the result. Returns the exit status.
int deliverValues(std::int32_t code, const std::string& flatValues, const HostString& messages,
                  const Options& options);

// Runs a reader subcommand: reads the input document, lets `read(document,
// messages, flatValues)` call the export and hand back its result, then
// delivers the values as `deliverValues` does.
template <class Read>
int runReader(const Options& options, Read read) {
    std::string content;
    if (!readInput(options, content)) {
        return kExitUsage;
    }
    HostString document(content);
    HostString messages;
    std::string flatValues;
    const std::int32_t code = read(document, messages, flatValues);
    return deliverValues(code, flatValues, messages, options);
}

// Flat text as readable "key = value" lines; values held in code page 1252
// (`ansi`) are converted to UTF-8, UTF-8 values are kept.
std::string readableLines(const std::string& flatText, bool ansi);

// The help on the readable input file and the common options.
extern const char* const kInputHelp;

}  // namespace cli
