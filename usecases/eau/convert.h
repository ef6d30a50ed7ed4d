// Conversion of the host records into the builders' data.
#pragma once

#include "usecases/eau/EauData.h"
#include "usecases/eau/EauRecord.h"
#include "usecases/eau/EauStornoRecord.h"

namespace fhir {

// Trims, cuts and converts every field, derives the coded values and takes the
// creation time once. `noStatusForUnknownCertainty` is the flag of the export:
// when true a diagnosis certainty other than "A", "G", "V", "Z" gets neither
// clinical nor verification status; when false it is taken as "G".
EauData convertEauRecord(const EauRecord& record, bool noStatusForUnknownCertainty);

EauStornoData convertEauStornoRecord(const EauStornoRecord& record);

}  // namespace fhir
