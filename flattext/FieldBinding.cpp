#include "flattext/FieldBinding.h"

#include <algorithm>
#include <cstdint>
#include <cstddef>
#include <cstdlib>

namespace tevo::flattext {
namespace {

// The leading decimal integer as C atoi reads it (blanks, sign, digits; 0
// when none), held within 32 bits where atoi's result would be undefined.
std::int32_t leadingInteger(const std::string& text) {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long>(value, INT32_MIN, INT32_MAX));
}

// The field of the relocation's target at the place of `bound` in its model.
template <class Field>
Field& at(Field* bound, const FieldBinding::Relocation& relocation) {
    if (!relocation.model) {
        return *bound;
    }
    const std::ptrdiff_t offset = reinterpret_cast<const char*>(bound) - relocation.model;
    return *reinterpret_cast<Field*>(relocation.target + offset);
}

}  // namespace

void FieldBinding::apply(const Entry& entry) const {
    apply(entry, Relocation());
}

void FieldBinding::apply(const Entry& entry, const Relocation& relocation) const {
    const std::string& key = entry.key.str();
    if (const auto text = texts_.find(key); text != texts_.end()) {
        at(text->second, relocation) += entry.value;
    } else if (const auto string = strings_.find(key); string != strings_.end()) {
        at(string->second, relocation) += entry.value.str();
    } else if (const auto flag = flags_.find(key); flag != flags_.end()) {
        if (entry.value.Compare("1") == 0) {
            at(flag->second, relocation) = true;
        } else if (entry.value.Compare("0") == 0) {
            at(flag->second, relocation) = false;
        }
    } else if (const auto integer = integers_.find(key); integer != integers_.end()) {
        at(integer->second, relocation) = leadingInteger(entry.value.str());
    } else if (const auto decimal = decimals_.find(key); decimal != decimals_.end()) {
        at(decimal->second, relocation) = std::atof(entry.value.str().c_str());
    } else if (const auto reader = readers_.find(key); reader != readers_.end()) {
        reader->second(entry.value);
    }
}

void FieldBinding::applyAll(const HostString& text) const {
    applyAll(text, Relocation());
}

void FieldBinding::applyAll(const HostString& text, const Relocation& relocation) const {
    for (const Entry& entry : readEntries(text)) {
        apply(entry, relocation);
    }
}

}  // namespace tevo::flattext
