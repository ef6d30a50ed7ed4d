// libFuzzer target: any byte sequence as a received eAU answer, through the
// host export and the flat-text export with small buffers. The clock decides
// which generation's reader reads the answer; the input length picks it, so
// that both are fuzzed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "boundary/clock.h"
#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"

namespace {

std::int64_t firstGeneration() {
    return 1735732800;  // 2025-01-01
}

std::int64_t secondGeneration() {
    return 1767225600;  // 2026-01-01
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tevo::setClockSource(size % 2 == 0 ? &firstGeneration : &secondGeneration);
    const std::string text(reinterpret_cast<const char*>(data), size);
    HostString answer(text);
    ExportResult result;
    HostString messages;
    TevoReadEAUOperationOutcome(&answer, &result, &messages);

    char output[64];
    char message[16];
    char error[16];
    LumoReadEAUOperationOutcome(sizeof output, output, text.c_str(), sizeof message, message, sizeof error, error);
    return 0;
}
