// Base of the backbone elements and of Dosage, Timing, ElementDefinition
// (hand-written).
#pragma once

#include <string>

#include "fhir/Element.h"

namespace fhir::r4::core::v4_0_1 {

class BackboneElement : public fhir::Element {
public:
    std::string getFhirType() const override;
    std::string getUrl() const override;
    virtual std::string getCanonical() const;
};

}  // namespace fhir::r4::core::v4_0_1
