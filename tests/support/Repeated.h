// A text made of one piece written `times` times, for hostile test inputs.
#pragma once

#include <cstddef>
#include <string>

namespace tevo::test {

inline std::string repeated(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

}  // namespace tevo::test
