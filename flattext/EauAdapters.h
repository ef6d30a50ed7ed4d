// The flat-text adapters of the certificate, with the Tevo... export they
// call passed in (the Lumo... exports pass the real ones).
#pragma once

#include <cstdint>

#include "boundary/ExportResult.h"
#include "boundary/HostString.h"
#include "flattext/ResultDelivery.h"
#include "usecases/eau/EauRecord.h"
#include "usecases/eau/EauStornoRecord.h"

namespace tevo::flattext {

using CreateEau = std::int32_t (*)(EauRecord*, ExportResult*, HostString*, bool);
using CreateEauStorno = std::int32_t (*)(EauStornoRecord*, ExportResult*);
using ReadEauAnswer = std::int32_t (*)(HostString*, ExportResult*, HostString*);

std::int32_t createEau(const char* input, const Buffers& buffers, CreateEau create);
std::int32_t createEauStorno(const char* input, const Buffers& buffers, CreateEauStorno create);
std::int32_t readEauAnswer(const char* xml, const Buffers& buffers, ReadEauAnswer read);

// The answer's values as flat text: "operationoutcome." + "dokumentenid",
// "kimid", "fehlercode", "fehlertext", each only when not empty.
std::string answerText(const ExportResult& result);

}  // namespace tevo::flattext
