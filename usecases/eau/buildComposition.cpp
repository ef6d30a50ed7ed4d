#include "fhir/primitives.h"
#include "fhir/r4/codes/Enumerations.h"
#include "usecases/eau/EauProfiles.h"
#include "usecases/eau/eauBuilders.h"

namespace fhir::eau {
namespace {

using namespace codes;

template <class Profile>
core::Reference* newAuthor(const Profile& composition, const fhir::Element& practitioner) {
    auto* author = newReference(practitioner);
    author->addType(new f_uri(composition.authorArztType));
    return author;
}

// The sending software, identified by its test number.
template <class Profile>
core::Reference* newDeviceAuthor(const Profile& composition, const std::string& testNumber) {
    auto* device = new core::Reference();
    device->addType(new f_uri(composition.authorPruefnummerType));
    if (!testNumber.empty()) {
        device->addIdentifier(newIdentifier(composition.authorPruefnummerIdentifierSystem, testNumber));
    }
    return device;
}

// The responsible person attests the certificate that a physician in
// training issued.
template <class Profile>
core::Composition_attester* newAttester(const Profile& composition, const core::Practitioner& responsible) {
    auto* attester = new core::Composition_attester();
    attester->addMode(new f_code(composition.attesterMode));
    attester->addParty(newReference(responsible));
    return attester;
}

template <class Profile>
void addSections(Profile& composition, const EauParts& parts) {
    const auto add = [&composition](const std::string& code, const fhir::Element& entry) {
        composition.addSection(newSection(composition.sectionCodeSystem, code, entry));
    };
    add(composition.sectionAUCode, *parts.incapacity);
    for (const core::Condition* diagnosis : parts.diagnoses) {
        add(composition.sectionICDCode, *diagnosis);
    }
    add(composition.sectionKrankenversicherungsverhaeltnisCode, *parts.coverage);
    for (const core::ServiceRequest* measure : parts.measures) {
        add(composition.sectionWeitereSchritteCode, *measure);
    }
    if (parts.team) {
        add(composition.sectionASVAusuebungCode, *parts.team);
    }
    if (parts.diagnosisText) {
        add(composition.sectionDiagnoseklartextCode, *parts.diagnosisText);
    }
}

}  // namespace

template <class P>
void fillComposition(typename P::Composition& composition, const EauData& data, const EauParts& parts) {
    if (data.legalBasis != CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN::EMPTY) {
        auto* legalBasis = new typename P::LegalBasis();
        legalBasis->setValue(newCodingOf<CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN>(data.legalBasis));
        composition.addExtension(legalBasis);
    }
    composition.addStatus(new f_code(composition.status));
    auto* type = newConcept(composition.typeArtEAUSystem, CS_KBV_CS_EAU_AU_Type::toCode(data.auType));
    type->addCoding(newCoding(composition.typeKlassifizierungSystem, composition.typeKlassifizierungCode));
    composition.addType(type);
    composition.addSubject(newReference(*parts.patient));
    composition.addDate(new f_dateTime(data.ausstellungsdatum));
    composition.addAuthor(newAuthor(composition, *parts.issuer));
    composition.addAuthor(newDeviceAuthor(composition, data.pruefnummer));
    composition.addTitle(new f_string(composition.title));
    if (parts.responsible) {
        composition.addAttester(newAttester(composition, *parts.responsible));
    }
    composition.addCustodian(newReference(*parts.organization));
    addSections(composition, parts);
}

template void fillComposition<Eau110>(Eau110::Composition&, const EauData&, const EauParts&);
template void fillComposition<Eau120>(Eau120::Composition&, const EauData&, const EauParts&);

}  // namespace fhir::eau
