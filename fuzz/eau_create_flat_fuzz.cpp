// libFuzzer target: any byte sequence as the flat text of a certificate of incapacity for work.
#include <cstddef>
#include <cstdint>

#include "FlatTextTarget.h"
#include "tevofhir/lumo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tevo::fuzz::buildFlatText(data, size, LumoCreateEAUBundle);
    return 0;
}
