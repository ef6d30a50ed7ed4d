#include "fhir/r4/core/v4_0_1/Resource.h"

#include "fhir/CanonicalBase.h"
#include "fhir/r4/core/v4_0_1/DomainResource.h"
#include "fhir/r4/core/v4_0_1/Meta.h"

namespace fhir::r4::core::v4_0_1 {
namespace {
constexpr KeySpec kMetaKey{"Resource.meta", "meta", order::kMeta};
}

void Resource::setMeta(Meta* meta) {
    fileChild(kMetaKey, meta);
}

std::string DomainResource::getFhirType() const {
    return "DomainResource";
}

std::string DomainResource::getUrl() const {
    return std::string(base::kCoreDefinitions) + "DomainResource";
}

std::string DomainResource::getCanonical() const {
    return getUrl() + base::kCoreVersionSuffix;
}

}  // namespace fhir::r4::core::v4_0_1
