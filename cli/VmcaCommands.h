// The subcommands of the appointment-service request (VMCA).
#pragma once

#include "Commands.h"

namespace cli {

extern const Command kVmcaRequest;
extern const Command kVmcaReadAnswer;
extern const Command kVmcaCodes;

}  // namespace cli
