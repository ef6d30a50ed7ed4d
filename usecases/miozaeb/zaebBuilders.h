// The builders of the bonus-booklet document (MIO ZAEB 1.1.0), one per
// resource. Each returns a new element with a fresh UUID where it is a
// resource; references point at other entries by their full URL.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fhir/r4/core/v4_0_1/Address.h"
#include "fhir/r4/core/v4_0_1/Bundle.h"
#include "fhir/r4/core/v4_0_1/Observation.h"
#include "fhir/r4/core/v4_0_1/Organization.h"
#include "fhir/r4/core/v4_0_1/Patient.h"
#include "fhir/r4/kbvmiozaeb/v1_1_0/KBV_PR_MIO_ZAEB_Composition.h"
#include "usecases/miozaeb/ZaebData.h"

namespace fhir::zaeb {

namespace core = fhir::r4::core::v4_0_1;
namespace profile = fhir::r4::kbvmiozaeb::v1_1_0;

// A street address of the given type: one line of street and house number
// carrying the address-part extensions, city, postal code and country.
core::Address* buildAddress(const ZaebAddress& address, const std::string& type);

core::Organization* buildPractice(const ZaebPractice& practice);
core::Patient* buildPatient(const ZaebPatient& patient);

// The observations; each only for an entry that carries its date.
core::Observation* buildGaplessDocumentation(const ZaebData& data, const core::Patient& patient);
core::Observation* buildDentalCheckUp(const ZaebData& data, const core::Patient& patient);

// Fills the composition once the resources it refers to exist.
void fillComposition(profile::KBV_PR_MIO_ZAEB_Composition& composition, const ZaebData& data,
                     const core::Patient& patient, const core::Organization& practice,
                     const std::vector<const core::Observation*>& observations);

std::unique_ptr<core::Bundle> buildZaebBundle(const ZaebData& data);

}  // namespace fhir::zaeb
