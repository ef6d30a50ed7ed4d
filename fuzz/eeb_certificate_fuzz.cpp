// libFuzzer target: any byte sequence as the insurer's EEB certificate bundle.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tevofhir/tevo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HostString text(std::string(reinterpret_cast<const char*>(data), size));
    EebBescheinigungRecord record;
    HostString messages;
    TevoReadEEBBescheinigungBundle(&text, &record, &messages);
    return 0;
}
