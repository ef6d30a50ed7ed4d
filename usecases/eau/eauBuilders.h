// The builders of the eAU documents, one per resource. Each is written once
// over the profile set P of a generation (Eau110, Eau120) and instantiated for
// both in its own source; the parties come from the shared party builders. Every builder returns a new resource with a fresh
// UUID; references point at other entries by their full URL.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fhir/r4/core/v4_0_1/Bundle.h"
#include "fhir/r4/core/v4_0_1/Composition.h"
#include "fhir/r4/core/v4_0_1/Condition.h"
#include "fhir/r4/core/v4_0_1/Coverage.h"
#include "fhir/r4/core/v4_0_1/Organization.h"
#include "fhir/r4/core/v4_0_1/Patient.h"
#include "fhir/r4/core/v4_0_1/Practitioner.h"
#include "fhir/r4/core/v4_0_1/PractitionerRole.h"
#include "fhir/r4/core/v4_0_1/ServiceRequest.h"
#include "usecases/eau/EauData.h"
#include "usecases/shared/Document.h"
#include "usecases/shared/Elements.h"
#include "usecases/shared/partyBuilders.h"

namespace fhir::eau {

namespace core = fhir::r4::core::v4_0_1;

// The eAU builders use the shared element helpers and party builders as their own.
using namespace fhir::shared;

// Starts the bundle with the fixed texts of its own profile; its identifier
// is the bundle's own "urn:uuid:" URL (none without a document id).
template <class BundleProfile>
void startProfiledDocument(BundleProfile& bundle, const std::string& id, std::string_view profileReference,
                           const std::string& creationTime) {
    const std::string url = id.empty() ? std::string() : "urn:uuid:" + id;
    startDocument(bundle, id, profileReference, creationTime, newBundleIdentifier(bundle.identifierSystem, url),
                  bundle.type);
}

// The incapacity itself.
template <class P>
core::Condition* buildConditionAU(const EauData& data, const core::Patient& patient, const core::Practitioner& issuer);

// The free diagnosis text.
template <class P>
core::Condition* buildConditionText(const std::string& text, const core::Patient& patient,
                                    const core::Practitioner& issuer);

// One ICD-10 diagnosis.
template <class P>
core::Condition* buildConditionICD(const EauDiagnosisData& diagnosis, const core::Patient& patient,
                                   const core::Practitioner& issuer);

// One further measure (member of the measures list).
template <class P>
core::ServiceRequest* buildServiceRequest(int measure, const EauData& data, const core::Patient& patient,
                                          const core::Practitioner& issuer, const core::Condition& incapacity);

// The resources of a certificate that the composition refers to.
struct EauParts {
    const core::Practitioner* issuer = nullptr;
    const core::PractitionerRole* team = nullptr;  // null without ASV team number
    const core::Practitioner* responsible = nullptr;  // null unless built
    const core::Organization* organization = nullptr;
    const core::Patient* patient = nullptr;
    const core::Coverage* coverage = nullptr;
    const core::Condition* incapacity = nullptr;
    const core::Condition* diagnosisText = nullptr;  // null without text
    std::vector<const core::Condition*> diagnoses;
    std::vector<const core::ServiceRequest*> measures;
};

// Fills the composition once every other resource exists.
template <class P>
void fillComposition(typename P::Composition& composition, const EauData& data, const EauParts& parts);

// The whole certificate document.
template <class P>
std::unique_ptr<core::Bundle> buildEauBundle(const EauData& data);

// The whole cancellation document.
template <class P>
std::unique_ptr<core::Bundle> buildStornoBundle(const EauStornoData& data);

}  // namespace fhir::eau
