// The caller's output buffers of the flat-text exports. No write ever goes
// past a buffer's size; a null buffer or a size below 1 holds nothing.
#pragma once

#include <string>

namespace tevo::flattext {

class OutputBuffer {
public:
    OutputBuffer(int size, char* bytes) : size_(size), bytes_(bytes) {}

    // Fills the whole buffer with zero bytes.
    void clear() const;
    // Writes `text` and a zero byte when it fits (at most size - 1 bytes);
    // returns false and writes nothing otherwise. An empty text is not written.
    bool write(const std::string& text) const;
    // Writes as much of `text` as fits, followed by a zero byte.
    void writeCut(const std::string& text) const;

private:
    bool usable() const { return bytes_ != nullptr && size_ > 0; }

    int size_;
    char* bytes_;
};

}  // namespace tevo::flattext
