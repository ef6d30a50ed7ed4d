// The frame shared by the certificate and the cancellation: a Bundle of type
// document and its entries.
#pragma once

#include <memory>
#include <string>

#include "fhir/r4/core/v4_0_1/Bundle.h"

namespace fhir::eau {

namespace core = fhir::r4::core::v4_0_1;

// Id, meta (creation time and profile reference), identifier (the bundle's
// own "urn:uuid:" URL), type "document" and timestamp (creation time). Without
// an id the bundle has neither id nor identifier value.
// `identifierSystem` and `type` are the bundle profile's fixed texts.
void startDocument(core::Bundle& bundle, const std::string& id, const std::string& profileReference,
                   const std::string& creationTime, const std::string& identifierSystem, const std::string& type);

// startDocument with the fixed texts of the bundle's own profile.
template <class BundleProfile>
void startProfiledDocument(BundleProfile& bundle, const std::string& id, const std::string& profileReference,
                           const std::string& creationTime) {
    startDocument(bundle, id, profileReference, creationTime, bundle.identifierSystem, bundle.type);
}

// Files a resource as the next entry, under its "urn:uuid:" full URL.
void addEntry(core::Bundle& bundle, core::Resource* resource);

// Writes the document with XML declaration and frees the tree.
std::string writeDocument(std::unique_ptr<core::Bundle> bundle);

}  // namespace fhir::eau
