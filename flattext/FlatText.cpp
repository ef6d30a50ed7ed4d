#include "flattext/FlatText.h"

#include "flattext/splitText.h"

namespace tevo::flattext {

std::vector<Entry> readEntries(const HostString& text) {
    const char entryEnd[] = {kEntryEnd, '\0'};
    const char valueStart[] = {kValueStart, '\0'};
    HostStringArray entries;
    splitText(text, entryEnd, entries);
    std::vector<Entry> result;
    for (HostString entry : entries) {
        entry.Trim();
        if (entry.IsEmpty()) {
            continue;
        }
        HostStringArray parts;
        splitText(entry, valueStart, parts);
        if (parts.GetSize() != 2) {
            continue;
        }
        HostString key = parts[0];
        HostString value = parts[1];
        key.Trim().MakeLower();
        value.Trim();
        result.push_back({key, value});
    }
    return result;
}

void appendEntry(std::string& text, const char* key, const HostString& value) {
    text += key;
    text += kValueStart;
    text += value.str();
    text += kEntryEnd;
}

}  // namespace tevo::flattext
