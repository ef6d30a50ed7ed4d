// Base of every FHIR resource of the model (hand-written, not generated).
#pragma once

#include <string>

#include "fhir/Element.h"

namespace fhir::r4::core::v4_0_1 {

class Meta;

class Resource : public fhir::Element {
public:
    // Files the Meta element under ("Resource.meta", "meta", 2).
    virtual void setMeta(Meta* meta);
    // Canonical URL with "|" and version.
    virtual std::string getCanonical() const = 0;
};

}  // namespace fhir::r4::core::v4_0_1
