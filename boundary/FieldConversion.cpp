#include "boundary/FieldConversion.h"

#include <algorithm>

#include "boundary/quillkit.h"

namespace tevo {
namespace {

// The C0 control characters but tab, line feed and carriage return: XML 1.0
// cannot carry them, not even as character references.
bool isNoXmlCharacter(char c) {
    return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r';
}

}  // namespace

std::string toFhirText(const HostString& field, int maximum) {
    HostString text(field);
    text.Trim();
    if (maximum > 0) {
        text = text.Left(maximum);
    }
    std::string bytes = AnsiToUTF8(text).str();
    dropNoXmlCharacters(bytes);
    return bytes;
}

void dropNoXmlCharacters(std::string& text) {
    text.erase(std::remove_if(text.begin(), text.end(), isNoXmlCharacter), text.end());
}

std::string toFhirText(const std::string& field, int maximum) {
    return toFhirText(HostString(field), maximum);
}

bool checkLength(const std::string& value, int minimum, int maximum) {
    const int count = UTF8ToAnsi(HostString(value)).GetLength();
    return minimum <= count && (maximum == -1 || count <= maximum);
}

}  // namespace tevo
