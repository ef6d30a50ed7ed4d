// The flat-text keys of the bonus-booklet entry, in both directions.
#pragma once

#include <string>

#include "boundary/HostString.h"
#include "usecases/miozaeb/ZaebRecord.h"

namespace tevo::flattext {

// Fills a fresh record from the entries of `text` (values as given, code
// page 1252).
ZaebRecord readZaebRecord(const HostString& text);

// The record's non-empty fields as flat text, in the fixed key order of the
// extraction; values unchanged.
std::string zaebText(const ZaebRecord& record);

}  // namespace tevo::flattext
