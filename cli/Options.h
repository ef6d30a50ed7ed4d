// Command-line options shared by every subcommand.
#pragma once

#include <string>
#include <vector>

namespace cli {

struct Options {
    std::string input = "-";  // file name, "-" for standard input
    std::string output = "-";  // file name, "-" for standard output
    bool raw = false;  // input is flat text (0x01/0x02), code page 1252
    bool ansi = false;  // readable input is code page 1252, not UTF-8
    bool help = false;
    // Built documents are checked against the published profiles' rules
    // unless this is set (--no-profile-check).
    bool noProfileCheck = false;
    // Every input file named, in order (the check command takes several).
    std::vector<std::string> inputs;
};

// Parses the arguments after the subcommand. Returns false and sets `error`
// for an unknown option, a missing option value or, unless `manyInputs`, a
// second input file.
bool parseOptions(const std::vector<std::string>& args, Options& options, std::string& error,
                  bool manyInputs = false);

}  // namespace cli
