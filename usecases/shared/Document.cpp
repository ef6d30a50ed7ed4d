#include "usecases/shared/Document.h"

#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/Meta.h"
#include "usecases/shared/Elements.h"

namespace fhir::shared {

void startDocument(core::Bundle& bundle, std::string_view id, std::string_view profileReference,
                   std::string_view creationTime, core::Identifier* identifier, std::string_view type) {
    if (!id.empty()) {
        bundle.setId(new f_string(id));
    }
    auto* meta = new core::Meta();
    meta->addLastUpdated(new f_instant(creationTime));
    meta->addProfile(new f_canonical(profileReference));
    bundle.setMeta(meta);
    bundle.addIdentifier(identifier);
    bundle.addType(new f_code(type));
    bundle.addTimestamp(new f_instant(creationTime));
}

core::Identifier* newBundleIdentifier(std::string_view system, std::string_view value) {
    auto* identifier = new core::Identifier();
    identifier->addSystem(new f_uri(system));
    if (!value.empty()) {
        identifier->addValue(new f_string(value));
    }
    return identifier;
}

void addEntry(core::Bundle& bundle, core::Resource* resource) {
    auto* entry = new core::Bundle_entry();
    entry->addFullUrl(new f_uri(fullUrlOf(*resource)));
    entry->addResource(resource);
    bundle.addEntry(entry);
}

std::string writeDocument(std::unique_ptr<core::Bundle> bundle) {
    std::string text;
    bundle->writeXml(text, true);
    return text;
}

}  // namespace fhir::shared
