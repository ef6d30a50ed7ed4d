// Handing the results of a Tevo... export back through the caller's buffers.
// Shared by every flat-text adapter.
#pragma once

#include <cstdint>
#include <string>

#include "boundary/ExportResult.h"
#include "boundary/HostString.h"
#include "flattext/OutputBuffer.h"

namespace tevo::flattext {

struct Buffers {
    OutputBuffer output;  // document or answer
    OutputBuffer message;
    OutputBuffer error;
};

// "bundle" with the document, then "validation", each only when not empty.
std::string documentText(const ExportResult& result);
// "errorcode", "errortext", "exceptionCause", "exceptionmessage",
// "exceptionstacktrace", each only when not empty.
std::string errorText(const ExportResult& result);

// Clears the error buffer and writes the error text when the error flag is
// set; returns false when the text does not fit.
bool deliverError(const ExportResult& result, const Buffers& buffers);

// After a building export: messages (cut to fit), document (9998 when it
// does not fit), error text (9997). Returns `code` unless replaced.
std::int32_t deliverBuildResult(std::int32_t code, const ExportResult& result, const HostString& messages,
                                const Buffers& buffers);

}  // namespace tevo::flattext
