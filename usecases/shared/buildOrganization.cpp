#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "usecases/shared/PartyProfiles.h"
#include "usecases/shared/partyBuilders.h"
#include "usecases/shared/Elements.h"

namespace fhir::shared {
namespace {

// The institution's number, filed by its kind; at most one slot is filled.
template <class P>
void addInstitutionNumber(typename P::Organization& organization, const InstitutionData& institution) {
    using Organization = typename P::Organization;
    using MakeIdentifier = core::Identifier* (*)(const Organization&, const std::string&);
    static const struct {
        std::string InstitutionData::*number;
        MakeIdentifier make;
    } kSlots[] = {
        {&InstitutionData::ik,
         [](const Organization&, const std::string& value) -> core::Identifier* {
             return newProfileIdentifier<typename P::IdentifierIknr>(value);
         }},
        {&InstitutionData::bsnr,
         [](const Organization&, const std::string& value) -> core::Identifier* {
             return newProfileIdentifier<typename P::IdentifierBsnr>(value);
         }},
        {&InstitutionData::kzvAbrechnungsnummer,
         [](const Organization&, const std::string& value) -> core::Identifier* {
             return newProfileIdentifier<typename P::IdentifierKzva>(value);
         }},
        // The location-number profile leaves the type to the organization.
        {&InstitutionData::standortnummer,
         [](const Organization& owner, const std::string& value) -> core::Identifier* {
             return newTypedIdentifier<typename P::IdentifierStandortnummer>(
                 owner.identifierStandortnummerTypeCode, owner.identifierStandortnummerSystem, value);
         }},
    };
    for (const auto& slot : kSlots) {
        const std::string& number = institution.*slot.number;
        if (!number.empty()) {
            organization.addIdentifier(slot.make(organization, number));
        }
    }
}

template <class P>
void addTelecom(typename P::Organization& organization, const InstitutionData& institution) {
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
core::Organization* buildOrganization(const InstitutionData& institution) {
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

template core::Organization* buildOrganization<For110>(const InstitutionData&);
template core::Organization* buildOrganization<For120>(const InstitutionData&);

}  // namespace fhir::shared
