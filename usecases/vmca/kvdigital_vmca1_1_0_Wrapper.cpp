#include "usecases/vmca/kvdigital_vmca1_1_0_Wrapper.h"

#include "usecases/vmca/checks.h"
#include "usecases/vmca/vmcaBuilders.h"

namespace fhir {

bool kvdigital_vmca1_1_0_Wrapper::run() {
    messages_.RemoveAll();
    for (const HostString& message : runVmcaChecks(data_)) {
        addMessage(message);
    }
    return messages_.IsEmpty();
}

std::string kvdigital_vmca1_1_0_Wrapper::getDocumentText() const {
    std::string text;
    vmca::buildRequest(data_)->writeXml(text, false);
    return text;
}

}  // namespace fhir
