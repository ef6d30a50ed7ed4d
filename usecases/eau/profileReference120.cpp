#include "fhir/r4/ProfileCanonical.h"
#include "usecases/eau/EauProfiles.h"

namespace fhir::eau {

std::string Eau120::profileReference(const std::string& canonical) {
    return fhir::r4::shortProfileCanonical(canonical);
}

}  // namespace fhir::eau
