#include "boundary/FieldConversion.h"

#include <algorithm>
#include <string_view>

#include "boundary/quillkit.h"

namespace tevo {
namespace {

std::string toFhirTextOf(std::string_view text, int maximum) {
    while (!text.empty() && hoststring_detail::isHostSpace(text.back())) {
        text.remove_suffix(1);
    }
    while (!text.empty() && hoststring_detail::isHostSpace(text.front())) {
        text.remove_prefix(1);
    }
    if (maximum > 0 && text.size() > static_cast<std::size_t>(maximum)) {
        text = text.substr(0, static_cast<std::size_t>(maximum));
    }
    return toXmlText(text);
}

}  // namespace

std::string toFhirText(const HostString& field, int maximum) {
    return toFhirTextOf(field.str(), maximum);
}

std::string toFhirText(const std::string& field, int maximum) {
    return toFhirTextOf(field, maximum);
}

std::string toXmlText(std::string_view field) {
    std::string bytes;
    appendAnsiAsUtf8(bytes, field, true);
    return bytes;
}

void dropNoXmlCharacters(std::string& text) {
    text.erase(std::remove_if(text.begin(), text.end(), isNoXmlCharacter), text.end());
}

bool checkLength(const std::string& value, int minimum, int maximum) {
    const int count = UTF8ToAnsi(HostString(value)).GetLength();
    return minimum <= count && (maximum == -1 || count <= maximum);
}

}  // namespace tevo
