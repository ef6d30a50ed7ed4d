#include <optional>

#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "usecases/shared/PartyProfiles.h"
#include "usecases/shared/partyBuilders.h"
#include "usecases/shared/Elements.h"

namespace fhir::shared {
namespace {

// The institution's number, filed by its kind (at most one of those slots is
// filled), and the Telematik-ID at the place the form gives it.
template <class P>
void addIdentifiers(typename P::Organization& organization, const InstitutionData& institution,
                    TelematikIdPlace place) {
    using Organization = typename P::Organization;
    using MakeIdentifier = core::Identifier* (*)(const Organization&, const std::string&);
    const auto telematikId = [](const Organization&, const std::string& value) -> core::Identifier* {
        return newProfileIdentifier<typename P::IdentifierTelematikId>(value);
    };
    static const struct {
        std::string InstitutionData::*number;
        MakeIdentifier make;
        std::optional<TelematikIdPlace> onlyAt;
    } kSlots[] = {
        {&InstitutionData::ik,
         [](const Organization&, const std::string& value) -> core::Identifier* {
             return newProfileIdentifier<typename P::IdentifierIknr>(value);
         },
         std::nullopt},
        {&InstitutionData::bsnr,
         [](const Organization&, const std::string& value) -> core::Identifier* {
             return newProfileIdentifier<typename P::IdentifierBsnr>(value);
         },
         std::nullopt},
        {&InstitutionData::kzvAbrechnungsnummer,
         [](const Organization&, const std::string& value) -> core::Identifier* {
             return newProfileIdentifier<typename P::IdentifierKzva>(value);
         },
         std::nullopt},
        {&InstitutionData::telematikid, telematikId, TelematikIdPlace::BeforeLocationNumber},
        // The location-number profile leaves the type to the organization.
        {&InstitutionData::standortnummer,
         [](const Organization& owner, const std::string& value) -> core::Identifier* {
             return newTypedIdentifier<typename P::IdentifierStandortnummer>(
                 owner.identifierStandortnummerTypeCode, owner.identifierStandortnummerSystem, value);
         },
         std::nullopt},
        {&InstitutionData::telematikid, telematikId, TelematikIdPlace::Last},
    };
    for (const auto& slot : kSlots) {
        const std::string& number = institution.*slot.number;
        if (!number.empty() && (!slot.onlyAt || *slot.onlyAt == place)) {
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
core::Organization* buildOrganization(const InstitutionData& institution, TelematikIdPlace place) {
    auto* organization = new typename P::Organization();
    identify(*organization, newUuid(), profileOf<P>(*organization));
    addIdentifiers<P>(*organization, institution, place);
    if (!institution.name.empty()) {
        organization->addName(new f_string(institution.name));
    }
    addTelecom<P>(*organization, institution);
    organization->addAddress(buildStreetAddress<P>(institution.adresse));
    return organization;
}

template core::Organization* buildOrganization<For110>(const InstitutionData&, TelematikIdPlace);
template core::Organization* buildOrganization<For120>(const InstitutionData&, TelematikIdPlace);

}  // namespace fhir::shared
