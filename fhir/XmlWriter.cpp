// Turns an element tree into FHIR XML. The tree's child store already holds the
// document order; the writer adds four rules: resource wrapping, the url
// attribute of extensions, the value attribute of primitives, and merging the
// holders of extensions on primitive fields into the field's element.
//
// The output has exactly the form of rapidxml's printer with flags 0: a tab per
// level, a line break after each node and after the document, "/>" for
// elements without children, and the attribute quoting and entities of that
// printer. It is written straight from the tree into blocks of tree memory
// and then copied into the output, so that the output is exactly as large as
// the document.
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "fhir/CanonicalBase.h"
#include "fhir/Element.h"
#include "fhir/TreeMemory.h"
#include "fhir/r4/core/v4_0_1/Extension.h"

namespace fhir {
namespace {

// Collects the document in blocks of tree memory (the document's arena when
// one is open) and hands it over as one text of exactly its size.
class BlockSink {
public:
    BlockSink() { addBlock(); }
    BlockSink(const BlockSink&) = delete;
    BlockSink& operator=(const BlockSink&) = delete;
    ~BlockSink() {
        for (Block* block = first_; block;) {
            Block* next = block->next;
            treememory::release(block);
            block = next;
        }
    }

    void append(std::string_view text) {
        if (text.size() > left()) {
            spill(text.data(), text.size());
            return;
        }
        std::memcpy(at_, text.data(), text.size());
        at_ += text.size();
    }
    void append(std::size_t count, char c) {
        while (count > left()) {
            const std::size_t part = left();
            std::memset(at_, c, part);
            at_ += part;
            count -= part;
            addBlock();
        }
        std::memset(at_, c, count);
        at_ += count;
    }
    void push_back(char c) {
        if (at_ == end_) {
            addBlock();
        }
        *at_++ = c;
    }

    void moveTo(std::string& out) {
        out.clear();
        std::size_t size = 0;
        for (const Block* block = first_; block; block = block->next) {
            size += block == last_ ? static_cast<std::size_t>(at_ - block->text) : block->used;
        }
        out.reserve(size);
        for (const Block* block = first_; block; block = block->next) {
            out.append(block->text, block == last_ ? static_cast<std::size_t>(at_ - block->text) : block->used);
        }
    }

private:
    // About half a certificate; a block is taken when the last one is full.
    static constexpr std::size_t kBlockText = 16 * 1024 - 64;

    struct Block {
        Block* next;
        std::size_t used;
        char text[kBlockText];
    };

    std::size_t left() const { return static_cast<std::size_t>(end_ - at_); }

    void addBlock() {
        auto* block = static_cast<Block*>(treememory::allocate(sizeof(Block)));
        block->next = nullptr;
        block->used = 0;
        if (last_) {
            last_->used = static_cast<std::size_t>(at_ - last_->text);
            last_->next = block;
        } else {
            first_ = block;
        }
        last_ = block;
        at_ = block->text;
        end_ = block->text + kBlockText;
    }

    void spill(const char* text, std::size_t size) {
        while (size > left()) {
            const std::size_t part = left();
            std::memcpy(at_, text, part);
            at_ += part;
            text += part;
            size -= part;
            addBlock();
        }
        std::memcpy(at_, text, size);
        at_ += size;
    }

    Block* first_ = nullptr;
    Block* last_ = nullptr;
    char* at_ = nullptr;
    char* end_ = nullptr;
};

// Characters that attribute text replaces by entities (the quotes only where
// they are the quote in use).
constexpr std::array<bool, 256> kMarkup = [] {
    std::array<bool, 256> markup{};
    for (const unsigned char c : {'&', '<', '>', '"', '\''}) {
        markup[c] = true;
    }
    return markup;
}();

// Attribute text with the entities of rapidxml's printer: ampersand, less-than,
// greater-than and the quote character in use are replaced.
template <class Sink>
void appendEscaped(Sink& out, std::string_view text, char quote) {
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!kMarkup[static_cast<unsigned char>(text[i])]) {
            continue;
        }
        const char* entity = nullptr;
        switch (text[i]) {
            case '&': entity = "&amp;"; break;
            case '<': entity = "&lt;"; break;
            case '>': entity = "&gt;"; break;
            case '"': entity = quote == '"' ? "&quot;" : nullptr; break;
            case '\'': entity = quote == '\'' ? "&apos;" : nullptr; break;
            default: break;
        }
        if (entity) {
            out.append(text.substr(runStart, i - runStart));
            out.append(entity);
            runStart = i + 1;
        }
    }
    out.append(text.substr(runStart));
}

