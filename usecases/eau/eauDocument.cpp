#include "usecases/eau/eauDocument.h"

#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/Identifier.h"
#include "fhir/r4/core/v4_0_1/Meta.h"

namespace fhir::eau {

void startDocument(core::Bundle& bundle, const std::string& id, const std::string& profileReference,
                   const std::string& creationTime, const std::string& identifierSystem, const std::string& type) {
    if (!id.empty()) {
        bundle.setId(new f_string(id));
    }
    auto* meta = new core::Meta();
    meta->addLastUpdated(new f_instant(creationTime));
    meta->addProfile(new f_canonical(profileReference));
    bundle.setMeta(meta);
    auto* identifier = new core::Identifier();
    identifier->addSystem(new f_uri(identifierSystem));
    if (!id.empty()) {
        identifier->addValue(new f_string(bundle.getFullUrl()));
    }
    bundle.addIdentifier(identifier);
    bundle.addType(new f_code(type));
    bundle.addTimestamp(new f_instant(creationTime));
}

void addEntry(core::Bundle& bundle, core::Resource* resource) {
    auto* entry = new core::Bundle_entry();
    entry->addFullUrl(new f_uri(resource->getFullUrl()));
    entry->addResource(resource);
    bundle.addEntry(entry);
}

std::string writeDocument(std::unique_ptr<core::Bundle> bundle) {
    std::string text;
    bundle->writeXml(text, true);
    return text;
}

}  // namespace fhir::eau
