#include "fhir/Identity.h"
#include "fhir/r4/core/v4_0_1/Identifier.h"
#include "fhir/r4/core/v4_0_1/Meta.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Bundle_PVS_VoS.h"
#include "usecases/shared/Document.h"
#include "usecases/vos/vosBuilders.h"
#include "usecases/vos/vosElements.h"

namespace fhir::vos {
namespace {

namespace vosp = r4::kbvitavos::v2_1_0;
using shared::addEntry;

// Id, profile, an identifier of its own, type and the run-time clock's time.
std::unique_ptr<core::Bundle> newBundle() {
    auto bundle = std::make_unique<vosp::KBV_PR_VoS_Bundle_PVS_VoS>();
    bundle->setId(new f_string(newUuid()));
    auto* meta = new core::Meta();
    meta->addProfile(new f_canonical(bundle->getCanonical()));
    bundle->setMeta(meta);
    bundle->addIdentifier(newIdentifier(bundle->identifierSystem, newUuid()));
    bundle->addType(new f_code(bundle->type));
    bundle->addTimestamp(new f_instant(currentRuntimeTimestamp()));
    return bundle;
}

// Files a resource that may be missing; gives it back for the references.
template <class Resource>
Resource* addOptional(core::Bundle& bundle, Resource* resource) {
    if (resource) {
        addEntry(bundle, resource);
    }
    return resource;
}

void addObservations(core::Bundle& bundle, const VosRecord& record, VosParts& parts) {
    const VosMeasurements& values = record.messwerte;
    for (core::Observation* observation : {buildBodyWeight(values.koerpergewicht.str(), parts.patient),
                                           buildBodyHeight(values.koerpergroesse.str(), parts.patient),
                                           buildCreatinine(values.kreatinin.str(), parts.patient)}) {
        if (addOptional(bundle, observation)) {
            parts.patientInformation.push_back(observation);
        }
    }
}

// Each medication with its prescription; the section lists all medications
// first, then all prescriptions.
void addMedications(core::Bundle& bundle, const VosRecord& record, const PrescriptionContext& context,
                    VosParts& parts) {
    std::vector<const core::Resource*> prescriptions;
    for (const VosMedication& entry : record.medikamente) {
        core::Medication* medication = addOptional(bundle, buildMedication(entry));
        if (!medication) {
            continue;
        }
        parts.medications.push_back(medication);
        core::MedicationRequest* prescription = buildPrescription(entry.verordnung, *medication, context);
        addEntry(bundle, prescription);
        prescriptions.push_back(prescription);
    }
    parts.medications.insert(parts.medications.end(), prescriptions.begin(), prescriptions.end());
}

}  // namespace

std::unique_ptr<core::Bundle> buildVosBundle(const VosRecord& record) {
    std::unique_ptr<core::Bundle> bundle = newBundle();
    auto* composition = new vosp::KBV_PR_VoS_Composition();
    identifyFresh(*composition);
    addEntry(*bundle, composition);

    VosParts parts;
    parts.patient = addOptional(*bundle, buildPatient(record.patient));
    parts.user = addOptional(*bundle, buildUser(record.anwender));
    parts.software = addOptional(*bundle, buildPracticeSoftware(record.software));
    core::Practitioner* practitioner = addOptional(*bundle, buildPractitioner(record.arzt));
    parts.practice = addOptional(*bundle, buildPractice(record.praxis));
    parts.role = addOptional(*bundle, buildPractitionerRole(record.rolle, *practitioner, *parts.practice));

    for (const VosAllergy& allergy : record.allergien) {
        parts.patientInformation.push_back(addOptional(*bundle, buildAllergy(allergy, parts.patient)));
    }
    core::Coverage* coverage = addOptional(*bundle, buildCoverage(record.patient, parts.patient));
    if (coverage) {
        parts.patientInformation.push_back(coverage);
    }
    for (const VosCondition& condition : record.diagnosen) {
        parts.patientInformation.push_back(addOptional(*bundle, buildCondition(condition, parts.patient)));
    }
    addObservations(*bundle, record, parts);
    addMedications(*bundle, record, {parts.patient, practitioner, coverage}, parts);
    for (const VosDocument& document : record.dokumente) {
        parts.documents.push_back(addOptional(*bundle, buildDocumentReference(document, parts.patient, *practitioner)));
    }
    fillComposition(*composition, record, parts);
    return bundle;
}

}  // namespace fhir::vos
