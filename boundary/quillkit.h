// The five functions the library takes from the host's base library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "boundary/HostString.h"

// Fills *time with the current time (seconds since 1970) and returns time.
std::int64_t* GetQKTime(std::int64_t* time);

// The current local date as YYYYMMDD.
HostString GetQKDate();

// Code page 1252 to UTF-8. Every byte maps to one character; the five bytes
// that code page 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to
// the C1 control characters U+0081, U+008D, U+008F, U+0090, U+009D, so all 256
// byte values survive a round trip.
HostString AnsiToUTF8(const HostString& ansi);

namespace tevo {
// The C0 control characters but tab, line feed and carriage return: XML 1.0
// cannot carry them, not even as character references.
inline bool isNoXmlCharacter(char c) {
    return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r';
}

// The conversion of AnsiToUTF8, appended to `out`. With `xmlCharactersOnly`
// the C0 control characters but tab, line feed and carriage return (which XML
// cannot carry) are left out.
void appendAnsiAsUtf8(std::string& out, std::string_view ansi, bool xmlCharactersOnly);
}  // namespace tevo

// UTF-8 to code page 1252. A character that code page 1252 cannot hold, and a
// byte that does not start or continue a valid UTF-8 sequence, become "?".
HostString UTF8ToAnsi(const HostString& utf8);

// Base64 of the given bytes (RFC 4648 alphabet, "=" padding, no line breaks).
// The flags argument is accepted for the host's signature and ignored.
HostString EncodeBase64(const unsigned char* bytes, std::size_t length, int flags);
