// The two code lists the host offers for the request's specialist group and
// additional qualification: display text (code page 1252) -> code.
#pragma once

#include "boundary/HostString.h"

namespace fhir::vmca {

// Adds the additional qualifications (members 2 to 119, the obsolete ones
// left out); entries already in the map stay, an equal display text gets the
// list's code.
void addAdditionalQualifications(HostStringMap& list);

// Empties the map and fills it with the specialist groups (members 1 to 99).
void fillSpecialistGroups(HostStringMap& list);

}  // namespace fhir::vmca
