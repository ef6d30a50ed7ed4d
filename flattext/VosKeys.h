// The flat-text keys of the VoS record (the input of the tool's vos-create): one key per field of the VoS record, and
// numbered keys for the entries of its lists ("allergie.1.substanz").
#pragma once

#include <string>
#include <vector>

#include "boundary/HostString.h"
#include "usecases/vos/VosRecord.h"

namespace tevo::flattext {

// Entries per list that the input may number (1 to kMaxListEntries).
constexpr int kMaxListEntries = 999;

// Fills a record from flat text (code page 1252). A text field takes its
// value, a flag becomes true for "1" and false for "0"; unknown keys and list
// numbers outside 1 to kMaxListEntries are ignored, and a list is as long as
// its highest number. `dokument.N.datei` names a file whose bytes become the
// document's content; those names are returned in `documentFiles` (index N-1,
// empty where none).
VosRecord readVosRecord(const HostString& flatText, std::vector<std::string>& documentFiles);

// The keys, one per line, for the help text.
std::string vosKeyList();

}  // namespace tevo::flattext
