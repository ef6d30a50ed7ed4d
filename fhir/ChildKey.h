// Keys of the ordered child store of an element.
#pragma once

#include <cstdint>
#include <string>

namespace fhir {

// Compile-time description of a field: FHIR path, XML element name, order
// number. Generated classes hold one constexpr KeySpec per adder.
struct KeySpec {
    const char* path;
    const char* name;
    std::int32_t order;
};

// The key stored with an entry of the child store. Keys compare by order
// alone: the first key filed under an order number names the whole list.
struct ChildKey {
    std::string path;
    std::string name;
    std::int32_t order = 0;

    friend bool operator<(const ChildKey& a, const ChildKey& b) { return a.order < b.order; }
};

// Comparator of the child store; also finds an entry by its order number.
struct ChildKeyOrder {
    using is_transparent = void;
    bool operator()(const ChildKey& a, const ChildKey& b) const { return a.order < b.order; }
    bool operator()(const ChildKey& a, std::int32_t order) const { return a.order < order; }
    bool operator()(std::int32_t order, const ChildKey& b) const { return order < b.order; }
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
