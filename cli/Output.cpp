#include "Output.h"

#include <fstream>
#include <iostream>

#include "boundary/quillkit.h"

namespace cli {

bool writeOutput(const std::string& name, const std::string& bytes) {
    if (name == "-") {
        std::cout << bytes;
        std::cout.flush();
        return static_cast<bool>(std::cout);
    }
    std::ofstream file(name, std::ios::binary | std::ios::trunc);
    file << bytes;
    file.close();
    return static_cast<bool>(file);
}

void printMessages(const HostString& ansiMessages) {
    if (ansiMessages.IsEmpty()) {
        return;
    }
    std::cerr << AnsiToUTF8(ansiMessages).str() << '\n';
}

}  // namespace cli
