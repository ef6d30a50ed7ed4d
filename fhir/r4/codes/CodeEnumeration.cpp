#include "fhir/r4/codes/CodeEnumeration.h"

namespace fhir::codes::detail {
namespace {

// One text field of a member; member 0 and numbers out of range give the
// enumeration's fixed texts instead.
std::string memberText(const CodeTable& table, int member, const char* CodeEntry::*field) {
    if (member == 0) {
        return "EMPTY";
    }
    if (member < 0 || member > table.count) {
        return std::string(table.name) + ": Unswitched Enum";
    }
    const char* value = table.entries[member - 1].*field;
    return value != nullptr ? value : "";
}

} // namespace

int fromCode(const CodeTable& table, const std::string& code) {
    for (int i = 0; i < table.count; ++i) {
        if (code == table.entries[i].code) {
            return i + 1;
        }
    }
    return 0;
}

std::string toCode(const CodeTable& table, int member) { return memberText(table, member, &CodeEntry::code); }

std::string toSystem(const CodeTable& table, int member) { return memberText(table, member, &CodeEntry::system); }

std::string toDisplay(const CodeTable& table, int member) { return memberText(table, member, &CodeEntry::display); }

} // namespace fhir::codes::detail
