// The element constructors of the VoS builders: the shared ones, and the few
// forms only the VoS document needs. Each returns a new element for the
// caller to hand to exactly one adder.
#pragma once

#include <string>

#include "boundary/HostString.h"
#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/Coding.h"
#include "fhir/r4/core/v4_0_1/Extension.h"
#include "fhir/r4/core/v4_0_1/Resource.h"
#include "usecases/shared/Elements.h"

namespace fhir::vos {

namespace core = fhir::r4::core::v4_0_1;

using shared::newCoding;
using shared::newCodingOf;
using shared::newConcept;
using shared::newIdentifier;
using shared::newMemberCodingOf;
using shared::newProfileIdentifier;
using shared::newReference;
using shared::newSystemIdentifier;

// A coding with every part the VoS profiles ask for; empty parts are left out.
core::Coding* newCoding(const std::string& system, const std::string& version, const std::string& code,
                        const std::string& display);

// A reference with the target's FHIR type (the composition's authors).
core::Reference* newTypedReference(const fhir::Element& target, const std::string& type);

// Gives a resource a fresh id and its profile (canonical with full version).
void identifyFresh(core::Resource& resource);

// A host flag held as text: "1" and "true" are true, anything else false.
bool isSet(const HostString& flag);

// An extension of the given profile holding one value.
template <class Profile, class Value>
Profile* newExtension(Value* value) {
    auto* extension = new Profile();
    extension->setValue(value);
    return extension;
}

// A nested extension by url (the sub-extensions of a complex extension).
template <class Value>
core::Extension* newSubExtension(const std::string& url, Value* value) {
    auto* extension = new core::Extension();
    extension->setUrl(new f_uri(url));
    extension->setValue(value);
    return extension;
}

// The host's code as a coding of a code-system enumeration (one system) or
// of a value set (a system per member); null when the code is not listed.
template <class Enum>
core::Coding* codingFor(const HostString& code) {
    const int member = Enum::fromCode(code.str());
    return member == Enum::EMPTY ? nullptr : newCodingOf<Enum>(member);
}
template <class Enum>
core::Coding* memberCodingFor(const HostString& code) {
    const int member = Enum::fromCode(code.str());
    return member == Enum::EMPTY ? nullptr : newMemberCodingOf<Enum>(member);
}

// Adds an extension of the given profile holding the coding, when there is one.
template <class Profile>
void addCodingExtension(fhir::Element& target, core::Coding* coding) {
    if (coding) {
        target.addExtension(newExtension<Profile>(coding));
    }
}

}  // namespace fhir::vos
