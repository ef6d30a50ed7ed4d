// The builders of the prescription document, one per resource. Each is
// written once over the profile set P of a generation (ERezept110,
// ERezept132) and instantiated for both in its own source; the parties come
// from the shared party builders. Every builder returns a new resource with
// a fresh UUID; references point at other entries by their full URL.
#pragma once

#include <memory>
#include <string>

#include "fhir/r4/core/v4_0_1/Bundle.h"
#include "fhir/r4/core/v4_0_1/Composition.h"
#include "fhir/r4/core/v4_0_1/Medication.h"
#include "fhir/r4/core/v4_0_1/MedicationRequest.h"
#include "fhir/r4/core/v4_0_1/SupplyRequest.h"
#include "usecases/erezept/ERezeptData.h"
#include "usecases/shared/Document.h"
#include "usecases/shared/Elements.h"
#include "usecases/shared/partyBuilders.h"

namespace fhir::erezept {

namespace core = fhir::r4::core::v4_0_1;

// The eRezept builders use the shared element helpers and party builders as their own.
using namespace fhir::shared;

// The one medication of the prescription, by the kind present (free text,
// compounding, active ingredient, finished product); null when none is.
template <class P>
core::Medication* buildMedication(const ERezeptData& data);

// The resources a prescription refers to.
struct ERezeptParts {
    const core::Practitioner* prescriber = nullptr;
    const core::Practitioner* responsible = nullptr;  // null unless given
    const core::PractitionerRole* team = nullptr;  // null without ASV team number
    const core::Organization* practice = nullptr;
    const core::Patient* patient = nullptr;  // null for practice supply
    const core::Coverage* coverage = nullptr;  // null for practice supply
    const core::Medication* medication = nullptr;
    const core::MedicationRequest* prescription = nullptr;  // null for practice supply
    const core::SupplyRequest* supply = nullptr;  // null unless practice supply
};

template <class P>
core::MedicationRequest* buildPrescription(const ERezeptData& data, const ERezeptParts& parts);

template <class P>
core::SupplyRequest* buildPracticeSupply(const ERezeptData& data, const ERezeptParts& parts);

// Fills the composition once every other resource exists.
template <class P>
void fillComposition(typename P::Composition& composition, const ERezeptData& data, const ERezeptParts& parts);

// The whole prescription document.
template <class P>
std::unique_ptr<core::Bundle> buildERezeptBundle(const ERezeptData& data);

}  // namespace fhir::erezept
