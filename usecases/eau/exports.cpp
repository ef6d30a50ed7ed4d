// The eAU exports of the host interface.
#include <cstdint>
#include <string>

#include "boundary/BuildingCall.h"
#include "boundary/Export.h"
#include "boundary/ExportResult.h"
#include "boundary/HostString.h"
#include "boundary/ProfileVersion.h"
#include "boundary/ResultCode.h"
#include "boundary/quillkit.h"
#include "fhir/TreeMemory.h"
#include "tevofhir/tevo.h"
#include "usecases/eau/convert.h"
#include "usecases/eau/eauOperationOutcome1_1_0_Wrapper.h"
#include "usecases/eau/eauOperationOutcome1_2_0_Wrapper.h"
#include "usecases/eau/eauStorno1_1_0_Wrapper.h"
#include "usecases/eau/eauStorno1_2_0_Wrapper.h"
#include "usecases/eau/eau1_1_0_Wrapper.h"
#include "usecases/eau/eau1_2_0_Wrapper.h"

namespace {

// The cancellation runs no checks: its document is always built.
template <class UseCase>
std::int32_t buildCancellation(const EauStornoRecord& record, ExportResult* result) {
    const fhir::DocumentArena arena;
    UseCase useCase;
    useCase.setData(fhir::convertEauStornoRecord(record));
    tevo::deliverDocument(result, useCase.getDocumentText());
    return tevo::result::kOk;
}

template <class Reader>
std::int32_t readAnswer(const HostString& text, fhir::AnswerIssue& answer, HostString* messages) {
    Reader reader;
    const std::int32_t code = reader.read(text.str());
    if (code != tevo::result::kOk && messages) {
        *messages = reader.getMessageText();
    }
    answer = reader.answer();
    return code;
}

// The answer as the host sees it: the answered document or the transport
// message as received, and the error code and text; only the text is
// converted to ANSI.
void fillAnswerResult(const fhir::AnswerIssue& answer, ExportResult& result) {
    if (answer.extensionUrl == "Message-ID") {
        result.validation = HostString(answer.extensionValue);
    } else if (answer.extensionUrl == "Bundle-Identifier") {
        result.document = HostString(fhir::shared::withoutUrnUuid(answer.extensionValue));
    }
    result.answerCode = HostString(answer.code);
    result.errorCode = HostString(answer.code);
    result.errorFlag = !answer.code.empty();
    result.answerText = UTF8ToAnsi(HostString(answer.display));
    result.errorText = result.answerText;
}

}  // namespace

TEVO_EXPORT std::int32_t TevoCreateEAUBundle(EauRecord* record, ExportResult* result, HostString* messages,
                                             bool noStatusForUnknownCertainty) {
    // No record is treated like an empty one: without an issue date there is
    // no profile version, and nothing is written.
    if (!record) {
        return tevo::result::kNoProfileVersion;
    }
    switch (tevo::selectProfileVersion(record->angaben.ausstellungsdatum)) {
        case tevo::ProfileVersion::V1_1:
            return tevo::runBuildingCall<fhir::eau1_1_0_Wrapper>(
                fhir::convertEauRecord(*record, noStatusForUnknownCertainty), result, messages);
        case tevo::ProfileVersion::V1_2:
            return tevo::runBuildingCall<fhir::eau1_2_0_Wrapper>(
                fhir::convertEauRecord(*record, noStatusForUnknownCertainty), result, messages);
        case tevo::ProfileVersion::None:
            break;
    }
    return tevo::result::kNoProfileVersion;
}

TEVO_EXPORT std::int32_t TevoCreateEAUStornoBundle(EauStornoRecord* record, ExportResult* result) {
    if (!record) {
        return tevo::result::kNoProfileVersion;
    }
    switch (tevo::selectProfileVersion(record->stornodatum)) {
        case tevo::ProfileVersion::V1_1:
            return buildCancellation<fhir::eauStorno1_1_0_Wrapper>(*record, result);
        case tevo::ProfileVersion::V1_2:
            return buildCancellation<fhir::eauStorno1_2_0_Wrapper>(*record, result);
        case tevo::ProfileVersion::None:
            break;
    }
    return tevo::result::kNoProfileVersion;
}

TEVO_EXPORT std::int32_t TevoReadEAUOperationOutcome(HostString* answerText, ExportResult* result,
                                                     HostString* messages) {
    const HostString text = answerText ? *answerText : HostString();
    fhir::AnswerIssue answer;
    std::int32_t code = tevo::result::kNoProfileVersion;
    switch (tevo::selectProfileVersion(GetQKDate())) {
        case tevo::ProfileVersion::V1_1:
            code = readAnswer<fhir::eauOperationOutcome1_1_0_Wrapper>(text, answer, messages);
            break;
        case tevo::ProfileVersion::V1_2:
            code = readAnswer<fhir::eauOperationOutcome1_2_0_Wrapper>(text, answer, messages);
            break;
        case tevo::ProfileVersion::None:
            return code;
    }
    if (result) {
        fillAnswerResult(answer, *result);
    }
    return code;
}
