#include "usecases/vmca/vmcaIdentifier.h"

#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/CodeableConcept.h"
#include "fhir/r4/core/v4_0_1/Coding.h"
#include "usecases/shared/Elements.h"

namespace fhir::vmca {

r4::core::v4_0_1::Identifier* newTypedIdentifier(const IdentifierType& type, const std::string& system,
                                                 const std::string& value) {
    r4::core::v4_0_1::Coding* coding = shared::newCoding(type.system, type.code);
    coding->addDisplay(new f_string(type.display));
    auto* identifier = shared::newIdentifier(system, value);
    identifier->addType(shared::newConcept(coding));
    return identifier;
}

}  // namespace fhir::vmca
