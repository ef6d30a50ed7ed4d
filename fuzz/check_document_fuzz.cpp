// libFuzzer target: any byte sequence as a document to check against the
// published profiles' rules, through the host export and the flat-text
// export with a small message buffer.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    HostString document(text);
    HostString messages;
    TevoCheckDocument(&document, &messages);

    char message[16];
    LumoCheckDocument(text.c_str(), sizeof message, message);
    return 0;
}
