// Conversion of the host's request record into the builder's data.
#pragma once

#include "usecases/vmca/VmcaData.h"
#include "usecases/vmca/VmcaRecord.h"

namespace fhir {

// Trims and converts every field (no maximum: the checks test the lengths)
// and upper-cases the gender in the copy; the host's record stays as it is.
VmcaData convertVmcaRecord(const VmcaRecord& record);

}  // namespace fhir
