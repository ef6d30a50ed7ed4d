// libFuzzer target: any byte sequence as a received bonus-booklet bundle,
// through the host export and the flat-text export with small buffers.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ZaebRecord record;
    HostString messages;
    TevoExtractMIOZAEBBundle(&record, text, &messages);

    char output[128];
    char message[16];
    LumoExtractMIOZAEBBundle(sizeof output, output, text.c_str(), sizeof message, message);
    return 0;
}
