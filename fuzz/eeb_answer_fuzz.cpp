// libFuzzer target: any byte sequence as the insurer's EEB error answer.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tevofhir/tevo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HostString text(std::string(reinterpret_cast<const char*>(data), size));
    EebAnswerRecord record;
    HostString messages;
    TevoReadEEBOperationOutcome(&text, &record, &messages);
    return 0;
}
