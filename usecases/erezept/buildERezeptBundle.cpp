#include <memory>

#include "fhir/Identity.h"
#include "usecases/erezept/ERezeptProfiles.h"
#include "usecases/erezept/erezeptBuilders.h"

namespace fhir::erezept {
namespace {

// Both addresses of the insured in the order of the prescription: post box
// first; an empty birth date counts as unknown.
constexpr shared::PatientLayout kPatientLayout{true, true};

}  // namespace

// Resources are made in the order Composition, prescriber, PractitionerRole,
// responsible person, practice, patient, coverage, medication, prescription
// or practice supply; they are filed in the order Composition, prescription,
// practice supply, medication, patient, prescriber, responsible person,
// practice, coverage, PractitionerRole.
template <class P>
std::unique_ptr<core::Bundle> buildERezeptBundle(const ERezeptData& data) {
    using Party = typename P::Party;
    auto bundle = std::make_unique<typename P::Bundle>();
    startDocument(*bundle, data.dokumentenid, profileOf<P>(*bundle), data.creationTime,
                  newBundleIdentifier(bundle->identifierSystem, data.prescriptionid), bundle->type);
    auto* composition = new typename P::Composition();
    identify(*composition, newUuid(), profileOf<P>(*composition));

    ERezeptParts parts;
    auto* prescriber = buildPractitioner<Party>(data.person);
    parts.prescriber = prescriber;
    core::PractitionerRole* team = nullptr;
    if (!data.person.asvteamnummer.empty()) {
        team = buildPractitionerRole<Party>(data.person, *prescriber);
        parts.team = team;
    }
    core::Practitioner* responsible = nullptr;
    if (!data.verantwortlichePerson.vorname.empty()) {
        responsible = buildPractitioner<Party>(data.verantwortlichePerson);
        parts.responsible = responsible;
    }
    auto* practice = buildOrganization<Party>(data.institution, TelematikIdPlace::BeforeLocationNumber);
    parts.practice = practice;
    core::Patient* patient = nullptr;
    core::Coverage* coverage = nullptr;
    if (!data.sprechstundenbedarf) {
        patient = buildPatient<Party>(data.insured, P::patientIdentifier(data.insured), kPatientLayout);
        coverage = buildCoverage<Party>(data.payer, data.insured.versicherungsschutzende, *patient);
        parts.patient = patient;
        parts.coverage = coverage;
    }
    core::Medication* medication = buildMedication<P>(data);
    parts.medication = medication;
    core::MedicationRequest* prescription = nullptr;
    core::SupplyRequest* supply = nullptr;
    if (data.sprechstundenbedarf) {
        supply = buildPracticeSupply<P>(data, parts);
        parts.supply = supply;
    } else {
        prescription = buildPrescription<P>(data, parts);
        parts.prescription = prescription;
    }

    for (core::Resource* resource : std::initializer_list<core::Resource*>{
             composition, prescription, supply, medication, patient, prescriber, responsible, practice, coverage,
             team}) {
        if (resource) {
            addEntry(*bundle, resource);
        }
    }
    fillComposition<P>(*composition, data, parts);
    return bundle;
}

template std::unique_ptr<core::Bundle> buildERezeptBundle<ERezept110>(const ERezeptData&);
template std::unique_ptr<core::Bundle> buildERezeptBundle<ERezept132>(const ERezeptData&);

}  // namespace fhir::erezept
