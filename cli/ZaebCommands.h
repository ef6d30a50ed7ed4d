// The bonus-booklet subcommands.
#pragma once

#include "Commands.h"

namespace cli {

const Command& zaebCreateCommand();
const Command& zaebExtractCommand();

}  // namespace cli
