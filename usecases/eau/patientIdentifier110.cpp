#include "usecases/eau/EauProfiles.h"
#include "usecases/shared/Elements.h"

namespace fhir::eau {

using shared::newProfileIdentifier;

// 1.1.0 knows three insured numbers: the GKV and PKV insured ids (types
// "GKV" and "PKV") and the number of the old insurance card.
core::Identifier* Eau110::patientIdentifier(const EauData& data) {
    if (!data.gkvNummer.empty()) {
        return newProfileIdentifier<IdentifierKvid10>(data.gkvNummer);
    }
    if (!data.pkvNummer.empty()) {
        return newProfileIdentifier<IdentifierPkv>(data.pkvNummer);
    }
    if (!data.kvkNummer.empty()) {
        return newProfileIdentifier<IdentifierKvk>(data.kvkNummer);
    }
    return nullptr;
}

}  // namespace fhir::eau
