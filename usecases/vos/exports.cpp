// The VoS exports of the host interface.
#include <cstdint>
#include <string>
#include <utility>

#include "boundary/Export.h"
#include "boundary/ExportResult.h"
#include "boundary/FieldConversion.h"
#include "boundary/HostString.h"
#include "boundary/ResultCode.h"
#include "boundary/quillkit.h"
#include "fhir/TreeMemory.h"
#include "tevofhir/tevo.h"
#include "usecases/shared/answerReading.h"
#include "usecases/vos/vos2_1_0_Wrapper.h"
#include "usecases/vos/vosOperationOutcome2_1_0_Wrapper.h"

namespace {

// The answer as the host sees it, every text as received (UTF-8).
void fillAnswerResult(const fhir::VosAnswer& answer, ExportResult& result) {
    if (answer.key == "Message-ID") {
        result.validation = HostString(answer.value);
    } else if (answer.key == "Bundle-Identifier") {
        result.document = HostString(fhir::shared::withoutUrnUuid(answer.value));
    }
    result.errorFlag = !answer.code.empty();
    result.errorCode = HostString(answer.code);
    result.errorText = HostString(answer.display);
    result.answerCode = result.errorCode;
    result.answerText = result.errorText;
}

}  // namespace

TEVO_EXPORT std::int32_t TevoCreateVOSBundle(VosRecord* record, ExportResult* result, HostString* messages) {
    // No record is built like an empty one.
    const VosRecord empty;
    const fhir::DocumentArena arena;
    fhir::vos2_1_0_Wrapper useCase;
    useCase.setData(record ? *record : empty);
    if (!useCase.run()) {
        if (messages) {
            *messages = useCase.getMessageText();
        }
        return tevo::result::kChecksFailed;
    }
    // The tree holds the host's ANSI text; the written document is converted
    // as a whole, and the control characters XML cannot carry are left out of
    // it (the writer itself writes none, so only host text loses them).
    std::string document = AnsiToUTF8(HostString(useCase.getDocumentText())).str();
    tevo::dropNoXmlCharacters(document);
    if (result) {
        result->document = HostString(std::move(document));
    }
    return tevo::result::kOk;
}

TEVO_EXPORT std::int32_t TevoReadVOSOperationOutcome(HostString* answerText, ExportResult* result) {
    fhir::vosOperationOutcome2_1_0_Wrapper reader;
    // The reader's own status and messages are not handed on.
    reader.read(answerText ? answerText->str() : std::string());
    if (result) {
        fillAnswerResult(reader.answer(), *result);
    }
    return tevo::result::kOk;
}
