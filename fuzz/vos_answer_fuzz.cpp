// libFuzzer target: any byte sequence as the answer of prescribing software.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tevofhir/tevo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HostString answer(std::string(reinterpret_cast<const char*>(data), size));
    ExportResult result;
    TevoReadVOSOperationOutcome(&answer, &result);
    return 0;
}
