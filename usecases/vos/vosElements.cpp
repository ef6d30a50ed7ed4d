#include "usecases/vos/vosElements.h"

#include "fhir/Identity.h"

namespace fhir::vos {

core::Coding* newCoding(const std::string& system, const std::string& version, const std::string& code,
                        const std::string& display) {
    auto* coding = new core::Coding();
    coding->addSystem(new f_uri(system));
    if (!version.empty()) {
        coding->addVersion(new f_string(version));
    }
    coding->addCode(new f_code(code));
    if (!display.empty()) {
        coding->addDisplay(new f_string(display));
    }
    return coding;
}

core::Reference* newTypedReference(const fhir::Element& target, const std::string& type) {
    core::Reference* reference = newReference(target);
    reference->addType(new f_uri(type));
    return reference;
}

void identifyFresh(core::Resource& resource) {
    shared::identify(resource, newUuid(), resource.getCanonical());
}

bool isSet(const HostString& flag) {
    return flag == HostString("1") || flag == HostString("true");
}

}  // namespace fhir::vos
