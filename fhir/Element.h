// The generic FHIR element: an ordered store of owned children keyed by field,
// a path index over the same children, and the holders of extensions on
// primitive fields.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "fhir/ChildKey.h"
#include "fhir/StructureDefinition.h"

namespace fhir {

class f_string;
namespace r4::core::v4_0_1 {
class Extension;
}

class Element : public StructureDefinition {
public:
    using ChildList = std::vector<Element*>;
    using ChildStore = std::map<ChildKey, ChildList, ChildKeyOrder>;

    Element() = default;
    ~Element() override;

    // Own text value; "not defined yet" for elements without one.
    virtual std::string getValue() const;
    virtual bool isPrimitive() const;
    // "urn:uuid:" followed by the value of the first id child (if any).
    virtual std::string getFullUrl() const;
    // FHIR type name written as element name of a resource ("Patient").
    virtual std::string getFhirType() const;

    // Files the id under ("Element.id", "id", 1). Must not be null.
    void setId(f_string* id);
    // Files the extension under ("Element.extension", "extension", 3 + count).
    // The first seven extensions get the orders 3 to 9; every further one joins
    // the list of order 9, so extensions always precede the own fields (which
    // start at order 10) and keep their insertion order. Must not be null.
    void addExtension(r4::core::v4_0_1::Extension* extension);

    // Copy of the children filed under a FHIR path; empty when none.
    ChildList getChildren(const std::string& path) const;
    // First child under the path, or the shared empty element. Never null.
    const Element* getChild(const std::string& path) const;
    // Walks getChild level by level; an empty sequence gives this element.
    const Element* getChildByPath(const std::vector<std::string>& paths) const;
    // Value of the element reached by getChildByPath: raw UTF-8 when `raw`,
    // otherwise converted to ANSI and trimmed at both ends.
    std::string getValueByPath(const std::vector<std::string>& paths, bool raw) const;

    // Writes the tree rooted here as FHIR XML into `out` (cleared first).
    void writeXml(std::string& out, bool withDeclaration) const;

    const ChildStore& childStore() const { return children_; }
    bool hasChildren() const { return !children_.empty(); }

protected:
    // Files a child under the key (adders of generated and profile classes).
    // A null child is ignored.
    void fileChild(const KeySpec& key, Element* child);
    // Adds an extension to the holder of a primitive field, creating and
    // filing the holder under the key on first use. A null extension is ignored.
    void fileHolderExtension(const KeySpec& key, r4::core::v4_0_1::Extension* extension);

private:
    std::map<std::string, Element*> holders_;
    ChildStore children_;
    std::unordered_map<std::string, ChildList> index_;
    std::int32_t extensionCount_ = 0;
};

// The shared element returned by lookups that find nothing.
const Element& emptyElement();

}  // namespace fhir
