// The bytes of a file in the examples/ folder of the source tree (empty when
// it cannot be read), and a readable example as real flat text.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "boundary/quillkit.h"

namespace tevo::test {

inline std::string exampleFile(const std::string& name) {
    std::ifstream in(std::string(TEVO_SOURCE_DIR) + "/examples/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The flat text (key 0x02 value 0x01, code page 1252) of a readable example
// of `key = value` lines in UTF-8; blank lines and '#' lines are skipped.
inline std::string exampleFlatText(const std::string& name) {
    std::istringstream in(exampleFile(name));
    std::string text;
    for (std::string line; std::getline(in, line);) {
        const std::size_t equals = line.find('=');
        if (line.empty() || line[0] == '#' || equals == std::string::npos) {
            continue;
        }
        HostString key(line.substr(0, equals));
        HostString value = UTF8ToAnsi(HostString(line.substr(equals + 1)));
        text += key.Trim().str() + '\x02' + value.Trim().str() + '\x01';
    }
    return text;
}

}  // namespace tevo::test
