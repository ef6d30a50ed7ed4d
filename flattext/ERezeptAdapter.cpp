#include "flattext/ERezeptAdapter.h"

#include "boundary/ResultCode.h"
#include "boundary/quillkit.h"
#include "flattext/ERezeptKeys.h"

namespace tevo::flattext {

std::int32_t createERezept(const char* input, const Buffers& buffers, CreateERezept create) {
    if (input == nullptr || *input == '\0') {
        return result::kNoInput;
    }
    ERezeptReading reading = readERezeptRecord(HostString(input));
    ExportResult result;
    if (!reading.rejection.empty()) {
        return deliverBuildResult(result::kChecksFailed, result, UTF8ToAnsi(HostString(reading.rejection)), buffers);
    }
    HostString messages;
    const std::int32_t code = create(&reading.record, &result, &messages);
    return deliverBuildResult(code, result, messages, buffers);
}

}  // namespace tevo::flattext
