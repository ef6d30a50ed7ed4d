// The flat-text adapter of the prescription, with the Tevo... export it calls
// passed in (the Lumo... export passes the real one).
#pragma once

#include <cstdint>

#include "boundary/ExportResult.h"
#include "boundary/HostString.h"
#include "flattext/ResultDelivery.h"
#include "usecases/erezept/ERezeptRecord.h"

namespace tevo::flattext {

using CreateERezept = std::int32_t (*)(ERezeptRecord*, ExportResult*, HostString*);

// 9999 without input. An ingredient-list entry with fewer than six fields
// rejects the input as a failed check: -1 with its message, nothing built.
std::int32_t createERezept(const char* input, const Buffers& buffers, CreateERezept create);

}  // namespace tevo::flattext