// True when the text holds a character that attribute text replaces. Values
// rarely do, and a document's values are most of its bytes, so the text is
// looked at sixteen bytes at a time where the processor has SSE2 (every
// x86-64), eight bytes at a time otherwise: a byte equal to `c` is a zero byte
// of the word xor `c` repeated, and (x - 0x01..) & ~x has its high bit set in
// some byte exactly when x has a zero byte.
bool holdsMarkup(std::string_view text) {
    std::size_t at = 0;
#if defined(__SSE2__)
    for (; at + 16 <= text.size(); at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
        __m128i found = _mm_cmpeq_epi8(block, _mm_set1_epi8('&'));
        for (const char c : {'<', '>', '"', '\''}) {
            found = _mm_or_si128(found, _mm_cmpeq_epi8(block, _mm_set1_epi8(c)));
        }
        if (_mm_movemask_epi8(found) != 0) {
            return true;
        }
    }
#endif
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    for (; at + sizeof(std::uint64_t) <= text.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + at, sizeof word);
        std::uint64_t zeroBytes = 0;
        for (const unsigned char c : {'&', '<', '>', '"', '\''}) {
            const std::uint64_t x = word ^ (c * kOnes);
            zeroBytes |= (x - kOnes) & ~x;
        }
        if ((zeroBytes & kHighBits) != 0) {
            return true;
        }
    }
    for (; at < text.size(); ++at) {
        if (kMarkup[static_cast<unsigned char>(text[at])]) {
            return true;
        }
    }
    return false;
}

// The printer quotes with '"' unless the text holds one.
template <class Sink>
void appendAttribute(Sink& out, const char* name, std::string_view value) {
    const bool markup = holdsMarkup(value);
    const char quote = markup && value.find('"') != std::string_view::npos ? '\'' : '"';
    out.push_back(' ');
    out.append(name);
    out.push_back('=');
    out.push_back(quote);
    if (markup) {
        appendEscaped(out, value, quote);
    } else {
        out.append(value);
    }
    out.push_back(quote);
}

// An attribute of a node: name (null for none) and value.
struct Attribute {
    const char* name = nullptr;
    std::string_view value;
};

// A node being written. Its start tag stays open until its first child (">")
// or its end ("/>"). The names of its children written so far are kept from
// `firstName` on in the writer's name list, for the holders of extensions.
struct Node {
    std::string_view name;
    std::size_t depth;
    std::size_t firstName;
    bool hasChildren = false;
};

template <class Sink>
class Writer {
public:
    Writer(Sink& out, std::vector<std::string_view>& names) : out_(out), names_(names) {}

    void document(const Element& root, bool withDeclaration) {
        if (withDeclaration) {
            out_.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
        }
        const std::string fhirType = root.getFhirType();
        Node node = open(nullptr, fhirType, Attribute{"xmlns", base::kFhirNamespace});
        writeChildren(root, node);
        close(node);
        // The printer ends the document itself with a line break as well.
        out_.push_back('\n');
    }

private:
    Node open(Node* parent, std::string_view name, Attribute attribute);
    void close(const Node& node);
    void writeChildren(const Element& element, Node& node);
    void writeChild(const Element& element, ChildStore::iterator entry, const Element& child, Node& parent,
                    std::string_view name, bool mayMerge);
    void mergeHolders(ChildStore::iterator entry, ChildStore::iterator end, std::string_view name, Node& node);
    bool hasChildNamed(const Node& node, std::string_view name) const;

    Sink& out_;
    std::vector<std::string_view>& names_;
    std::string scratch_;
};

