#include "InputText.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "boundary/quillkit.h"

namespace cli {
namespace {

std::string trimmed(const std::string& text) {
    const char* const blanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

bool readFile(const std::string& name, std::string& content) {
    // A read error (a directory, a vanished device) surfaces as an exception
    // from the stream buffer, not as a stream state.
    try {
        if (name == "-") {
            content.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
            return !std::cin.bad();
        }
        std::ifstream file(name, std::ios::binary);
        if (!file) {
            return false;
        }
        content.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        return !file.bad();
    } catch (const std::ios_base::failure&) {
        return false;
    }
}

bool readableToFlatText(const std::string& content, bool utf8, HostString& flatText, std::string& error) {
    const std::string byteOrderMark = "\xEF\xBB\xBF";
    const bool marked = utf8 && content.compare(0, byteOrderMark.size(), byteOrderMark) == 0;
    std::istringstream lines(marked ? content.substr(byteOrderMark.size()) : content);
    std::string line;
    std::string flat;
    for (int number = 1; std::getline(lines, line); ++number) {
        const std::string text = trimmed(line);
        if (text.empty() || text[0] == '#') {
            continue;
        }
        const std::size_t equals = text.find('=');
        if (equals == std::string::npos) {
            error = "line " + std::to_string(number) + ": expected key = value";
            return false;
        }
        if (text.find_first_of("\x01\x02") != std::string::npos) {
            error = "line " + std::to_string(number) + ": bytes 0x01 and 0x02 are not allowed";
            return false;
        }
        flat += trimmed(text.substr(0, equals)) + '\x02' + trimmed(text.substr(equals + 1)) + '\x01';
    }
    flatText = utf8 ? UTF8ToAnsi(HostString(flat)) : HostString(flat);
    return true;
}

}  // namespace cli
