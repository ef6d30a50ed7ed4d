// Conversion of the host's prescription into the builders' data.
#pragma once

#include "boundary/ProfileVersion.h"
#include "usecases/erezept/ERezeptData.h"
#include "usecases/erezept/ERezeptRecord.h"

namespace fhir {

// Trims, cuts and converts every field, files the insured and the practice
// number, builds the medication objects and takes the creation time once.
// `version` V1_1 converts for eRezept 1.1.0, V1_2 for 1.3.2 (which also
// reads the prescriber id, the finished product's ingredients and the
// reference quantity of an active ingredient).
ERezeptData convertERezeptRecord(const ERezeptRecord& record, tevo::ProfileVersion version);

}  // namespace fhir
