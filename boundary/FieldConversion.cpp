#include "boundary/FieldConversion.h"

#include "boundary/quillkit.h"

namespace tevo {

std::string toFhirText(const HostString& field, int maximum) {
    HostString text(field);
    text.Trim();
    if (maximum > 0) {
        text = text.Left(maximum);
    }
    return AnsiToUTF8(text).str();
}

std::string toFhirText(const std::string& field, int maximum) {
    return toFhirText(HostString(field), maximum);
}

bool checkLength(const std::string& value, int minimum, int maximum) {
    const int count = UTF8ToAnsi(HostString(value)).GetLength();
    return minimum <= count && (maximum == -1 || count <= maximum);
}

}  // namespace tevo
