#include "fhir/r4/ProfileCanonical.h"

#include <cstddef>

namespace fhir::r4 {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// End of the digits starting at `at`; `at` itself when there are none.
std::size_t skipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at;
}

// Where "|" digits "." digits "." starts a version of three or more parts at
// `bar`, the end of its major.minor; 0 otherwise.
std::size_t majorMinorEnd(std::string_view text, std::size_t bar) {
    const std::size_t majorEnd = skipDigits(text, bar + 1);
    if (majorEnd == bar + 1 || majorEnd >= text.size() || text[majorEnd] != '.') {
        return 0;
    }
    const std::size_t minorEnd = skipDigits(text, majorEnd + 1);
    if (minorEnd == majorEnd + 1 || minorEnd >= text.size() || text[minorEnd] != '.') {
        return 0;
    }
    return minorEnd;
}

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

}  // namespace

// Replaces every match of "(\|[0-9]+\.[0-9]+)\..*" by its group, as a regular
// expression would: the rest after major.minor is dropped up to the end of its
// line (the pattern's "." stops at line breaks), and matching resumes there.
std::string shortProfileCanonical(const std::string& canonical) {
    std::string shortened;
    shortened.reserve(canonical.size());
    std::size_t copied = 0;
    std::size_t at = canonical.find('|');
    while (at != std::string::npos) {
        const std::size_t keepEnd = majorMinorEnd(canonical, at);
        if (keepEnd == 0) {
            at = canonical.find('|', at + 1);
            continue;
        }
        shortened.append(canonical, copied, keepEnd - copied);
        std::size_t lineEnd = keepEnd;
        while (lineEnd < canonical.size() && !isLineEnd(canonical[lineEnd])) {
            ++lineEnd;
        }
        copied = lineEnd;
        at = canonical.find('|', lineEnd);
    }
    shortened.append(canonical, copied, std::string::npos);
    return shortened;
}

// Without line breaks the first match runs to the end of the text, so only
// the part before it and its group remain.
std::string_view shortProfileCanonicalLine(std::string_view canonical) {
    for (std::size_t at = canonical.find('|'); at != std::string_view::npos; at = canonical.find('|', at + 1)) {
        if (const std::size_t keepEnd = majorMinorEnd(canonical, at); keepEnd != 0) {
            return canonical.substr(0, keepEnd);
        }
    }
    return canonical;
}

}  // namespace fhir::r4
