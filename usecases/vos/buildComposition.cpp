#include "fhir/Identity.h"
#include "fhir/r4/codes/Enumerations.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_EX_FOR_Legal_basis.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_EX_VoS_StartUp_Context.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Composition.h"
#include "usecases/vos/vosBuilders.h"
#include "usecases/vos/vosChoices.h"
#include "usecases/vos/vosElements.h"

namespace fhir::vos {
namespace {

namespace vosp = r4::kbvitavos::v2_1_0;

core::Extension* startUpContext(const HostString& context) {
    auto* extension = new vosp::KBV_EX_VoS_StartUp_Context();
    const std::string code = context.IsEmpty() ? choice::kDefaultStartUpContext : context.str();
    extension->setValue(newConcept(extension->valueCodeableConceptSystem, code));
    return extension;
}

// A section of the given code with a reference to each resource; none
// without resources.
void addSection(core::Composition& composition, const std::string& system, const std::string& code,
                const std::vector<const core::Resource*>& entries) {
    if (entries.empty()) {
        return;
    }
    auto* section = new core::Composition_section();
    section->addCode(newConcept(system, code));
    for (const core::Resource* entry : entries) {
        section->addEntry(newReference(*entry));
    }
    composition.addSection(section);
}

}  // namespace

std::string legalBasisOf(const VosRecord& record) {
    if (!record.rechtsgrundlage.IsEmpty()) {
        return record.rechtsgrundlage.str();
    }
    for (const VosMedication& medication : record.medikamente) {
        const HostString& basis = medication.verordnung.rechtsgrundlage;
        if (!basis.IsEmpty()) {
            return basis.str();
        }
    }
    return choice::kNoLegalBasis;
}

void fillComposition(vosp::KBV_PR_VoS_Composition& composition, const VosRecord& record, const VosParts& parts) {
    const vosp::KBV_PR_VoS_Composition& fixed = composition;
    composition.addExtension(newExtension<r4::kbvitafor::v1_1_0::KBV_EX_FOR_Legal_basis>(
        newCoding(codes::CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN::toSystem(), legalBasisOf(record))));
    composition.addExtension(startUpContext(record.aufrufkontext));
    composition.addStatus(new f_code(fixed.status));
    composition.addType(newConcept(fixed.typeSystem, fixed.typeCode));
    if (parts.patient) {
        composition.addSubject(newReference(*parts.patient));
    }
    composition.addDate(new f_dateTime(currentRuntimeDate()));
    composition.addAuthor(newTypedReference(*parts.user, fixed.authorAnwenderType));
    composition.addAuthor(newTypedReference(*parts.software, fixed.authorPVSType));
    composition.addAuthor(newTypedReference(*parts.role, fixed.authorPractitionerRoleType));
    composition.addTitle(new f_string(fixed.title));
    composition.addCustodian(newReference(*parts.practice));
    addSection(composition, fixed.sectionCodeSystem, fixed.sectionPatientenzusatzinformationenCode,
               parts.patientInformation);
    addSection(composition, fixed.sectionCodeSystem, fixed.sectionMedikamenteCode, parts.medications);
    addSection(composition, fixed.sectionCodeSystem, fixed.sectionDokumenteCode, parts.documents);
}

}  // namespace fhir::vos
