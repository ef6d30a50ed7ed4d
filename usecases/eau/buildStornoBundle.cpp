#include <memory>

#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/List.h"
#include "usecases/eau/EauProfiles.h"
#include "usecases/eau/eauBuilders.h"

namespace fhir::eau {
namespace {

constexpr const char* kUrnUuid = "urn:uuid:";

// The cancelled certificate is named by its bundle identifier, which is the
// "urn:uuid:" form of its document id; without a document id the identifier
// keeps only its system.
core::Identifier* cancelledIdentifier(const std::string& system, const std::string& documentId) {
    auto* identifier = new core::Identifier();
    identifier->addSystem(new f_uri(system));
    if (!documentId.empty()) {
        identifier->addValue(
            new f_string(documentId.compare(0, 9, kUrnUuid) == 0 ? documentId : kUrnUuid + documentId));
    }
    return identifier;
}

template <class P>
core::List* buildStornoList(const EauStornoData& data) {
    auto* list = new typename P::Storno();
    identify(*list, newUuid(), profileOf<P>(*list));
    list->addStatus(new f_code(list->status));
    list->addMode(new f_code(list->mode));
    auto* entry = new core::List_entry();
    entry->addDeleted(new f_boolean(true));
    auto* item = new core::Reference();
    item->addIdentifier(cancelledIdentifier(list->entryItemIdentifierSystem, data.dokumentenidsubmission));
    entry->addItem(item);
    list->addEntry(entry);
    return list;
}

template <class P>
void fillStornoComposition(typename P::StornoComposition& composition, const EauStornoData& data,
                           const core::Practitioner& author, const core::Organization& organization,
                           const core::List& list) {
    composition.addStatus(new f_code(composition.status));
    composition.addType(newConcept(composition.typeSystem, composition.typeCode));
    composition.addDate(new f_dateTime(data.stornodatum));
    auto* authorReference = newReference(author);
    authorReference->addType(new f_uri(composition.authorType));
    composition.addAuthor(authorReference);
    composition.addTitle(new f_string(composition.title));
    composition.addCustodian(newReference(organization));
    auto* section = new core::Composition_section();
    section->addEntry(newReference(list));
    composition.addSection(section);
}

}  // namespace

template <class P>
std::unique_ptr<core::Bundle> buildStornoBundle(const EauStornoData& data) {
    auto bundle = std::make_unique<typename P::StornoBundle>();
    startProfiledDocument(*bundle, data.dokumentenid, profileOf<P>(*bundle), data.creationTime);
    auto* composition = new typename P::StornoComposition();
    identify(*composition, newUuid(), profileOf<P>(*composition));
    addEntry(*bundle, composition);
    auto* author = buildPractitioner<typename P::Party>(data.person);
    addEntry(*bundle, author);
    auto* organization = buildOrganization<typename P::Party>(data.institution);
    addEntry(*bundle, organization);
    auto* list = buildStornoList<P>(data);
    addEntry(*bundle, list);
    fillStornoComposition<P>(*composition, data, *author, *organization, *list);
    return bundle;
}

template std::unique_ptr<core::Bundle> buildStornoBundle<Eau110>(const EauStornoData&);
template std::unique_ptr<core::Bundle> buildStornoBundle<Eau120>(const EauStornoData&);

}  // namespace fhir::eau
