// Shared body of the libFuzzer targets of the flat-text building exports:
// the fuzz input is the caller's flat text (read up to its first zero byte,
// as the export does). Each input is built twice: into buffers large enough
// for a document, and into small buffers whose sizes the input length picks,
// so that both the full delivery and the cut and refused writes are reached.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tevo::fuzz {

using FlatTextExport = std::int32_t (*)(const char* input, int outputSize, char* output, int messageSize,
                                        char* message, int errorSize, char* error);

inline void buildFlatText(const std::uint8_t* data, std::size_t size, FlatTextExport create) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<char> output(256 * 1024);
    std::vector<char> message(16 * 1024);
    std::vector<char> error(1024);
    create(input.c_str(), static_cast<int>(output.size()), output.data(), static_cast<int>(message.size()),
           message.data(), static_cast<int>(error.size()), error.data());

    const int small = static_cast<int>(size % 48);
    std::vector<char> tinyOutput(static_cast<std::size_t>(small) + 1);
    std::vector<char> tinyMessage(static_cast<std::size_t>(small) + 1);
    std::vector<char> tinyError(static_cast<std::size_t>(small) + 1);
    create(input.c_str(), small, tinyOutput.data(), small, tinyMessage.data(), small, tinyError.data());
}

}  // namespace tevo::fuzz
