// The builders of the eAU documents, one per resource. Each is written once
// over the profile set P of a generation (Eau110, Eau120) and instantiated for
// both in its own source. Every builder returns a new resource with a fresh
// UUID; references point at other entries by their full URL.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fhir/r4/core/v4_0_1/Bundle.h"
#include "fhir/r4/core/v4_0_1/Composition.h"
#include "fhir/r4/core/v4_0_1/Condition.h"
#include "fhir/r4/core/v4_0_1/Coverage.h"
#include "fhir/r4/core/v4_0_1/HumanName.h"
#include "fhir/r4/core/v4_0_1/Address.h"
#include "fhir/r4/core/v4_0_1/Organization.h"
#include "fhir/r4/core/v4_0_1/Patient.h"
#include "fhir/r4/core/v4_0_1/Practitioner.h"
#include "fhir/r4/core/v4_0_1/PractitionerRole.h"
#include "fhir/r4/core/v4_0_1/ServiceRequest.h"
#include "usecases/eau/EauData.h"

namespace fhir::eau {

namespace core = fhir::r4::core::v4_0_1;

// The parts of a person's name as the host keeps them.
struct NameParts {
    const std::string& given;
    const std::string& family;
    const std::string& ownName;
    const std::string& title;
    const std::string& prefixWord;
    const std::string& addition;
};

// The official name: family with its parts as extensions, given name, and the
// title as academic prefix.
template <class P>
core::HumanName* buildName(const NameParts& parts);

// A street address (type "both"); street, house number and addition also as
// address-part extensions.
template <class P>
core::Address* buildStreetAddress(const EauStreetAddressData& address);

// A post-box address (type "postal"), the box also as address-part extension.
template <class P>
core::Address* buildPostBoxAddress(const EauPostBoxAddressData& address);

template <class P>
core::Practitioner* buildPractitioner(const EauPersonData& person);

// The ASV team of the issuing person.
template <class P>
core::PractitionerRole* buildPractitionerRole(const EauPersonData& person, const core::Practitioner& practitioner);

template <class P>
core::Organization* buildOrganization(const EauInstitutionData& institution);

template <class P>
core::Patient* buildPatient(const EauData& data);

template <class P>
core::Coverage* buildCoverage(const EauData& data, const core::Patient& patient);

// The incapacity itself.
template <class P>
core::Condition* buildConditionAU(const EauData& data, const core::Patient& patient, const core::Practitioner& issuer);

// The free diagnosis text.
template <class P>
core::Condition* buildConditionText(const std::string& text, const core::Patient& patient,
                                    const core::Practitioner& issuer);

// One ICD-10 diagnosis.
template <class P>
core::Condition* buildConditionICD(const EauDiagnosisData& diagnosis, const core::Patient& patient,
                                   const core::Practitioner& issuer);

// One further measure (member of the measures list).
template <class P>
core::ServiceRequest* buildServiceRequest(int measure, const EauData& data, const core::Patient& patient,
                                          const core::Practitioner& issuer, const core::Condition& incapacity);

// The resources of a certificate that the composition refers to.
struct EauParts {
    const core::Practitioner* issuer = nullptr;
    const core::PractitionerRole* team = nullptr;  // null without ASV team number
    const core::Practitioner* responsible = nullptr;  // null unless built
    const core::Organization* organization = nullptr;
    const core::Patient* patient = nullptr;
    const core::Coverage* coverage = nullptr;
    const core::Condition* incapacity = nullptr;
    const core::Condition* diagnosisText = nullptr;  // null without text
    std::vector<const core::Condition*> diagnoses;
    std::vector<const core::ServiceRequest*> measures;
};

// Fills the composition once every other resource exists.
template <class P>
void fillComposition(typename P::Composition& composition, const EauData& data, const EauParts& parts);

// The whole certificate document.
template <class P>
std::unique_ptr<core::Bundle> buildEauBundle(const EauData& data);

// The whole cancellation document.
template <class P>
std::unique_ptr<core::Bundle> buildStornoBundle(const EauStornoData& data);

}  // namespace fhir::eau
