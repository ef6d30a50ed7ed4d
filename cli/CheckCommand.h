// Checking documents against the rules of the published profiles: the
// `check` subcommand, and the check of every document the tool builds.
#pragma once

#include <string>

#include "Commands.h"

namespace cli {

// Checks a written document (UTF-8); prints one message per broken rule on
// standard error. Returns kExitOk, or kExitRulesBroken.
int reportRuleCheck(const std::string& document);

extern const Command kCheck;

}  // namespace cli
