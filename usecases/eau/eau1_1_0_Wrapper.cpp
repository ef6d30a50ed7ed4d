#include "usecases/eau/eau1_1_0_Wrapper.h"

#include "usecases/eau/EauProfiles.h"
#include "usecases/eau/checks.h"
#include "usecases/eau/eauBuilders.h"
#include "usecases/shared/Document.h"

namespace fhir {

bool eau1_1_0_Wrapper::run() {
    messages_.RemoveAll();
    for (const HostString& message : runEauChecks(data_, tevo::ProfileVersion::V1_1)) {
        addMessage(message);
    }
    return messages_.IsEmpty();
}

std::string eau1_1_0_Wrapper::getDocumentText() const {
    return eau::writeDocument(eau::buildEauBundle<eau::Eau110>(data_));
}

}  // namespace fhir
