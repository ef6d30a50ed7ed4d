#include "flattext/ZaebAdapters.h"

#include "boundary/ResultCode.h"
#include "flattext/ZaebKeys.h"

namespace tevo::flattext {

std::int32_t createZaeb(const char* input, const Buffers& buffers, CreateZaeb create) {
    if (input == nullptr || *input == '\0') {
        return result::kNoInput;
    }
    ZaebRecord record = readZaebRecord(HostString(input));
    ExportResult result;
    HostString messages;
    const std::int32_t code = create(&record, &result, &messages);
    return deliverBuildResult(code, result, messages, buffers);
}

std::int32_t extractZaeb(const char* xml, const OutputBuffer& output, const OutputBuffer& message,
                         ExtractZaeb extract) {
    ZaebRecord record;
    HostString messages;
    const std::int32_t code = extract(&record, std::string(xml ? xml : ""), &messages);
    output.clear();
    if (!output.write(zaebText(record))) {
        return result::kDocumentTooLarge;
    }
    message.clear();
    message.writeCut(messages.str());
    return code;
}

}  // namespace tevo::flattext