template <class Sink>
Node Writer<Sink>::open(Node* parent, std::string_view name, Attribute attribute) {
    std::size_t depth = 0;
    if (parent) {
        if (!parent->hasChildren) {
            out_.append(">\n");
            parent->hasChildren = true;
        }
        names_.push_back(name);
        depth = parent->depth + 1;
    }
    out_.append(depth, '\t');
    out_.push_back('<');
    out_.append(name);
    if (attribute.name) {
        appendAttribute(out_, attribute.name, attribute.value);
    }
    return Node{name, depth, names_.size(), false};
}

template <class Sink>
void Writer<Sink>::close(const Node& node) {
    names_.resize(node.firstName);
    if (!node.hasChildren) {
        out_.append("/>\n");
        return;
    }
    out_.append(node.depth, '\t');
    out_.append("</");
    out_.append(node.name);
    out_.append(">\n");
}

template <class Sink>
bool Writer<Sink>::hasChildNamed(const Node& node, std::string_view name) const {
    for (std::size_t i = node.firstName; i < names_.size(); ++i) {
        if (names_[i] == name) {
            return true;
        }
    }
    return false;
}

// An entry named "_x" holds the extensions of the primitive field x: they go
// into the first element x written under the same node, after its own
// children. Without such an element the holder is written as one, unnamed.
template <class Sink>
void Writer<Sink>::writeChildren(const Element& element, Node& node) {
    const ChildStore store = element.childStore();
    bool holders = false;
    for (const ChildEntry entry : store) {
        holders = holders || entry.key().name[0] == '_';
    }
    for (auto entry = store.begin(); entry != store.end(); ++entry) {
        std::string_view name = (*entry).key().nameView();
        bool merged = false;
        if (!name.empty() && name.front() == '_') {
            name.remove_prefix(1);
            // Merged when that first element was written.
            merged = hasChildNamed(node, name);
        }
        for (const Element* child : *entry) {
            if (merged && !child->isPrimitive()) {
                continue;
            }
            writeChild(element, entry, *child, node, name, holders && !hasChildNamed(node, name));
        }
    }
}

template <class Sink>
void Writer<Sink>::writeChild(const Element& element, ChildStore::iterator entry, const Element& child, Node& parent,
                              std::string_view name, bool mayMerge) {
    const std::string_view keyName = (*entry).key().nameView();
    Attribute attribute;
    if (!child.isPrimitive()) {
        if (keyName == "extension") {
            // Only addExtension files under this name, so the child is an
            // Extension; its url text outlives the writing.
            attribute = Attribute{"url", static_cast<const r4::core::v4_0_1::Extension&>(child).urlText()};
        }
        Node node = open(&parent, name, attribute);
        if (keyName == "resource") {
            const std::string type = child.getFhirType();
            Node inner = open(&node, type, Attribute{"xmlns", base::kFhirNamespace});
            writeChildren(child, inner);
            close(inner);
        } else {
            writeChildren(child, node);
        }
        if (mayMerge) {
            mergeHolders(entry, element.childStore().end(), name, node);
        }
        close(node);
        return;
    }
    if ((keyName == "url" || keyName == "urlUri") && parent.name == "extension") {
        return;
    }
    const std::string_view value = child.viewValue(scratch_);
    if (!value.empty()) {
        attribute = Attribute{"value", value};
    }
    Node node = open(&parent, name, attribute);
    writeChildren(child, node);
    if (mayMerge) {
        mergeHolders(entry, element.childStore().end(), name, node);
    }
    close(node);
}

// The holders filed after `entry` under "_" + name, into `node`.
template <class Sink>
void Writer<Sink>::mergeHolders(ChildStore::iterator entry, ChildStore::iterator end, std::string_view name,
                                Node& node) {
    for (++entry; entry != end; ++entry) {
        const std::string_view holderName = (*entry).key().nameView();
        if (holderName.size() != name.size() + 1 || holderName.front() != '_' || holderName.substr(1) != name) {
            continue;
        }
        for (const Element* holder : *entry) {
            if (!holder->isPrimitive()) {
                writeChildren(*holder, node);
            }
        }
    }
}

}  // namespace

void Element::writeXml(std::string& out, bool withDeclaration) const {
    std::vector<std::string_view> names;
    names.reserve(64);
    BlockSink sink;
    Writer<BlockSink>(sink, names).document(*this, withDeclaration);
    sink.moveTo(out);
}

}  // namespace fhir
