#include "flattext/ResultDelivery.h"

#include <utility>

#include "boundary/ResultCode.h"
#include "flattext/FlatText.h"

namespace tevo::flattext {
namespace {

template <std::size_t N>
std::string entriesOf(const ExportResult& result, const std::pair<const char*, HostString ExportResult::*> (&fields)[N]) {
    std::string text;
    for (const auto& [key, member] : fields) {
        if (!(result.*member).IsEmpty()) {
            appendEntry(text, key, result.*member);
        }
    }
    return text;
}

const std::pair<const char*, HostString ExportResult::*> kDocumentEntries[] = {
    {"bundle", &ExportResult::document},
    {"validation", &ExportResult::validation},
};

const std::pair<const char*, HostString ExportResult::*> kErrorEntries[] = {
    {"errorcode", &ExportResult::errorCode},
    {"errortext", &ExportResult::errorText},
    {"exceptionCause", &ExportResult::exceptionCause},
    {"exceptionmessage", &ExportResult::exceptionMessage},
    {"exceptionstacktrace", &ExportResult::exceptionStackTrace},
};

}  // namespace

std::string documentText(const ExportResult& result) { return entriesOf(result, kDocumentEntries); }

std::string errorText(const ExportResult& result) { return entriesOf(result, kErrorEntries); }

bool deliverError(const ExportResult& result, const Buffers& buffers) {
    if (!result.errorFlag) {
        return true;
    }
    buffers.error.clear();
    return buffers.error.write(errorText(result));
}

std::int32_t deliverBuildResult(std::int32_t code, const ExportResult& result, const HostString& messages,
                                const Buffers& buffers) {
    buffers.message.clear();
    buffers.message.writeCut(messages.str());
    buffers.output.clear();
    if (!buffers.output.write(documentText(result))) {
        return result::kDocumentTooLarge;
    }
    if (!deliverError(result, buffers)) {
        return result::kErrorTooLarge;
    }
    return code;
}

}  // namespace tevo::flattext
