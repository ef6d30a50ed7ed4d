#include "flattext/OutputBuffer.h"

#include <algorithm>
#include <cstring>

namespace tevo::flattext {

void OutputBuffer::clear() const {
    if (usable()) {
        std::memset(bytes_, 0, static_cast<std::size_t>(size_));
    }
}

bool OutputBuffer::write(const std::string& text) const {
    if (text.empty()) {
        return true;
    }
    if (!usable() || text.size() > static_cast<std::size_t>(size_ - 1)) {
        return false;
    }
    std::memcpy(bytes_, text.data(), text.size());
    bytes_[text.size()] = '\0';
    return true;
}

void OutputBuffer::writeCut(const std::string& text) const {
    if (!usable() || text.empty()) {
        return;
    }
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(size_ - 1));
    std::memcpy(bytes_, text.data(), count);
    bytes_[count] = '\0';
}

}  // namespace tevo::flattext
