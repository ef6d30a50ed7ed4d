// Small constructors of the elements every document builder needs: codings,
// concepts, references between entries and the identity of a resource. Each
// returns a new element for the caller to hand to exactly one adder.
#pragma once

#include <string>
#include <string_view>

#include "fhir/r4/core/v4_0_1/CodeableConcept.h"
#include "fhir/r4/core/v4_0_1/Coding.h"
#include "fhir/r4/core/v4_0_1/Composition.h"
#include "fhir/r4/core/v4_0_1/Identifier.h"
#include "fhir/r4/core/v4_0_1/Reference.h"
#include "fhir/r4/core/v4_0_1/Resource.h"

namespace fhir::shared {

namespace core = fhir::r4::core::v4_0_1;

core::Coding* newCoding(std::string_view system, std::string_view code);
core::CodeableConcept* newConcept(core::Coding* coding);
core::CodeableConcept* newConcept(std::string_view system, std::string_view code);

// A coding from a code-system enumeration (one system for all members).
template <class Enum>
core::Coding* newCodingOf(int member) {
    return newCoding(Enum::systemText(), Enum::toCode(member));
}

// A coding from a value-set enumeration (a system per member).
template <class Enum>
core::Coding* newMemberCodingOf(int member) {
    return newCoding(Enum::toSystem(member), Enum::toCode(member));
}

// The target's full URL (Element::getFullUrl), held in a buffer of the
// calling thread until its next call: no text of its own per reference.
std::string_view fullUrlOf(const fhir::Element& target);

// A reference to another entry of the bundle by its full URL.
core::Reference* newReference(const fhir::Element& target);

// A composition section: its code and one entry referring to `entry`.
core::Composition_section* newSection(std::string_view system, std::string_view code, const fhir::Element& entry);

// An identifier with system and value; the caller adds its type.
template <class IdentifierProfile = core::Identifier>
IdentifierProfile* newIdentifier(std::string_view system, std::string_view value) {
    auto* identifier = new IdentifierProfile();
    identifier->addSystem(new fhir::f_uri(system));
    identifier->addValue(new fhir::f_string(value));
    return identifier;
}

// The type of an identifier: the code with its system, German base or HL7
// v2-0203 as the code's value set says, KBV identifier types otherwise.
core::CodeableConcept* newIdentifierType(const std::string& code);

// An identifier of the given profile with type, system and value.
template <class IdentifierProfile>
IdentifierProfile* newTypedIdentifier(const std::string& typeCode, std::string_view system, std::string_view value) {
    auto* identifier = new IdentifierProfile();
    identifier->addType(newIdentifierType(typeCode));
    identifier->addSystem(new fhir::f_uri(system));
    identifier->addValue(new fhir::f_string(value));
    return identifier;
}

// An identifier of the given profile whose type code and system the profile
// fixes.
template <class IdentifierProfile>
IdentifierProfile* newProfileIdentifier(std::string_view value) {
    auto* identifier = new IdentifierProfile();
    identifier->addType(newIdentifierType(identifier->typeCode));
    identifier->addSystem(new fhir::f_uri(identifier->system));
    identifier->addValue(new fhir::f_string(value));
    return identifier;
}

// An identifier of the given profile with the profile's system, no type.
template <class IdentifierProfile>
IdentifierProfile* newSystemIdentifier(std::string_view value) {
    auto* identifier = new IdentifierProfile();
    identifier->addSystem(new fhir::f_uri(identifier->system));
    identifier->addValue(new fhir::f_string(value));
    return identifier;
}

// Gives a resource its id and a meta element holding the profile reference.
void identify(core::Resource& resource, std::string_view id, std::string_view profileReference);

}  // namespace fhir::shared
