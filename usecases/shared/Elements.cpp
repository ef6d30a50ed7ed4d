#include "usecases/shared/Elements.h"

#include "fhir/primitives.h"
#include "fhir/r4/codes/Enumerations.h"
#include "fhir/r4/core/v4_0_1/Meta.h"

namespace fhir::shared {

core::Coding* newCoding(std::string_view system, std::string_view code) {
    auto* coding = new core::Coding();
    coding->addSystem(new fhir::f_uri(system));
    coding->addCode(new fhir::f_code(code));
    return coding;
}

core::CodeableConcept* newConcept(core::Coding* coding) {
    auto* codeable = new core::CodeableConcept();
    codeable->addCoding(coding);
    return codeable;
}

core::CodeableConcept* newConcept(std::string_view system, std::string_view code) {
    return newConcept(newCoding(system, code));
}

std::string_view fullUrlOf(const fhir::Element& target) {
    thread_local std::string buffer;
    target.fullUrlInto(buffer);
    return buffer;
}

core::Reference* newReference(const fhir::Element& target) {
    auto* reference = new core::Reference();
    reference->addReference(new fhir::f_string(fullUrlOf(target)));
    return reference;
}

core::Composition_section* newSection(std::string_view system, std::string_view code, const fhir::Element& entry) {
    auto* section = new core::Composition_section();
    section->addCode(newConcept(system, code));
    section->addEntry(newReference(entry));
    return section;
}

core::CodeableConcept* newIdentifierType(const std::string& code) {
    using codes::CS_KBV_CS_Base_Identifier_Type;
    using codes::VS_IdentifierTypeDeBasis;
    const int member = VS_IdentifierTypeDeBasis::fromCode(code);
    if (member != VS_IdentifierTypeDeBasis::EMPTY) {
        return newConcept(newMemberCodingOf<VS_IdentifierTypeDeBasis>(member));
    }
    return newConcept(newCodingOf<CS_KBV_CS_Base_Identifier_Type>(CS_KBV_CS_Base_Identifier_Type::fromCode(code)));
}

void identify(core::Resource& resource, std::string_view id, std::string_view profileReference) {
    resource.setId(new fhir::f_string(id));
    auto* meta = new core::Meta();
    meta->addProfile(new fhir::f_canonical(profileReference));
    resource.setMeta(meta);
}

}  // namespace fhir::shared
