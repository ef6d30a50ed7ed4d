#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/ContactPoint.h"
#include "fhir/r4/core/v4_0_1/Identifier.h"
#include "fhir/r4/kbvmiozaeb/v1_1_0/KBV_PR_MIO_ZAEB_Organization.h"
#include "usecases/shared/Elements.h"
#include "usecases/miozaeb/zaebBuilders.h"

namespace fhir::zaeb {
namespace {

using Organization = profile::KBV_PR_MIO_ZAEB_Organization;
using shared::identify;
using shared::newConcept;
using shared::newCoding;

// The texts of one identifier slice, as the organization profile fixes them.
struct SliceTexts {
    const std::string& typeSystem;
    const std::string& typeCode;
    const std::string& system;
};

// The practice's identifier slices in order of preference: the first number
// given is the one identifier of the practice.
struct NumberSlice {
    std::string ZaebPractice::*number;
    SliceTexts (*texts)(const Organization&);
};

const NumberSlice kNumberSlices[] = {
    {&ZaebPractice::ikNumber,
     [](const Organization& o) {
         return SliceTexts{o.identifierInstitutionskennzeichenTypeSystem, o.identifierInstitutionskennzeichenTypeCode,
                           o.identifierIkSystem};
     }},
    {&ZaebPractice::bsnr,
     [](const Organization& o) {
         return SliceTexts{o.identifierBetriebsstaettennummerTypeSystem, o.identifierBetriebsstaettennummerTypeCode,
                           o.identifierBsnrSystem};
     }},
    {&ZaebPractice::kzvNumber,
     [](const Organization& o) {
         return SliceTexts{o.identifierKZVAbrechnungsnummerTypeSystem, o.identifierKZVAbrechnungsnummerTypeCode,
                           o.identifierKzvSystem};
     }},
};

void addIdentifier(Organization& organization, const ZaebPractice& practice) {
    for (const NumberSlice& slice : kNumberSlices) {
        const std::string& number = practice.*slice.number;
        if (number.empty()) {
            continue;
        }
        auto* identifier = new core::Identifier();
        identifier->addUse(new f_code(organization.identifierUse));
        const SliceTexts texts = slice.texts(organization);
        identifier->addType(newConcept(texts.typeSystem, texts.typeCode));
        identifier->addSystem(new f_uri(texts.system));
        identifier->addValue(new f_string(number));
        organization.addIdentifier(identifier);
        return;
    }
}

void addTelecom(Organization& organization, const ZaebPractice& practice) {
    const struct {
        const std::string& system;
        const std::string& value;
    } kChannels[] = {
        {organization.telecomPhoneSystem, practice.phone},
        {organization.telecomFaxSystem, practice.fax},
        {organization.telecomEmailSystem, practice.email},
    };
    for (const auto& channel : kChannels) {
        if (!channel.value.empty()) {
            auto* contact = new core::ContactPoint();
            contact->addSystem(new f_code(channel.system));
            contact->addValue(new f_string(channel.value));
            organization.addTelecom(contact);
        }
    }
}

}  // namespace

core::Organization* buildPractice(const ZaebPractice& practice) {
    auto* organization = new Organization();
    identify(*organization, newUuid(), organization->getCanonical());
    addIdentifier(*organization, practice);
    if (!practice.name.empty()) {
        organization->addName(new f_string(practice.name));
    }
    addTelecom(*organization, practice);
    organization->addAddress(buildAddress(practice.address, organization->addressType));
    return organization;
}

}  // namespace fhir::zaeb
