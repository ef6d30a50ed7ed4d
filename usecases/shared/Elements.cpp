#include "usecases/shared/Elements.h"

#include "fhir/primitives.h"
#include "fhir/r4/codes/Enumerations.h"
#include "fhir/r4/core/v4_0_1/Meta.h"

namespace fhir::shared {

core::Coding* newCoding(const std::string& system, const std::string& code) {
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

core::CodeableConcept* newConcept(const std::string& system, const std::string& code) {
    return newConcept(newCoding(system, code));
}

core::Reference* newReference(const fhir::Element& target) {
    auto* reference = new core::Reference();
    reference->addReference(new fhir::f_string(target.getFullUrl()));
    return reference;
}

core::Composition_section* newSection(const std::string& system, const std::string& code,
                                      const fhir::Element& entry) {
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

void identify(core::Resource& resource, const std::string& id, const std::string& profileReference) {
    resource.setId(new fhir::f_string(id));
    auto* meta = new core::Meta();
    meta->addProfile(new fhir::f_canonical(profileReference));
    resource.setMeta(meta);
}

}  // namespace fhir::shared
