// The steps every building export shares once it has chosen the version and
// converted the record: construct the use-case object, hand it the data, run
// the checks, and return either the messages or the document.
#pragma once

#include <cstdint>
#include <utility>

#include "boundary/ExportResult.h"
#include "boundary/HostString.h"
#include "boundary/ResultCode.h"
#include "fhir/TreeMemory.h"

namespace tevo {

// Where a building export delivers its document: the result record's document
// field, or a host string (EEB and VMCA requests).
inline void deliverDocument(ExportResult* result, std::string document) {
    if (result) {
        result->document = HostString(std::move(document));
    }
}
inline void deliverDocument(HostString* target, std::string document) {
    if (target) {
        *target = HostString(std::move(document));
    }
}

// UseCase: derived from fhir::Wrapper with setData(const Data&), run() and
// getDocumentText(). On failed checks only `messages` is written, on success
// only the document; null outputs are skipped. The document's tree is built in
// an arena of its own.
// The data are moved into the use-case object where it takes them by value.
template <class UseCase, class Data, class Output>
std::int32_t runBuildingCall(Data&& data, Output* output, HostString* messages) {
    const fhir::DocumentArena arena;
    UseCase useCase;
    useCase.setData(std::forward<Data>(data));
    if (!useCase.run()) {
        if (messages) {
            *messages = useCase.getMessageText();
        }
        return result::kChecksFailed;
    }
    deliverDocument(output, useCase.getDocumentText());
    return result::kOk;
}

}  // namespace tevo
