#include "fhir/Element.h"

#include <algorithm>

#include "boundary/quillkit.h"
#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/Extension.h"

namespace fhir {
namespace {

constexpr KeySpec kIdKey{"Element.id", "id", order::kId};
constexpr const char* kExtensionPath = "Element.extension";
constexpr const char* kUrnUuid = "urn:uuid:";

// Stands for "nothing found": empty value, empty type, no children.
class EmptyElement final : public Element {
public:
    std::string getValue() const override { return std::string(); }
    bool isPrimitive() const override { return true; }
    std::string getFullUrl() const override { return std::string(); }
    std::string getFhirType() const override { return std::string(); }
};

}  // namespace

const Element& emptyElement() {
    static const EmptyElement instance;
    return instance;
}

Element::~Element() {
    for (auto& entry : children_) {
        for (Element* child : entry.second) {
            delete child;
        }
    }
}

std::string Element::getValue() const {
    return "not defined yet";
}

bool Element::isPrimitive() const {
    return false;
}

std::string Element::getFullUrl() const {
    const auto ids = index_.find(kIdKey.path);
    if (ids == index_.end() || ids->second.empty()) {
        return kUrnUuid;
    }
    return kUrnUuid + ids->second.front()->getValue();
}

std::string Element::getFhirType() const {
    return std::string();
}

void Element::fileChild(const KeySpec& key, Element* child) {
    if (!child) {
        return;
    }
    auto entry = children_.find(key.order);
    if (entry == children_.end()) {
        entry = children_.emplace(ChildKey{key.path, key.name, key.order}, ChildList()).first;
    }
    entry->second.push_back(child);
    index_[key.path].push_back(child);
}

void Element::fileHolderExtension(const KeySpec& key, r4::core::v4_0_1::Extension* extension) {
    if (!extension) {
        return;
    }
    const auto known = holders_.find(key.path);
    if (known != holders_.end()) {
        known->second->addExtension(extension);
        return;
    }
    auto* holder = new Element();
    holder->addExtension(extension);
    fileChild(key, holder);
    holders_.emplace(key.path, holder);
}

void Element::setId(f_string* id) {
    fileChild(kIdKey, id);
}

void Element::addExtension(r4::core::v4_0_1::Extension* extension) {
    if (!extension) {
        return;
    }
    const std::int32_t slot = std::min(order::kFirstExtension + extensionCount_, order::kLastExtension);
    fileChild(KeySpec{kExtensionPath, "extension", slot}, extension);
    ++extensionCount_;
}

Element::ChildList Element::getChildren(const std::string& path) const {
    const auto found = index_.find(path);
    return found == index_.end() ? ChildList() : found->second;
}

const Element* Element::getChild(const std::string& path) const {
    const auto found = index_.find(path);
    if (found == index_.end() || found->second.empty() || !found->second.front()) {
        return &emptyElement();
    }
    return found->second.front();
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
