#include <memory>

#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/Coding.h"
#include "fhir/r4/core/v4_0_1/Meta.h"
#include "fhir/r4/kbvmiozaeb/v1_1_0/KBV_PR_MIO_ZAEB_Bundle.h"
#include "usecases/shared/Document.h"
#include "usecases/shared/Elements.h"
#include "usecases/miozaeb/zaebBuilders.h"

namespace fhir::zaeb {
namespace {

using Bundle = profile::KBV_PR_MIO_ZAEB_Bundle;
using Composition = profile::KBV_PR_MIO_ZAEB_Composition;
using shared::addEntry;
using shared::file;
using shared::identify;
using shared::newConcept;
using shared::newReference;

// Id, profile, identifier (the bundle's own "urn:uuid:" URL), type and
// timestamp; the record's id and timestamp are each left out when empty.
void startBundle(Bundle& bundle, const ZaebData& data) {
    if (!data.bundleId.empty()) {
        bundle.setId(new f_string(data.bundleId));
    }
    auto* meta = new core::Meta();
    meta->addProfile(new f_canonical(bundle.getCanonical()));
    bundle.setMeta(meta);
    bundle.addIdentifier(
        shared::newBundleIdentifier(bundle.identifierSystem, data.bundleId.empty() ? "" : bundle.getFullUrl()));
    bundle.addType(new f_code(bundle.type));
    if (!data.timestamp.empty()) {
        bundle.addTimestamp(new f_instant(data.timestamp));
    }
}

core::Coding* compositionType(const Composition& composition) {
    auto* coding = new core::Coding();
    coding->addSystem(new f_uri(composition.typeSystem));
    coding->addVersion(new f_string(composition.typeVersion));
    coding->addCode(new f_code(composition.typeCode));
    coding->addDisplay(new f_string(composition.typeDisplay));
    return coding;
}

}  // namespace

void fillComposition(Composition& composition, const ZaebData& data, const core::Patient& patient,
                     const core::Organization& practice, const std::vector<const core::Observation*>& observations) {
    composition.addSubject(newReference(patient));
    if (!data.timestamp.empty()) {
        composition.addDate(new f_dateTime(data.timestamp));
    }
    composition.addAuthor(newReference(practice));
    composition.addTitle(new f_string(composition.title));
    auto* section = new core::Composition_section();
    for (const core::Observation* observation : observations) {
        section->addEntry(newReference(*observation));
    }
    composition.addSection(section);
}

// The composition comes first and is filled once every resource it refers
// to exists.
std::unique_ptr<core::Bundle> buildZaebBundle(const ZaebData& data) {
    auto bundle = std::make_unique<Bundle>();
    startBundle(*bundle, data);
    auto* composition = new Composition();
    identify(*composition, newUuid(), composition->getCanonical());
    composition->addStatus(new f_code(composition->status));
    composition->addType(newConcept(compositionType(*composition)));
    addEntry(*bundle, composition);

    const core::Organization* practice = file(*bundle, buildPractice(data.practice));
    const core::Patient* patient = file(*bundle, buildPatient(data.patient));
    std::vector<const core::Observation*> observations;
    if (!data.gaplessDocumentationDate.empty()) {
        observations.push_back(file(*bundle, buildGaplessDocumentation(data, *patient)));
    }
    if (!data.checkUpDate.empty()) {
        observations.push_back(file(*bundle, buildDentalCheckUp(data, *patient)));
    }
    fillComposition(*composition, data, *patient, *practice, observations);
    return bundle;
}

}  // namespace fhir::zaeb
