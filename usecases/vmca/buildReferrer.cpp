#include "fhir/CanonicalBase.h"
#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/debasis/v1_4_0/HumannameDeBasis.h"
#include "usecases/shared/Elements.h"
#include "usecases/vmca/vmcaBuilders.h"
#include "usecases/vmca/vmcaIdentifier.h"

namespace fhir::vmca {
namespace {

void addLanr(Practitioner& practitioner, const std::string& lanr) {
    if (lanr.empty()) {
        return;
    }
    practitioner.addIdentifier(newTypedIdentifier(
        {practitioner.identifierTypeSystem, practitioner.identifierTypeCode, "Lifelong physician number"},
        std::string(base::kKbv) + "/NamingSystem/KBV_NS_Base_ANR", lanr));
}

core::HumanName* newName(const std::string& family, const std::string& given) {
    auto* name = new r4::debasis::v1_4_0::HumannameDeBasis();
    name->addUse(new f_code("official"));
    if (!family.empty()) {
        name->addFamily(new f_string(family));
    }
    if (!given.empty()) {
        name->addGiven(new f_string(given));
    }
    return name;
}

}  // namespace

Practitioner* buildReferrer(const VmcaData& data) {
    auto* practitioner = new Practitioner();
    shared::identify(*practitioner, newUuid(), practitioner->getCanonical());
    addLanr(*practitioner, data.ueberweiserLanr);
    practitioner->addName(newName(data.ueberweiserNachname, data.ueberweiserVorname));
    return practitioner;
}

}  // namespace fhir::vmca
