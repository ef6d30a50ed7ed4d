#include "fhir/primitives.h"
#include "fhir/r4/codes/Enumerations.h"
#include "usecases/erezept/ERezeptProfiles.h"
#include "usecases/erezept/erezeptBuilders.h"

namespace fhir::erezept {
namespace {

using codes::CS_KBV_CS_SFHIR_KBV_PKV_TARIFF;
using codes::CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN;

// Prescription or practice supply, coverage and ASV team, each when built.
template <class Profile>
void addSections(Profile& composition, const ERezeptParts& parts) {
    const struct {
        const std::string& code;
        const fhir::Element* entry;
    } kSections[] = {
        {composition.sectionVerordnungArzneimittelCode, parts.prescription},
        {composition.sectionVerordnungSprechstundenbedarfCode, parts.supply},
        {composition.sectionKrankenversicherungsverhaeltnisCode, parts.coverage},
        {composition.sectionASVAusuebungCode, parts.team},
    };
    for (const auto& section : kSections) {
        if (section.entry) {
            composition.addSection(newSection(composition.sectionCodeSystem, section.code, *section.entry));
        }
    }
}

template <class P>
void addCodedExtensions(typename P::Composition& composition, const ERezeptData& data) {
    if (data.payer.legalBasis != CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN::EMPTY) {
        auto* legalBasis = new typename P::LegalBasis();
        legalBasis->setValue(newCodingOf<CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN>(data.payer.legalBasis));
        composition.addExtension(legalBasis);
    }
    if (data.payer.payerKind == shared::payer::kPkv && data.pkvTariff != CS_KBV_CS_SFHIR_KBV_PKV_TARIFF::EMPTY) {
        auto* tariff = new typename P::PkvTariff();
        tariff->setValue(newCoding("https://fhir.kbv.de/CodeSystem/KBV_CS_SFHIR_KBV_PKV_TARIFF",
                                   CS_KBV_CS_SFHIR_KBV_PKV_TARIFF::toCode(data.pkvTariff)));
        composition.addExtension(tariff);
    }
}

}  // namespace

template <class P>
void fillComposition(typename P::Composition& composition, const ERezeptData& data, const ERezeptParts& parts) {
    addCodedExtensions<P>(composition, data);
    composition.addStatus(new f_code(composition.status));
    composition.addType(newConcept(composition.typeSystem, composition.typeCode));
    if (parts.patient) {
        composition.addSubject(newReference(*parts.patient));
    }
    composition.addDate(new f_dateTime(data.ausstellungsdatum));
    auto* prescriber = newReference(*parts.prescriber);
    prescriber->addType(new f_uri(composition.authorArztType));
    composition.addAuthor(prescriber);
    auto* device = new core::Reference();
    device->addType(new f_uri(composition.authorPruefnummerType));
    device->addIdentifier(newIdentifier(composition.authorPruefnummerIdentifierSystem, data.pruefnummer));
    composition.addAuthor(device);
    composition.addTitle(new f_string(composition.title));
    if (parts.responsible) {
        auto* attester = new core::Composition_attester();
        attester->addMode(new f_code(composition.attesterMode));
        attester->addParty(newReference(*parts.responsible));
        composition.addAttester(attester);
    }
    composition.addCustodian(newReference(*parts.practice));
    addSections(composition, parts);
}

template void fillComposition<ERezept110>(ERezept110::Composition&, const ERezeptData&, const ERezeptParts&);
template void fillComposition<ERezept132>(ERezept132::Composition&, const ERezeptData&, const ERezeptParts&);

}  // namespace fhir::erezept
