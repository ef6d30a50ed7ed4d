// The frame of every document: a Bundle of type document and its entries.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "fhir/r4/core/v4_0_1/Bundle.h"
#include "fhir/r4/core/v4_0_1/Identifier.h"

namespace fhir::shared {

namespace core = fhir::r4::core::v4_0_1;

// Id (left out when empty), meta (creation time and profile reference), the
// bundle's identifier, type and timestamp (creation time). `type` is the
// bundle profile's fixed text.
void startDocument(core::Bundle& bundle, std::string_view id, std::string_view profileReference,
                   std::string_view creationTime, core::Identifier* identifier, std::string_view type);

// An identifier of the given system and, when not empty, value.
core::Identifier* newBundleIdentifier(std::string_view system, std::string_view value);

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
