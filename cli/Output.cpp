#include "Output.h"

#include <fstream>
#include <iostream>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

#include "boundary/quillkit.h"

namespace cli {
namespace {

// Windows opens standard output in text mode, which would turn every line
// feed of a document into CR LF.
void useBinaryStandardOutput() {
#if defined(_WIN32)
    std::cout.flush();
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

}  // namespace

bool writeOutput(const std::string& name, const std::string& bytes) {
    if (name == "-") {
        useBinaryStandardOutput();
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
