// Base of the resources other than Bundle and Parameters (hand-written).
#pragma once

#include "fhir/r4/core/v4_0_1/Resource.h"

namespace fhir::r4::core::v4_0_1 {

class DomainResource : public Resource {
public:
    std::string getFhirType() const override;
    std::string getUrl() const override;
    std::string getCanonical() const override;
};

}  // namespace fhir::r4::core::v4_0_1
