#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "usecases/eau/EauProfiles.h"
#include "usecases/eau/eauBuilders.h"
#include "usecases/eau/eauElements.h"

namespace fhir::eau {
namespace {

// The institution's number, filed by its kind; at most one slot is filled.
template <class P>
void addInstitutionNumber(typename P::Organization& organization, const EauInstitutionData& institution) {
    if (!institution.ik.empty()) {
        organization.addIdentifier(newProfileIdentifier<typename P::IdentifierIknr>(institution.ik));
    }
    if (!institution.bsnr.empty()) {
        organization.addIdentifier(newProfileIdentifier<typename P::IdentifierBsnr>(institution.bsnr));
    }
    if (!institution.kzvAbrechnungsnummer.empty()) {
        organization.addIdentifier(newProfileIdentifier<typename P::IdentifierKzva>(institution.kzvAbrechnungsnummer));
    }
    if (!institution.standortnummer.empty()) {
        // The location-number profile leaves the type to the organization.
        organization.addIdentifier(newTypedIdentifier<typename P::IdentifierStandortnummer>(
            organization.identifierStandortnummerTypeCode, organization.identifierStandortnummerSystem,
            institution.standortnummer));
    }
}

template <class P>
void addTelecom(typename P::Organization& organization, const EauInstitutionData& institution) {
    const struct {
        const std::string& system;
        const std::string& value;
    } kChannels[] = {
        {organization.telecomTelefonSystem, institution.telefonnummer},
        {organization.telecomFaxSystem, institution.faxnummer},
        {organization.telecomEMailSystem, institution.email},
    };
    for (const auto& channel : kChannels) {
        if (!channel.value.empty()) {
            auto* contact = new typename P::ContactPoint();
            contact->addSystem(new f_code(channel.system));
            contact->addValue(new f_string(channel.value));
            organization.addTelecom(contact);
        }
    }
}

}  // namespace

template <class P>
core::Organization* buildOrganization(const EauInstitutionData& institution) {
    auto* organization = new typename P::Organization();
    identify(*organization, newUuid(), profileOf<P>(*organization));
    addInstitutionNumber<P>(*organization, institution);
    if (!institution.telematikid.empty()) {
        organization->addIdentifier(newProfileIdentifier<typename P::IdentifierTelematikId>(institution.telematikid));
    }
    if (!institution.name.empty()) {
        organization->addName(new f_string(institution.name));
    }
    addTelecom<P>(*organization, institution);
    organization->addAddress(buildStreetAddress<P>(institution.adresse));
    return organization;
}

template core::Organization* buildOrganization<Eau110>(const EauInstitutionData&);
template core::Organization* buildOrganization<Eau120>(const EauInstitutionData&);

}  // namespace fhir::eau
