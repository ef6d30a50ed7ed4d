// Keys of the ordered child store of an element.
#pragma once

#include <cstdint>

namespace fhir {

// Description of a field: FHIR path, XML element name, order number.
// Generated classes hold one constexpr KeySpec per adder; the store keeps a
// pointer to it, so every KeySpec given to an adder must live as long as the
// tree (a constant of static storage duration).
struct KeySpec {
    const char* path;
    const char* name;
    std::int32_t order;
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
