// Test helpers for the flat-text exports: caller buffers pre-filled with '#'
// (so untouched bytes show), flat texts from key/value pairs.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace tevo::test {

inline std::string flat(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string text;
    for (const auto& [key, value] : entries) {
        text += key + '\x02' + value + '\x01';
    }
    return text;
}

struct LumoBuffers {
    explicit LumoBuffers(std::size_t outputSize, std::size_t messageSize = 512, std::size_t errorSize = 64)
        : output(outputSize, '#'), message(messageSize, '#'), error(errorSize, '#') {}
    int outputSize() const { return static_cast<int>(output.size()); }
    int messageSize() const { return static_cast<int>(message.size()); }
    int errorSize() const { return static_cast<int>(error.size()); }
    std::vector<char> output, message, error;
};

inline bool allZero(const std::vector<char>& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == '\0'; });
}

inline bool untouched(const std::vector<char>& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == '#'; });
}

}  // namespace tevo::test
