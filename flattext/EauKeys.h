// The flat-text keys of the certificate and of its cancellation.
#pragma once

#include "boundary/HostString.h"
#include "usecases/eau/EauRecord.h"
#include "usecases/eau/EauStornoRecord.h"

namespace tevo::flattext {

// Fills a fresh record from the entries of `text`. The numbered diagnoses
// 1 to 6 join the diagnosis list in number order, each only with a code.
EauRecord readEauRecord(const HostString& text);
EauStornoRecord readEauStornoRecord(const HostString& text);

}  // namespace tevo::flattext
