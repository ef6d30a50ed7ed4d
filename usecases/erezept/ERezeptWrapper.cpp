#include "usecases/erezept/ERezeptWrapper.h"

#include "usecases/erezept/ERezeptProfiles.h"
#include "usecases/erezept/checks.h"
#include "usecases/erezept/erezeptBuilders.h"
#include "usecases/shared/Document.h"

namespace fhir {

template <tevo::ProfileVersion kVersion, class Profiles>
bool ERezeptWrapper<kVersion, Profiles>::run() {
    messages_.RemoveAll();
    for (const HostString& message : runERezeptChecks(data_, kVersion)) {
        addMessage(message);
    }
    return messages_.IsEmpty();
}

template <tevo::ProfileVersion kVersion, class Profiles>
std::string ERezeptWrapper<kVersion, Profiles>::getDocumentText() const {
    return shared::writeDocument(erezept::buildERezeptBundle<Profiles>(data_));
}

template class ERezeptWrapper<tevo::ProfileVersion::V1_1, erezept::ERezept110>;
template class ERezeptWrapper<tevo::ProfileVersion::V1_2, erezept::ERezept132>;

}  // namespace fhir
