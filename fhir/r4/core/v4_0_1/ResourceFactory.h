// Creates the resource held by a "resource" wrapper element of a received
// document.
#pragma once

#include "fhir/XmlNode.h"

namespace fhir::r4::core::v4_0_1 {

class Resource;

// Looks at the name of the wrapper's first child element and parses it with
// the matching class: Composition, Organization, Patient, Observation,
// Condition, Coverage, Practitioner, MessageHeader. Any other name, or a
// wrapper without child element, gives null. The caller owns the result.
Resource* createResource(const xml::Node* wrapper);

}  // namespace fhir::r4::core::v4_0_1
