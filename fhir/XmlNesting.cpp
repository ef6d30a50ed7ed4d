#include "fhir/XmlNesting.h"

#include <algorithm>
#include <array>
#include <limits>

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
    // The character `offset` places ahead, or '\0' behind the end.
    char peek(std::size_t offset) const {
        return position_ + offset < text_.size() ? text_[position_ + offset] : '\0';
    }
    // "<!DOCTYPE" followed by white space; otherwise the parser skips "<!" to '>'.
    bool isAtDoctype() const { return isDoctype(text_.substr(position_)); }
    void advance(std::size_t count) { position_ += count; }

    // Tells whether the skipped text holds more than white space, which the
    // parser keeps as a text node.
    bool skipToMarkup() {
        const std::size_t next = std::min(text_.find('<', position_), text_.size());
        bool content = false;
        for (std::size_t at = position_; at < next && !content; ++at) {
            content = !isBlank(text_[at]);
        }
        position_ = next;
        return content;
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
    // `attributes` counts the attributes read.
    enum class Tag { Open, SelfClosed, Malformed };
    Tag readStartTag(std::size_t& attributes) {
        if (!skipWhile(NameChar())) {
            return Tag::Malformed;
        }
        skipWhile(Blank());
        while (skipWhile(AttributeNameChar())) {
            skipWhile(Blank());
            if (!take('=')) {
                return Tag::Malformed;
            }
            skipWhile(Blank());
            if (!skipQuotedValue()) {
                return Tag::Malformed;
            }
            ++attributes;
            skipWhile(Blank());
        }
        if (take('>')) {
            return Tag::Open;
        }
        return take('/') && take('>') ? Tag::SelfClosed : Tag::Malformed;
    }

private:
    // The character classes of the parser, looked up in one table each (the
    // scan runs over every received text before it is parsed); as types, so
    // that each skip compiles to a loop of its own.
    enum : unsigned char { kBlank = 1, kName = 2, kAttributeName = 4 };
    static constexpr std::array<unsigned char, 256> kClasses = [] {
        std::array<unsigned char, 256> classes{};
        for (int c = 0; c < 256; ++c) {
            const char ch = static_cast<char>(c);
            const bool blank = ch == ' ' || ch == '\n' || ch == '\r' || ch == '\t';
            const bool name = !blank && ch != '/' && ch != '>' && ch != '?';
            const bool attributeName = name && ch != '<' && ch != '=' && ch != '!';
            classes[static_cast<std::size_t>(c)] = static_cast<unsigned char>(
                (blank ? kBlank : 0) | (name ? kName : 0) | (attributeName ? kAttributeName : 0));
        }
        return classes;
    }();
    template <unsigned char kClass>
    struct In {
        bool operator()(char c) const { return (kClasses[static_cast<unsigned char>(c)] & kClass) != 0; }
    };
    using Blank = In<kBlank>;
    using NameChar = In<kName>;
    using AttributeNameChar = In<kAttributeName>;
    static bool isBlank(char c) { return Blank()(c); }

    // Skips the characters `accepts`; tells whether there was at least one.
    template <class Accepts>
    bool skipWhile(Accepts accepts) {
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

// What the parser would build of a text: the deepest nesting, the number of
// nodes, and whether it meets a DOCTYPE. The scan stops as soon as the depth
// or the node count exceeds its limit (which is then limit + 1).
struct Extent {
    std::size_t deepest = 0;
    std::size_t nodes = 0;
    bool doctype = false;
};

Extent measure(std::string_view text, std::size_t depthLimit, std::size_t nodeLimit) {
    Scanner scanner(text);
    Extent extent;
    std::size_t depth = 0;
    while (!scanner.atEnd() && extent.nodes <= nodeLimit) {
        extent.nodes += scanner.skipToMarkup() ? 1 : 0;
        if (scanner.atEnd()) {
            break;
        }
        // The character after '<' tells most kinds of markup apart; start
        // tags, by far the most frequent, need no comparison.
        const char kind = scanner.peek(1);
        if (kind == '/') {
            depth -= depth > 0 ? 1 : 0;
            scanner.skipPast(">");
        } else if (kind == '?') {
            scanner.skipPast("?>");
        } else if (kind != '!') {
            scanner.advance(1);
            ++extent.nodes;
            if (++depth > depthLimit) {
                extent.deepest = depthLimit + 1;
                return extent;
            }
            extent.deepest = std::max(depth, extent.deepest);
            const Scanner::Tag tag = scanner.readStartTag(extent.nodes);
            if (tag == Scanner::Tag::Malformed) {
                break;
            }
            depth -= tag == Scanner::Tag::SelfClosed ? 1 : 0;
        } else if (scanner.startsWith("<!--")) {
            scanner.skipPast("-->");
        } else if (scanner.startsWith("<![CDATA[")) {
            ++extent.nodes;
            scanner.skipPast("]]>");
        } else if (scanner.isAtDoctype()) {
            extent.doctype = true;
            scanner.skipDoctype();
        } else {
            scanner.skipPast(">");
        }
    }
    extent.nodes = std::min(extent.nodes, nodeLimit + 1);
    return extent;
}

}  // namespace

std::size_t nestingDepth(std::string_view text, std::size_t limit) {
    return measure(text, limit, std::numeric_limits<std::size_t>::max() - 1).deepest;
}

const char* refusalOf(std::string_view text) {
    if (text.size() > kMaxDocumentBytes) {
        return kDocumentTooLong;
    }
    const Extent extent = measure(text, kMaxNestingDepth, kMaxNodes);
    if (extent.deepest > kMaxNestingDepth) {
        return kNestingTooDeep;
    }
    if (extent.nodes > kMaxNodes) {
        return kTooManyNodes;
    }
    return extent.doctype ? kDoctypeRefused : nullptr;
}

}  // namespace fhir::xml
