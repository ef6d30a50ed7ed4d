// Test support for the VoS document: building through the export with pinned
// ids and clock, and looking into the written document.
#pragma once

#include <string>
#include <vector>

#include "conformance/vosSamples.h"
#include "fhir/XmlNode.h"
#include "fhir/XmlReader.h"
#include "tevofhir/tevo.h"
#include "unit/eau/bundle_support.h"

namespace vostest {

using eautest::PinnedIdentity;

// The written document (UTF-8), or "FAILED".
inline std::string documentText(VosRecord record) {
    ExportResult result;
    HostString messages;
    return TevoCreateVOSBundle(&record, &result, &messages) == 0 ? result.document.str() : "FAILED";
}

// One entry of the bundle: the resource's type and the last part of its
// profile URL (without version).
struct Entry {
    std::string type;
    std::string profile;
    const fhir::xml::Node* resource;
};

// The document parsed once, with its entries in order.
class Document {
public:
    explicit Document(const std::string& text) : text_(text), parsed_(text_) {
        const fhir::xml::Node* bundle = parsed_.rootNamed("Bundle");
        for (const fhir::xml::Node* entry = fhir::xml::firstChildElement(bundle, "entry"); entry;
             entry = fhir::xml::nextSiblingElement(entry, "entry")) {
            const fhir::xml::Node* holder = fhir::xml::firstChildElement(entry, "resource");
            const fhir::xml::Node* resource = fhir::xml::firstChildElement(holder);
            const fhir::xml::Node* meta = fhir::xml::firstChildElement(resource, "meta");
            std::string profile = fhir::xml::childValue(meta, "profile");
            profile = profile.substr(profile.rfind('/') + 1);
            entries_.push_back({fhir::xml::nameOf(resource), profile.substr(0, profile.find('|')), resource});
        }
    }
    const std::vector<Entry>& entries() const { return entries_; }
    std::vector<std::string> profiles() const {
        std::vector<std::string> names;
        for (const Entry& entry : entries_) {
            names.push_back(entry.profile);
        }
        return names;
    }
    // The first entry of the profile, or null.
    const fhir::xml::Node* first(const std::string& profile) const {
        for (const Entry& entry : entries_) {
            if (entry.profile == profile) {
                return entry.resource;
            }
        }
        return nullptr;
    }
    // "urn:uuid:" and the id of the resource.
    static std::string fullUrlOf(const fhir::xml::Node* resource) {
        return "urn:uuid:" + fhir::xml::childValue(resource, "id");
    }
    const std::string& text() const { return text_; }

private:
    std::string text_;
    fhir::xml::ParsedDocument parsed_;
    std::vector<Entry> entries_;
};

}  // namespace vostest
