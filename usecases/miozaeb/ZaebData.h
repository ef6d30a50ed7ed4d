// The bonus-booklet entry after conversion: the fields with a maximum length
// are trimmed, cut to it and converted to UTF-8; the others (ids, timestamp,
// dates, the check-up code, numbers, country codes) are neither trimmed nor
// cut, only converted to UTF-8.
#pragma once

#include "usecases/miozaeb/ZaebRecord.h"

namespace fhir {

using ZaebData = ZaebRecord;

ZaebData convertZaebRecord(const ZaebRecord& record);

}  // namespace fhir
