#include "boundary/quillkit.h"

#include <array>
#include <cstring>
#include <ctime>
#include <string>

#include "boundary/clock.h"

namespace {

// Unicode code points of the bytes 0x80 to 0x9F in code page 1252; the rest of
// the code page equals Latin-1. Undefined bytes keep their C1 control value.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t codePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControlRange[byte - 0x80u];
    }
    return byte;
}

// The byte of code page 1252 for a code point, or -1 when there is none.
int byteOf(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == codePoint) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

// The UTF-8 form of each byte of the code page (one to three bytes).
struct Utf8Form {
    char bytes[3];
    std::uint8_t size;
};

constexpr std::array<Utf8Form, 256> kUtf8Forms = [] {
    std::array<Utf8Form, 256> forms{};
    for (std::size_t byte = 0; byte < forms.size(); ++byte) {
        const char32_t cp = codePointOf(static_cast<unsigned char>(byte));
        Utf8Form& form = forms[byte];
        if (cp < 0x80) {
            form = {{static_cast<char>(cp), 0, 0}, 1};
        } else if (cp < 0x800) {
            form = {{static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F)), 0}, 2};
        } else {
            form = {{static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                     static_cast<char>(0x80 | (cp & 0x3F))},
                    3};
        }
    }
    return forms;
}();

// Decodes one UTF-8 sequence at text[pos]; advances pos. Returns false for a
// malformed sequence (pos then moves past the offending byte only).
bool decodeUtf8(const std::string& text, std::size_t& pos, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        cp = lead;
        ++pos;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1Fu;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0Fu;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07u;
        minimum = 0x10000;
    } else {
        ++pos;
        return false;
    }
    if (pos + length > text.size()) {
        ++pos;
        return false;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return false;
        }
        cp = (cp << 6) | (next & 0x3Fu);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return false;
    }
    pos += length;
    return true;
}

}  // namespace

std::int64_t* GetQKTime(std::int64_t* time) {
    if (time) {
        *time = tevo::currentTime();
    }
    return time;
}

HostString GetQKDate() {
    std::tm local{};
    if (!tevo::toLocalTime(tevo::currentTime(), local)) {
        return HostString();
    }
    char text[16];
    const std::size_t length = std::strftime(text, sizeof text, "%Y%m%d", &local);
    return HostString(text, length);
}

HostString AnsiToUTF8(const HostString& ansi) {
    std::string out;
    tevo::appendAnsiAsUtf8(out, ansi.str(), false);
    return HostString(std::move(out));
}

namespace tevo {

void appendAnsiAsUtf8(std::string& out, std::string_view ansi, bool xmlCharactersOnly) {
    // Written into room for the longest form (three bytes a character), then
    // cut to what was written.
    const std::size_t start = out.size();
    out.resize(start + 3 * ansi.size());
    char* at = out.data() + start;
    for (const char c : ansi) {
        const Utf8Form& form = kUtf8Forms[static_cast<unsigned char>(c)];
        if (xmlCharactersOnly && form.size == 1 && isNoXmlCharacter(c)) {
            continue;
        }
        // Three bytes copied, `size` of them kept.
        std::memcpy(at, form.bytes, 3);
        at += form.size;
    }
    out.resize(static_cast<std::size_t>(at - out.data()));
}

}  // namespace tevo

HostString UTF8ToAnsi(const HostString& utf8) {
    const std::string& text = utf8.str();
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t cp = 0;
        const int byte = decodeUtf8(text, pos, cp) ? byteOf(cp) : -1;
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return HostString(std::move(out));
}

HostString EncodeBase64(const unsigned char* bytes, std::size_t length, int /*flags*/) {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    if (!bytes) {
        return HostString();
    }
    out.reserve((length + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= length; i += 3) {
        const unsigned triple = (bytes[i] << 16u) | (bytes[i + 1] << 8u) | bytes[i + 2];
        out += kAlphabet[(triple >> 18) & 0x3F];
        out += kAlphabet[(triple >> 12) & 0x3F];
        out += kAlphabet[(triple >> 6) & 0x3F];
        out += kAlphabet[triple & 0x3F];
    }
    const std::size_t rest = length - i;
    if (rest > 0) {
        const unsigned triple = (bytes[i] << 16u) | (rest == 2 ? bytes[i + 1] << 8u : 0u);
        out += kAlphabet[(triple >> 18) & 0x3F];
        out += kAlphabet[(triple >> 12) & 0x3F];
        out += rest == 2 ? kAlphabet[(triple >> 6) & 0x3F] : '=';
        out += '=';
    }
    return HostString(std::move(out));
}
