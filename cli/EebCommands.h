// The EEB subcommands: build the request to the insurer, read its
// certificate or its error answer.
#pragma once

#include "Commands.h"

namespace cli {

extern const Command kEebRequest;
extern const Command kEebReadCertificate;
extern const Command kEebReadAnswer;

}  // namespace cli
