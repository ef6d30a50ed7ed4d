// The builders of the parties of a statutory form, written once over a party
// profile set P (For110, For120, see PartyProfiles.h) and instantiated for
// both. Every resource builder returns a new resource with a fresh UUID and
// its profile in meta; references point at other entries by full URL.
#pragma once

#include <string>

#include "fhir/r4/core/v4_0_1/Address.h"
#include "fhir/r4/core/v4_0_1/Coverage.h"
#include "fhir/r4/core/v4_0_1/HumanName.h"
#include "fhir/r4/core/v4_0_1/Identifier.h"
#include "fhir/r4/core/v4_0_1/Organization.h"
#include "fhir/r4/core/v4_0_1/Patient.h"
#include "fhir/r4/core/v4_0_1/Practitioner.h"
#include "fhir/r4/core/v4_0_1/PractitionerRole.h"
#include "usecases/shared/PartyData.h"

namespace fhir::shared {

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

// A street address (type "both"): street and house number in the first line,
// an address addition as a second line, each with its address-part extensions.
template <class P>
core::Address* buildStreetAddress(const StreetAddressData& address);

// A post-box address (type "postal"), the box also as address-part extension.
template <class P>
core::Address* buildPostBoxAddress(const PostBoxAddressData& address);

// A practitioner with LANR or ZANR (by qualification; none for midwives),
// Telematik-ID, name, qualification type, job title and, when given, the ASV
// specialist group number.
template <class P>
core::Practitioner* buildPractitioner(const PersonData& person);

// The ASV team of a practitioner.
template <class P>
core::PractitionerRole* buildPractitionerRole(const PersonData& person, const core::Practitioner& practitioner);

// Where a form files the practice's Telematik-ID: after all its numbers, or
// before the location number (the prescription).
enum class TelematikIdPlace { Last, BeforeLocationNumber };

// A practice with its number filed by kind, Telematik-ID, name, telecom and
// street address.
template <class P>
core::Organization* buildOrganization(const InstitutionData& institution,
                                      TelematikIdPlace place = TelematikIdPlace::Last);

// How a form writes the insured person.
struct PatientLayout {
    // The post-box address goes before the street address.
    bool postBoxFirst = false;
    // An empty birth date is written as unknown, like a "0000" year.
    bool unknownWhenNoBirthDate = false;
};

// The insured with the given identifier (null: none), name, birth date and
// each address that has a postal code.
template <class P>
core::Patient* buildPatient(const InsuredData& insured, core::Identifier* identifier, PatientLayout layout);

// The insurance relationship: coded extensions, payer type, beneficiary, end
// of cover and payer (insurer IK; for BG and UK the payer IK as alternative).
template <class P>
core::Coverage* buildCoverage(const PayerData& payer, const std::string& endOfCover, const core::Patient& patient);

}  // namespace fhir::shared
