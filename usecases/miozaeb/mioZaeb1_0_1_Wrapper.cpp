#include "usecases/miozaeb/mioZaeb1_0_1_Wrapper.h"

#include "usecases/shared/Document.h"
#include "usecases/miozaeb/checks.h"
#include "usecases/miozaeb/zaebBuilders.h"

namespace fhir {

bool mioZaeb1_0_1_Wrapper::run() {
    messages_.RemoveAll();
    for (const HostString& message : runZaebChecks(data_)) {
        addMessage(message);
    }
    return messages_.IsEmpty();
}

std::string mioZaeb1_0_1_Wrapper::getDocumentText() const {
    return shared::writeDocument(zaeb::buildZaebBundle(data_));
}

}  // namespace fhir
