#include "usecases/eeb/requestBundle.h"

#include <memory>

#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/codes/Enumerations.h"
#include "fhir/r4/core/v4_0_1/Meta.h"
#include "fhir/r4/gematikeeb/v1_1_0/EEBAnfrageBundle.h"
#include "fhir/r4/gematikeeb/v1_1_0/EEBAnfrageHeader.h"
#include "fhir/r4/gematikeeb/v1_1_0/EEBKnownPatient.h"
#include "fhir/r4/gematikeeb/v1_1_0/Einverstaendnis.h"
#include "fhir/r4/gematikeeb/v1_1_0/Institutionskennzeichen.h"
#include "fhir/r4/gematikeeb/v1_1_0/Leistungsdatum.h"
#include "usecases/shared/Document.h"
#include "usecases/shared/Elements.h"
#include "usecases/shared/PartyProfiles.h"
#include "usecases/shared/answerReading.h"
#include "usecases/shared/partyBuilders.h"

namespace fhir::eeb {
namespace {

namespace core = fhir::r4::core::v4_0_1;
namespace gematik = fhir::r4::gematikeeb::v1_1_0;
// The gematik package builds on FOR 1.1.0, KBV base 1.3.0 and German base
// 1.3.2; the practice and the full patient are of that generation.
using For = shared::For110;

// Known by the insurance number: the patient carries nothing else. The
// gematik profiles fix Meta.profile to their URL without version.
core::Patient* buildKnownPatient(const shared::InsuredData& patient) {
    auto* known = new gematik::EEBKnownPatient();
    shared::identify(*known, newUuid(), known->getUrl());
    known->addIdentifier(shared::newProfileIdentifier<For::IdentifierKvid10>(patient.versichertennummer));
    return known;
}

// Otherwise name, birth date (unknown when empty) and street address.
core::Patient* buildPatient(const shared::InsuredData& patient) {
    if (!patient.versichertennummer.empty()) {
        return buildKnownPatient(patient);
    }
    shared::PatientLayout layout;
    layout.unknownWhenNoBirthDate = true;
    return shared::buildPatient<For>(patient, nullptr, layout);
}

core::Coding* newOriginCoding(int origin) {
    using codes::VS_EEBAnfrageUrsprungVS;
    core::Coding* coding = shared::newMemberCodingOf<VS_EEBAnfrageUrsprungVS>(origin);
    coding->addDisplay(new f_string(VS_EEBAnfrageUrsprungVS::toDisplay(origin)));
    return coding;
}

template <class Profile, class Value>
Profile* newExtension(Value* value) {
    auto* extension = new Profile();
    extension->setValue(value);
    return extension;
}

core::MessageHeader* buildHeader(const EebData& data, const core::Organization& practice,
                                 const core::Patient& patient) {
    auto* header = new gematik::EEBAnfrageHeader();
    shared::identify(*header, newUuid(), header->getUrl());
    header->addExtension(newExtension<gematik::Leistungsdatum>(new f_date(data.leistungsdatum)));
    header->addExtension(newExtension<gematik::Einverstaendnis>(new f_boolean(data.einverstaendnis)));
    header->addExtension(
        newExtension<gematik::Institutionskennzeichen>(shared::newSystemIdentifier<For::IdentifierIknr>(data.iknummer)));
    header->addEvent(newOriginCoding(data.ursprung));
    header->addSender(shared::newReference(practice));
    auto* source = new core::MessageHeader_source();
    source->addEndpoint(new f_url(data.endpoint));
    header->addSource(source);
    header->addFocus(shared::newReference(patient));
    return header;
}

void startMessage(gematik::EEBAnfrageBundle& bundle, const EebData& data) {
    bundle.setId(new f_uuid(shared::withoutUrnUuid(data.dokumentid)));
    auto* meta = new core::Meta();
    meta->addProfile(new f_canonical(bundle.getUrl()));
    bundle.setMeta(meta);
    bundle.addIdentifier(shared::newBundleIdentifier(bundle.identifierSystem, bundle.getFullUrl()));
    bundle.addType(new f_code(bundle.type));
    bundle.addTimestamp(new f_instant(data.creationTime));
}

}  // namespace

std::string writeRequest(const EebData& data) {
    auto bundle = std::make_unique<gematik::EEBAnfrageBundle>();
    startMessage(*bundle, data);
    core::Patient* patient = buildPatient(data.patient);
    core::Organization* practice = shared::buildOrganization<For>(data.praxis);
    shared::addEntry(*bundle, buildHeader(data, *practice, *patient));
    shared::addEntry(*bundle, patient);
    shared::addEntry(*bundle, practice);
    return shared::writeDocument(std::move(bundle));
}

}  // namespace fhir::eeb
