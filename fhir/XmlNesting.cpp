#include "fhir/XmlNesting.h"

namespace fhir::xml {
namespace {

bool isDoctype(std::string_view rest) {
    constexpr std::string_view kDoctype = "<!DOCTYPE";
    if (rest.compare(0, kDoctype.size(), kDoctype) != 0 || rest.size() <= kDoctype.size()) {
        return false;
    }
    const char next = rest[kDoctype.size()];
    return next == ' ' || next == '\n' || next == '\r' || next == '\t';
}

// Reads `text` from a position onwards; every skip leaves the position just
// behind what it skipped, or at the end when the text ends first.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text.substr(0, text.find('\0'))) {}

    bool atEnd() const { return position_ >= text_.size(); }
    bool startsWith(std::string_view prefix) const { return text_.compare(position_, prefix.size(), prefix) == 0; }
    // "<!DOCTYPE" followed by white space; otherwise the parser skips "<!" to '>'.
    bool isAtDoctype() const { return isDoctype(text_.substr(position_)); }
    void advance(std::size_t count) { position_ += count; }

    void skipToMarkup() {
        const std::size_t next = text_.find('<', position_);
        position_ = next == std::string_view::npos ? text_.size() : next;
    }

    void skipPast(std::string_view terminator) {
        const std::size_t found = text_.find(terminator, position_);
        position_ = found == std::string_view::npos ? text_.size() : found + terminator.size();
    }

    // A DOCTYPE ends at the first '>' outside square brackets.
    void skipDoctype() {
        int brackets = 0;
        for (; !atEnd(); ++position_) {
            const char c = text_[position_];
            if (c == '[') {
                ++brackets;
            } else if (c == ']' && brackets > 0) {
                --brackets;
            } else if (c == '>' && brackets == 0) {
                ++position_;
                return;
            }
        }
    }

    // Reads a start tag the way the parser does: name, attributes (name, '=',
    // quoted value), then '>' (the element stays open) or "/>" (it closes
    // itself). Anything else is a parse error, and the parser descends no
    // further: the scan ends there too.
    enum class Tag { Open, SelfClosed, Malformed };
    Tag readStartTag() {
        if (!skipWhile(isNameChar)) {
            return Tag::Malformed;
        }
        skipWhile(isBlank);
        while (skipWhile(isAttributeNameChar)) {
            skipWhile(isBlank);
            if (!take('=')) {
                return Tag::Malformed;
            }
            skipWhile(isBlank);
            if (!skipQuotedValue()) {
                return Tag::Malformed;
            }
            skipWhile(isBlank);
        }
        if (take('>')) {
            return Tag::Open;
        }
        return take('/') && take('>') ? Tag::SelfClosed : Tag::Malformed;
    }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }
    static bool isNameChar(char c) { return !isBlank(c) && c != '/' && c != '>' && c != '?'; }
    static bool isAttributeNameChar(char c) {
        return isNameChar(c) && c != '<' && c != '=' && c != '!';
    }

    // Skips the characters `accepts`; tells whether there was at least one.
    bool skipWhile(bool (*accepts)(char)) {
        const std::size_t start = position_;
        while (!atEnd() && accepts(text_[position_])) {
            ++position_;
        }
        return position_ > start;
    }

    bool take(char expected) {
        if (atEnd() || text_[position_] != expected) {
            return false;
        }
        ++position_;
        return true;
    }

    bool skipQuotedValue() {
        if (atEnd() || (text_[position_] != '"' && text_[position_] != '\'')) {
            return false;
        }
        const std::size_t closing = text_.find(text_[position_], position_ + 1);
        if (closing == std::string_view::npos) {
            return false;
        }
        position_ = closing + 1;
        return true;
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

}  // namespace

std::size_t nestingDepth(std::string_view text, std::size_t limit) {
    Scanner scanner(text);
    std::size_t depth = 0;
    std::size_t deepest = 0;
    for (scanner.skipToMarkup(); !scanner.atEnd(); scanner.skipToMarkup()) {
        if (scanner.startsWith("</")) {
            depth -= depth > 0 ? 1 : 0;
            scanner.skipPast(">");
        } else if (scanner.startsWith("<?")) {
            scanner.skipPast("?>");
        } else if (scanner.startsWith("<!--")) {
            scanner.skipPast("-->");
        } else if (scanner.startsWith("<![CDATA[")) {
            scanner.skipPast("]]>");
        } else if (scanner.isAtDoctype()) {
            scanner.skipDoctype();
        } else if (scanner.startsWith("<!")) {
            scanner.skipPast(">");
        } else {
            scanner.advance(1);
            if (++depth > limit) {
                return limit + 1;
            }
            deepest = depth > deepest ? depth : deepest;
            const Scanner::Tag tag = scanner.readStartTag();
            if (tag == Scanner::Tag::Malformed) {
                break;
            }
            depth -= tag == Scanner::Tag::SelfClosed ? 1 : 0;
        }
    }
    return deepest;
}

}  // namespace fhir::xml
