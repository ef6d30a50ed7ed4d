// Code-system enumerations: fixed, numbered lists of the codes a builder may
// write. Member 0 is "EMPTY" (no code, or a code outside the list); members
// 1..n carry a code, for value sets the code system of each member, and where
// a builder needs it a display text.
//
// Every enumeration is a type named after its code system or value set
// (`CS_...`, `VS_...`, declared in Enumerations.h) with static operations only;
// its members live as one data table in a file of its own under tables/ or
// generated/. Which of `toSystem()`, `toSystem(member)` and `toDisplay(member)`
// an enumeration offers is fixed by its type: calling one it lacks does not
// compile.
#pragma once

#include <string>
#include <type_traits>

namespace fhir::codes {

// One member of an enumeration. `system` is set only for value-set members,
// `display` only where the enumeration has display texts; both are UTF-8.
struct CodeEntry {
    const char* code;
    const char* system;
    const char* display;
};

// The data behind one enumeration: its name (used in the text for numbers out
// of range), the single code-system URL of a code-system enumeration (null for
// value sets and for code systems that hold none) and the members 1..count.
struct CodeTable {
    const char* name;
    const char* system;
    const CodeEntry* entries;
    int count;
};

// Where an enumeration's code-system URL comes from.
enum class Systems {
    None,      // no URL held: no toSystem
    One,       // one URL for the whole list: toSystem()
    PerMember, // a URL per member: toSystem(member)
};

enum class Displays { No, Yes };

namespace detail {
int fromCode(const CodeTable& table, const std::string& code);
std::string toCode(const CodeTable& table, int member);
std::string toSystem(const CodeTable& table, int member);
std::string toDisplay(const CodeTable& table, int member);
} // namespace detail

// Base of every enumeration type; `Enum` supplies `static const CodeTable& table()`.
template <class Enum, Systems kSystems, Displays kDisplays> class CodeEnumeration {
  public:
    static constexpr int EMPTY = 0;

    // Number of members after EMPTY (the highest valid member number).
    static int size() { return Enum::table().count; }
    static const char* name() { return Enum::table().name; }

    // Member number of the first member whose code equals `code` byte for
    // byte (same length, case-sensitive, no trimming); 0 when none does.
    static int fromCode(const std::string& code) { return detail::fromCode(Enum::table(), code); }

    // The member's code; "EMPTY" for 0; "<name>: Unswitched Enum" out of range.
    static std::string toCode(int member) { return detail::toCode(Enum::table(), member); }

    // The one code-system URL of a code-system enumeration.
    template <Systems S = kSystems, std::enable_if_t<S == Systems::One, int> = 0> static std::string toSystem() {
        return Enum::table().system;
    }
    // The same text without a copy.
    template <Systems S = kSystems, std::enable_if_t<S == Systems::One, int> = 0> static const char* systemText() {
        return Enum::table().system;
    }

    // The code-system URL of one value-set member (texts for 0 and out of range as toCode).
    template <Systems S = kSystems, std::enable_if_t<S == Systems::PerMember, int> = 0>
    static std::string toSystem(int member) {
        return detail::toSystem(Enum::table(), member);
    }

    // The member's display text (texts for 0 and out of range as toCode).
    template <Displays D = kDisplays, std::enable_if_t<D == Displays::Yes, int> = 0>
    static std::string toDisplay(int member) {
        return detail::toDisplay(Enum::table(), member);
    }

    static constexpr bool hasSystem = kSystems == Systems::One;
    static constexpr bool hasMemberSystems = kSystems == Systems::PerMember;
    static constexpr bool hasDisplay = kDisplays == Displays::Yes;
};

} // namespace fhir::codes
