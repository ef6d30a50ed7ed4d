#include "fhir/Element.h"

#include <algorithm>

#include "boundary/quillkit.h"
#include "fhir/TreeMemory.h"
#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/Extension.h"

namespace fhir {
namespace {

constexpr KeySpec kIdKey{"Element.id", "id", order::kId};
// One key per extension order number, 3 to 9.
constexpr KeySpec kExtensionKeys[] = {
    {"Element.extension", "extension", 3}, {"Element.extension", "extension", 4},
    {"Element.extension", "extension", 5}, {"Element.extension", "extension", 6},
    {"Element.extension", "extension", 7}, {"Element.extension", "extension", 8},
    {"Element.extension", "extension", 9},
};
static_assert(sizeof kExtensionKeys / sizeof kExtensionKeys[0] ==
              order::kLastExtension - order::kFirstExtension + 1);
constexpr const char* kUrnUuid = "urn:uuid:";

// Compares without measuring the key's path first: most keys differ early.
bool isPath(const KeySpec* key, std::string_view path) {
    const char* text = key->path;
    for (const char c : path) {
        if (*text == '\0' || *text != c) {
            return false;
        }
        ++text;
    }
    return *text == '\0';
}

// Stands for "nothing found": empty value, empty type, no children.
class EmptyElement final : public Element {
public:
    std::string getValue() const override { return std::string(); }
    bool isPrimitive() const override { return true; }
    std::string getFullUrl() const override { return std::string(); }
    std::string getFhirType() const override { return std::string(); }
};

}  // namespace

std::size_t ChildStore::size() const {
    std::size_t entries = 0;
    for (auto entry = begin(); entry != end(); ++entry) {
        ++entries;
    }
    return entries;
}

const Element& emptyElement() {
    static const EmptyElement instance;
    return instance;
}

Element::Element() : filed_(inline_) {}

Element::~Element() {
    for (std::uint32_t i = 0; i < count_; ++i) {
        delete filed_[i].child;
    }
    if (filed_ != inline_) {
        treememory::release(filed_);
    }
}

void* Element::operator new(std::size_t size) {
    return treememory::allocate(size);
}

void Element::operator delete(void* memory) noexcept {
    treememory::release(memory);
}

std::string Element::getValue() const {
    return "not defined yet";
}

bool Element::isPrimitive() const {
    return false;
}

std::string Element::getFullUrl() const {
    std::string url;
    fullUrlInto(url);
    return url;
}

void Element::fullUrlInto(std::string& out) const {
    out.assign(kUrnUuid);
    if (const Element* id = firstUnder(kIdKey.path)) {
        std::string scratch;
        out += id->viewValue(scratch);
    }
}

std::string Element::getFhirType() const {
    return std::string();
}

std::string_view Element::viewValue(std::string& scratch) const {
    scratch = getValue();
    return scratch;
}

void Element::grow() {
    const std::uint32_t capacity = capacity_ * 2 + 2;
    auto* moved = static_cast<FiledChild*>(treememory::allocate(capacity * sizeof(FiledChild)));
    std::copy(filed_, filed_ + count_, moved);
    if (filed_ != inline_) {
        treememory::release(filed_);
    }
    filed_ = moved;
    capacity_ = capacity;
}

void Element::file(const KeySpec& key, Element* child, bool holder) {
    if (count_ == capacity_) {
        grow();
    }
    // Behind every child of the same or a lower order number.
    std::uint32_t at = count_;
    while (at > 0 && filed_[at - 1].key->order > key.order) {
        --at;
    }
    if (at != count_) {
        std::copy_backward(filed_ + at, filed_ + count_, filed_ + count_ + 1);
        inFilingOrder_ = false;
    }
    filed_[at] = FiledChild{&key, child, count_, holder};
    ++count_;
}

void Element::fileChild(const KeySpec& key, Element* child) {
    if (child) {
        file(key, child, false);
    }
}

void Element::fileHolderExtension(const KeySpec& key, r4::core::v4_0_1::Extension* extension) {
    if (!extension) {
        return;
    }
    for (std::uint32_t i = 0; i < count_; ++i) {
        if (filed_[i].holder && isPath(filed_[i].key, key.path)) {
            filed_[i].child->addExtension(extension);
            return;
        }
    }
    auto* holder = new Element();
    holder->addExtension(extension);
    file(key, holder, true);
}

void Element::setId(f_string* id) {
    fileChild(kIdKey, id);
}

void Element::addExtension(r4::core::v4_0_1::Extension* extension) {
    if (!extension) {
        return;
    }
    const std::int32_t slot = std::min(extensionCount_, order::kLastExtension - order::kFirstExtension);
    fileChild(kExtensionKeys[slot], extension);
    ++extensionCount_;
}

Element* Element::firstUnder(std::string_view path) const {
    const FiledChild* first = nullptr;
    for (std::uint32_t i = 0; i < count_; ++i) {
        const FiledChild& filed = filed_[i];
        if ((!first || filed.sequence < first->sequence) && isPath(filed.key, path)) {
            first = &filed;
            if (inFilingOrder_) {
                break;
            }
        }
    }
    return first ? first->child : nullptr;
}

Element::ChildList Element::getChildren(const std::string& path) const {
    std::vector<const FiledChild*> found;
    for (std::uint32_t i = 0; i < count_; ++i) {
        if (isPath(filed_[i].key, path)) {
            found.push_back(&filed_[i]);
        }
    }
    if (!inFilingOrder_) {
        std::sort(found.begin(), found.end(),
                  [](const FiledChild* a, const FiledChild* b) { return a->sequence < b->sequence; });
    }
    ChildList children;
    children.reserve(found.size());
    for (const FiledChild* filed : found) {
        children.push_back(filed->child);
    }
    return children;
}

const Element* Element::getChild(const std::string& path) const {
    const Element* first = firstUnder(path);
    return first ? first : &emptyElement();
}

const Element* Element::getChildByPath(const std::vector<std::string>& paths) const {
    const Element* current = this;
    for (const std::string& path : paths) {
        current = current->getChild(path);
    }
    return current;
}

std::string Element::getValueByPath(const std::vector<std::string>& paths, bool raw) const {
    const std::string value = getChildByPath(paths)->getValue();
    if (raw) {
        return value;
    }
    HostString ansi = UTF8ToAnsi(HostString(value));
    ansi.Trim();
    return ansi.str();
}

}  // namespace fhir
