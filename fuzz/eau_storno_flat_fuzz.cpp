// libFuzzer target: any byte sequence as the flat text of the cancellation of a certificate.
#include <cstddef>
#include <cstdint>

#include "FlatTextTarget.h"
#include "tevofhir/lumo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tevo::fuzz::buildFlatText(data, size, LumoCreateEAUStornoBundle);
    return 0;
}
