// The subcommand of the electronic prescription.
#pragma once

#include "Commands.h"

namespace cli {

// The command of "erezept-create"; its help goes before the shared input help.
int runERezeptCreate(const Options& options);
extern const char kERezeptCreateHelp[];

}  // namespace cli
