#include "fhir/r4/core/v4_0_1/BackboneElement.h"

#include "fhir/CanonicalBase.h"

namespace fhir::r4::core::v4_0_1 {

std::string BackboneElement::getFhirType() const {
    return "BackboneElement";
}

std::string BackboneElement::getUrl() const {
    return std::string(base::kCoreDefinitions) + "BackboneElement";
}

std::string BackboneElement::getCanonical() const {
    return getUrl() + base::kCoreVersionSuffix;
}

}  // namespace fhir::r4::core::v4_0_1
