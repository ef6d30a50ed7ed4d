// Extension profiles whose value is a dateTime (the eAU dates of partial
// ability to work, reintegration, admission and discharge). Their classes
// offer the value types of the core Extension, which has no dateTime; this
// files the value under the key the core extensions with a dateTime value use.
#pragma once

#include "fhir/ChildKey.h"
#include "fhir/primitives.h"

namespace fhir::eau {

template <class ExtensionProfile>
class DateTimeValued : public ExtensionProfile {
public:
    using ExtensionProfile::setValue;
    void setValue(fhir::f_dateTime* value) { this->fileChild(kValueDateTime, value); }

private:
    static constexpr KeySpec kValueDateTime{"Extension.value", "valueDateTime", 10};
};

}  // namespace fhir::eau
