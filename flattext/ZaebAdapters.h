// The flat-text adapters of the bonus booklet, with the Tevo... export they
// call passed in (the Lumo... exports pass the real ones).
#pragma once

#include <cstdint>
#include <string>

#include "boundary/ExportResult.h"
#include "boundary/HostString.h"
#include "flattext/OutputBuffer.h"
#include "flattext/ResultDelivery.h"
#include "usecases/miozaeb/ZaebRecord.h"

namespace tevo::flattext {

using CreateZaeb = std::int32_t (*)(ZaebRecord*, ExportResult*, HostString*);
using ExtractZaeb = std::int32_t (*)(ZaebRecord*, std::string, HostString*);

std::int32_t createZaeb(const char* input, const Buffers& buffers, CreateZaeb create);

// A null text is read like an empty one. 9998 when the record's text does
// not fit `output`; the message buffer is then left untouched.
std::int32_t extractZaeb(const char* xml, const OutputBuffer& output, const OutputBuffer& message,
                         ExtractZaeb extract);

}  // namespace tevo::flattext
