// Conversion of the host's request record into the builder's data.
#pragma once

#include "usecases/eeb/EebData.h"
#include "usecases/eeb/EebRecord.h"

namespace fhir {

// Trims, cuts and converts every field, looks the origin up in the origin
// table, files the practice number by its kind and takes the creation time.
EebData convertEebRecord(const EebRecord& record);

}  // namespace fhir
