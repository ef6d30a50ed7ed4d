// Root interface of every FHIR definition held in the element tree.
#pragma once

#include <string>

namespace fhir {

class StructureDefinition {
public:
    StructureDefinition() = default;
    StructureDefinition(const StructureDefinition&) = delete;
    StructureDefinition& operator=(const StructureDefinition&) = delete;
    // Deleting a child through this interface destroys its whole subtree.
    virtual ~StructureDefinition();
    // Canonical URL without version; an Extension answers its url.
    virtual std::string getUrl() const;
};

}  // namespace fhir
