// The record checks in four groups, run in this order.
#pragma once

#include <vector>

#include "usecases/eau/checksTable.h"

namespace fhir::eauchecks {

std::vector<RecordCheck> insuredChecks();      // 1-26
std::vector<RecordCheck> personChecks();       // 27-47
std::vector<RecordCheck> institutionChecks();  // 48-58
std::vector<RecordCheck> certificateChecks();  // 59-74

}  // namespace fhir::eauchecks
