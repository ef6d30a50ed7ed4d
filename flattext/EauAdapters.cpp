#include "flattext/EauAdapters.h"

#include <utility>

#include "boundary/ResultCode.h"
#include "flattext/EauKeys.h"
#include "flattext/FlatText.h"

namespace tevo::flattext {
namespace {

bool noInput(const char* input) { return input == nullptr || *input == '\0'; }

const std::pair<const char*, HostString ExportResult::*> kAnswerEntries[] = {
    {"operationoutcome.dokumentenid", &ExportResult::document},
    {"operationoutcome.kimid", &ExportResult::validation},
    {"operationoutcome.fehlercode", &ExportResult::answerCode},
    {"operationoutcome.fehlertext", &ExportResult::answerText},
};

}  // namespace

std::string answerText(const ExportResult& result) {
    std::string text;
    for (const auto& [key, member] : kAnswerEntries) {
        if (!(result.*member).IsEmpty()) {
            appendEntry(text, key, result.*member);
        }
    }
    return text;
}

std::int32_t createEau(const char* input, const Buffers& buffers, CreateEau create) {
    if (noInput(input)) {
        return result::kNoInput;
    }
    EauRecord record = readEauRecord(HostString(input));
    ExportResult result;
    HostString messages;
    // A certainty outside "A", "G", "V", "Z" stays without diagnosis status.
    const std::int32_t code = create(&record, &result, &messages, true);
    return deliverBuildResult(code, result, messages, buffers);
}

std::int32_t createEauStorno(const char* input, const Buffers& buffers, CreateEauStorno create) {
    if (noInput(input)) {
        return result::kNoInput;
    }
    EauStornoRecord record = readEauStornoRecord(HostString(input));
    ExportResult result;
    const std::int32_t code = create(&record, &result);
    return deliverBuildResult(code, result, HostString(), buffers);
}

std::int32_t readEauAnswer(const char* xml, const Buffers& buffers, ReadEauAnswer read) {
    HostString answer(xml);
    ExportResult result;
    HostString messages;
    const std::int32_t code = read(&answer, &result, &messages);
    buffers.output.clear();
    if (!buffers.output.write(answerText(result))) {
        return result::kDocumentTooLarge;
    }
    buffers.message.clear();
    buffers.message.writeCut(messages.str());
    if (!deliverError(result, buffers)) {
        return result::kErrorTooLarge;
    }
    return code;
}

}  // namespace tevo::flattext
