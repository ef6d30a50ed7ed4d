// The keyed flat-text format: entries of key, 0x02, value, 0x01.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "boundary/HostString.h"

namespace tevo::flattext {

constexpr char kEntryEnd = '\x01';
constexpr char kValueStart = '\x02';

struct Entry {
    HostString key;  // trimmed, lower case
    HostString value;  // trimmed
};

// The well-formed entries of an input text in order; entries without a value
// separator or with more than one are skipped.
std::vector<Entry> readEntries(const HostString& text);

// Appends key, 0x02, value, 0x01.
void appendEntry(std::string& text, const char* key, const HostString& value);

}  // namespace tevo::flattext
