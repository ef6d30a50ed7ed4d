// The frame of every document: a Bundle of type document and its entries.
#pragma once

#include <memory>
#include <string>

#include "fhir/r4/core/v4_0_1/Bundle.h"
#include "fhir/r4/core/v4_0_1/Identifier.h"

namespace fhir::shared {

namespace core = fhir::r4::core::v4_0_1;

// Id (left out when empty), meta (creation time and profile reference), the
// bundle's identifier, type and timestamp (creation time). `type` is the
// bundle profile's fixed text.
void startDocument(core::Bundle& bundle, const std::string& id, const std::string& profileReference,
                   const std::string& creationTime, core::Identifier* identifier, const std::string& type);

// An identifier of the given system and, when not empty, value.
core::Identifier* newBundleIdentifier(const std::string& system, const std::string& value);

// Files a resource as the next entry, under its "urn:uuid:" full URL.
void addEntry(core::Bundle& bundle, core::Resource* resource);

// Files the resource as the next entry and hands it back for references.
template <class Resource>
const Resource* file(core::Bundle& bundle, Resource* resource) {
    addEntry(bundle, resource);
    return resource;
}

// Writes the document with XML declaration and frees the tree.
std::string writeDocument(std::unique_ptr<core::Bundle> bundle);

}  // namespace fhir::shared
