#include "usecases/eau/EauProfiles.h"
#include "usecases/shared/Elements.h"

namespace fhir::eau {

using shared::newProfileIdentifier;

// 1.2.0 files GKV and PKV insured alike under the ten-character insured id
// (type "KVZ10"); the number of the old insurance card keeps its own profile.
core::Identifier* Eau120::patientIdentifier(const EauData& data) {
    const std::string& insuredId = data.gkvNummer.empty() ? data.pkvNummer : data.gkvNummer;
    if (!insuredId.empty()) {
        return newProfileIdentifier<IdentifierKvid10>(insuredId);
    }
    if (!data.kvkNummer.empty()) {
        return newProfileIdentifier<IdentifierKvk>(data.kvkNummer);
    }
    return nullptr;
}

}  // namespace fhir::eau
