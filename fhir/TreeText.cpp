#include "fhir/TreeText.h"

#include <cstring>

#include "fhir/TreeMemory.h"

namespace fhir {

TreeText::TreeText(std::string_view text) {
    assign(text);
}

TreeText::~TreeText() {
    treememory::release(owned_);
}

void TreeText::assign(std::string_view text) {
    char* copy = nullptr;
    if (!text.empty()) {
        copy = static_cast<char*>(treememory::allocate(text.size()));
        std::memcpy(copy, text.data(), text.size());
    }
    treememory::release(owned_);
    owned_ = copy;
    data_ = copy ? copy : "";
    size_ = text.size();
}

}  // namespace fhir
