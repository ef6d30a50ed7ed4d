// Keys of the ordered child store of an element.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fhir {

// Description of a field: FHIR path, XML element name, order number.
// Generated classes hold one constexpr KeySpec per adder; the store keeps a
// pointer to it, so every KeySpec given to an adder must live as long as the
// tree (a constant of static storage duration).
struct KeySpec {
    constexpr KeySpec(const char* keyPath, const char* keyName, std::int32_t keyOrder)
        : path(keyPath), name(keyName), order(keyOrder),
          nameSize(static_cast<std::uint32_t>(std::char_traits<char>::length(keyName))) {}

    std::string_view nameView() const { return std::string_view(name, nameSize); }

    const char* path;
    const char* name;
    std::int32_t order;
    std::uint32_t nameSize;  // measured once, for the writer
};

// Order numbers shared by every element.
namespace order {
constexpr std::int32_t kId = 1;
constexpr std::int32_t kMeta = 2;
constexpr std::int32_t kFirstExtension = 3;
constexpr std::int32_t kLastExtension = 9;
constexpr std::int32_t kFirstOwnField = 10;
}  // namespace order

}  // namespace fhir
