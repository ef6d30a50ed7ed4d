// The subcommands of the tool.
#pragma once

#include "Options.h"

namespace cli {

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitChecksFailed = 1;
constexpr int kExitUsage = 2;  // wrong arguments, unreadable input, unwritable output
constexpr int kExitOther = 3;  // any other result of the library
constexpr int kExitRulesBroken = 4;  // built, but rejected by the published rules

struct Command {
    const char* name;
    const char* summary;
    const char* help;
    int (*run)(const Options& options);
    bool manyInputs = false;  // takes several input files
};

// In the order of the overview.
const Command* commandsBegin();
const Command* commandsEnd();

}  // namespace cli
