#include "flattext/FieldBinding.h"

namespace tevo::flattext {

void FieldBinding::apply(const Entry& entry) const {
    const std::string& key = entry.key.str();
    if (const auto text = texts_.find(key); text != texts_.end()) {
        *text->second += entry.value;
    } else if (const auto string = strings_.find(key); string != strings_.end()) {
        *string->second += entry.value.str();
    } else if (const auto flag = flags_.find(key); flag != flags_.end()) {
        if (entry.value.Compare("1") == 0) {
            *flag->second = true;
        } else if (entry.value.Compare("0") == 0) {
            *flag->second = false;
        }
    }
}

void FieldBinding::applyAll(const HostString& text) const {
    for (const Entry& entry : readEntries(text)) {
        apply(entry);
    }
}

}  // namespace tevo::flattext
