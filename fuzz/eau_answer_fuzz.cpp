// libFuzzer target: any byte sequence as a received eAU answer, through the
// host export and the flat-text export with small buffers.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
