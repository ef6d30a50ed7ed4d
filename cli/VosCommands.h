// The subcommands for prescribing software (VoS).
#pragma once

#include "Commands.h"

namespace cli {

const Command& vosCreateCommand();
const Command& vosReadAnswerCommand();

}  // namespace cli
