// The bytes of a file in the examples/ folder of the source tree (empty when
// it cannot be read).
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace tevo::test {

inline std::string exampleFile(const std::string& name) {
    std::ifstream in(std::string(TEVO_SOURCE_DIR) + "/examples/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace tevo::test
