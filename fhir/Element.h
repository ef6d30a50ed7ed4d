// The generic FHIR element: an ordered store of owned children keyed by field,
// lookups of the same children by FHIR path, and the holders of extensions on
// primitive fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "fhir/ChildKey.h"
#include "fhir/StructureDefinition.h"

namespace fhir {

class f_string;
namespace r4::core::v4_0_1 {
class Extension;
}

class Element;

// One child as filed: its key and its place in filing order.
struct FiledChild {
    const KeySpec* key;
    Element* child;
    std::uint32_t sequence;  // how many children were filed before it
    bool holder;             // a holder of extensions on a primitive field
};

// The children filed under one order number, in filing order, named by the
// first key filed under that number.
class ChildEntry {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Element*;
        using difference_type = std::ptrdiff_t;
        using pointer = Element* const*;
        using reference = Element*;

        explicit iterator(const FiledChild* at) : at_(at) {}
        Element* operator*() const { return at_->child; }
        iterator& operator++() {
            ++at_;
            return *this;
        }
        bool operator!=(const iterator& other) const { return at_ != other.at_; }
        bool operator==(const iterator& other) const { return at_ == other.at_; }

    private:
        const FiledChild* at_;
    };

    ChildEntry(const FiledChild* first, const FiledChild* last) : first_(first), last_(last) {}
    const KeySpec& key() const { return *first_->key; }
    std::size_t size() const { return static_cast<std::size_t>(last_ - first_); }
    Element* operator[](std::size_t index) const { return first_[index].child; }
    iterator begin() const { return iterator(first_); }
    iterator end() const { return iterator(last_); }

private:
    const FiledChild* first_;
    const FiledChild* last_;
};

// The ordered child store seen entry by entry, in ascending order number.
class ChildStore {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = ChildEntry;
        using difference_type = std::ptrdiff_t;
        using pointer = const ChildEntry*;
        using reference = ChildEntry;

        iterator(const FiledChild* at, const FiledChild* end) : at_(at), end_(end) {}
        ChildEntry operator*() const { return ChildEntry(at_, runEnd()); }
        iterator& operator++() {
            at_ = runEnd();
            return *this;
        }
        bool operator!=(const iterator& other) const { return at_ != other.at_; }
        bool operator==(const iterator& other) const { return at_ == other.at_; }

    private:
        const FiledChild* runEnd() const {
            const FiledChild* last = at_ + 1;
            while (last != end_ && last->key->order == at_->key->order) {
                ++last;
            }
            return last;
        }
        const FiledChild* at_;
        const FiledChild* end_;
    };

    ChildStore(const FiledChild* first, const FiledChild* last) : first_(first), last_(last) {}
    iterator begin() const { return iterator(first_, last_); }
    iterator end() const { return iterator(last_, last_); }
    bool empty() const { return first_ == last_; }
    // Number of entries (distinct order numbers).
    std::size_t size() const;

private:
    const FiledChild* first_;
    const FiledChild* last_;
};

class Element : public StructureDefinition {
public:
    using ChildList = std::vector<Element*>;

    Element();
    ~Element() override;

    // Elements live in tree memory (see fhir/TreeMemory.h): the arena of the
    // current document, or the heap.
    static void* operator new(std::size_t size);
    static void operator delete(void* memory) noexcept;

    // Own text value; "not defined yet" for elements without one.
    virtual std::string getValue() const;
    virtual bool isPrimitive() const;
    // "urn:uuid:" followed by the value of the first id child (if any).
    virtual std::string getFullUrl() const;
    // FHIR type name written as element name of a resource ("Patient").
    virtual std::string getFhirType() const;
    // The text of getValue, without a copy where the element holds it as
    // text; `scratch` holds it otherwise.
    virtual std::string_view viewValue(std::string& scratch) const;

    // Files the id under ("Element.id", "id", 1). Must not be null.
    void setId(f_string* id);
    // Files the extension under ("Element.extension", "extension", 3 + count).
    // The first seven extensions get the orders 3 to 9; every further one joins
    // the list of order 9, so extensions always precede the own fields (which
    // start at order 10) and keep their insertion order. Must not be null.
    void addExtension(r4::core::v4_0_1::Extension* extension);

    // Copy of the children filed under a FHIR path, in filing order; empty
    // when none.
    ChildList getChildren(const std::string& path) const;
    // First child under the path, or the shared empty element. Never null.
    const Element* getChild(const std::string& path) const;
    // Walks getChild level by level; an empty sequence gives this element.
    const Element* getChildByPath(const std::vector<std::string>& paths) const;
    // Value of the element reached by getChildByPath: raw UTF-8 when `raw`,
    // otherwise converted to ANSI and trimmed at both ends.
    std::string getValueByPath(const std::vector<std::string>& paths, bool raw) const;

    // The text of Element::getFullUrl (not of an override), written into
    // `out` (cleared first), so that a caller can reuse one buffer.
    void fullUrlInto(std::string& out) const;

    // Writes the tree rooted here as FHIR XML into `out` (cleared first).
    void writeXml(std::string& out, bool withDeclaration) const;

    ChildStore childStore() const { return ChildStore(filed_, filed_ + count_); }
    bool hasChildren() const { return count_ != 0; }

protected:
    // Files a child under the key (adders of generated and profile classes).
    // A null child is ignored. The key must outlive the tree.
    void fileChild(const KeySpec& key, Element* child);
    // Adds an extension to the holder of a primitive field, creating and
    // filing the holder under the key on first use. A null extension is ignored.
    void fileHolderExtension(const KeySpec& key, r4::core::v4_0_1::Extension* extension);

private:
    // Children kept inside the element before the list moves to tree memory.
    static constexpr std::uint32_t kInlineChildren = 2;

    void file(const KeySpec& key, Element* child, bool holder);
    void grow();
    // The first child (in filing order) filed under the path; null when none.
    Element* firstUnder(std::string_view path) const;

    // Sorted by order number, children of one order number in filing order.
    FiledChild* filed_;
    std::uint32_t count_ = 0;
    std::uint32_t capacity_ = kInlineChildren;
    std::int32_t extensionCount_ = 0;
    // True while every child was filed behind all earlier ones, so that the
    // store's order is also filing order.
    bool inFilingOrder_ = true;
    FiledChild inline_[kInlineChildren];
};

// The shared element returned by lookups that find nothing.
const Element& emptyElement();

}  // namespace fhir
