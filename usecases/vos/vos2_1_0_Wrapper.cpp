#include "usecases/vos/vos2_1_0_Wrapper.h"

#include "usecases/shared/Document.h"
#include "usecases/vos/vosBuilders.h"

namespace fhir {

std::string vos2_1_0_Wrapper::getDocumentText() const {
    return shared::writeDocument(vos::buildVosBundle(record_));
}

}  // namespace fhir
