#include "usecases/eau/eauStorno1_2_0_Wrapper.h"

#include "usecases/eau/EauProfiles.h"
#include "usecases/eau/eauBuilders.h"
#include "usecases/shared/Document.h"

namespace fhir {

std::string eauStorno1_2_0_Wrapper::getDocumentText() const {
    return eau::writeDocument(eau::buildStornoBundle<eau::Eau120>(stornoData_));
}

}  // namespace fhir
