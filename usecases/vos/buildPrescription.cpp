#include "fhir/CanonicalBase.h"
#include "fhir/r4/codes/Enumerations.h"
#include "fhir/r4/core/v4_0_1/Dosage.h"
#include "fhir/r4/core/v4_0_1/Quantity.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_BVG.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_DosageFlag.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_EmergencyServicesFee.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_EX_FOR_Accident.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_EX_FOR_Legal_basis.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_EX_FOR_StatusCoPayment.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_EX_VoS_BTM_Prescription_Marks.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_EX_VoS_PrescriptionType.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_EX_VoS_T_Prescription_Marks.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Prescription.h"
#include "usecases/vos/vosBuilders.h"
#include "usecases/vos/vosChoices.h"
#include "usecases/vos/vosElements.h"

namespace fhir::vos {
namespace {

using namespace codes;
namespace vosp = r4::kbvitavos::v2_1_0;
namespace erp = r4::kbverp::v1_1_0;
namespace form = r4::kbvitafor::v1_1_0;

template <class Profile>
void addFlag(core::MedicationRequest& prescription, const HostString& flag) {
    if (!flag.IsEmpty()) {
        prescription.addExtension(newExtension<Profile>(new f_boolean(isSet(flag))));
    }
}

void addAccident(core::MedicationRequest& prescription, const VosPrescription& data) {
    core::Coding* kind = memberCodingFor<VS_KBV_VS_ERP_Accident_Type>(data.unfallkennzeichen);
    if (!kind) {
        return;
    }
    auto* accident = new form::KBV_EX_FOR_Accident();
    accident->addExtension(newSubExtension(accident->extensionUnfallkennzeichenUrl, kind));
    if (!data.unfallbetrieb.IsEmpty()) {
        accident->addExtension(
            newSubExtension(accident->extensionUnfallbetriebUrl, new f_string(data.unfallbetrieb.str())));
    }
    if (!data.unfalltag.IsEmpty()) {
        accident->addExtension(newSubExtension(accident->extensionUnfalltagUrl, new f_date(data.unfalltag.str())));
    }
    prescription.addExtension(accident);
}

void addPrescriptionType(core::MedicationRequest& prescription, const HostString& type) {
    if (type.IsEmpty()) {
        return;
    }
    auto* extension = new vosp::KBV_EX_VoS_PrescriptionType();
    extension->setValue(newConcept(extension->valueCodeableConceptSystem, type.str()));
    prescription.addExtension(extension);
}

// The four marks of a T prescription, written when any of them is set.
void addTMarks(core::MedicationRequest& prescription, const VosPrescription& data) {
    if (data.sicherheitsbestimmungen.IsEmpty() && data.informationsmaterial.IsEmpty() && data.inLabel.IsEmpty() &&
        data.offLabel.IsEmpty()) {
        return;
    }
    auto* marks = new vosp::KBV_EX_VoS_T_Prescription_Marks();
    const std::pair<const std::string&, const HostString&> kMarks[] = {
        {marks->extensionSicherheitsbestimmungenUrl, data.sicherheitsbestimmungen},
        {marks->extensionInformationsmaterialUrl, data.informationsmaterial},
        {marks->extensionInLabelUrl, data.inLabel},
        {marks->extensionOffLabelUrl, data.offLabel},
    };
    for (const auto& [url, flag] : kMarks) {
        marks->addExtension(newSubExtension(url, new f_boolean(isSet(flag))));
    }
    prescription.addExtension(marks);
}

void addNarcoticsMark(core::MedicationRequest& prescription, const HostString& mark) {
    if (mark.IsEmpty()) {
        return;
    }
    auto* extension = new vosp::KBV_EX_VoS_BTM_Prescription_Marks();
    extension->setValue(newCoding(extension->valueCodingSystem, mark.str()));
    prescription.addExtension(extension);
}

void addExtensions(core::MedicationRequest& prescription, const VosPrescription& data) {
    addCodingExtension<form::KBV_EX_FOR_StatusCoPayment>(prescription,
                                                         codingFor<CS_KBV_CS_FOR_StatusCoPayment>(data.zuzahlungsstatus));
    addFlag<erp::KBV_EX_ERP_EmergencyServicesFee>(prescription, data.noctu);
    addFlag<erp::KBV_EX_ERP_BVG>(prescription, data.bvg);
    addAccident(prescription, data);
    addCodingExtension<form::KBV_EX_FOR_Legal_basis>(
        prescription, codingFor<CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN>(data.rechtsgrundlage));
    addPrescriptionType(prescription, data.rezeptart);
    addTMarks(prescription, data);
    addNarcoticsMark(prescription, data.btmKennzeichen);
}

core::Dosage* dosage(const HostString& text) {
    auto* dosage = new core::Dosage();
    dosage->addExtension(newExtension<erp::KBV_EX_ERP_DosageFlag>(new f_boolean(!text.IsEmpty())));
    if (!text.IsEmpty()) {
        dosage->addText(new f_string(text.str()));
    }
    return dosage;
}

core::MedicationRequest_dispenseRequest* dispenseRequest(const HostString& packages) {
    auto* quantity = new core::Quantity();
    quantity->addValue(new f_decimal(packages.str()));
    quantity->addSystem(new f_uri(choice::kPackageUnitSystem));
    quantity->addCode(new f_code(choice::kPackageUnitCode));
    auto* request = new core::MedicationRequest_dispenseRequest();
    request->addQuantity(quantity);
    return request;
}

}  // namespace

core::MedicationRequest* buildPrescription(const VosPrescription& data, const core::Medication& medication,
                                           const PrescriptionContext& context) {
    auto* prescription = new vosp::KBV_PR_VoS_Prescription();
    identifyFresh(*prescription);
    addExtensions(*prescription, data);
    prescription->addStatus(new f_code(choice::kPrescriptionStatus));
    prescription->addIntent(new f_code(choice::kPrescriptionIntent));
    prescription->addMedication(newReference(medication));
    if (context.patient) {
        prescription->addSubject(newReference(*context.patient));
    }
    if (!data.ausstellungsdatum.IsEmpty()) {
        prescription->addAuthoredOn(new f_dateTime(data.ausstellungsdatum.str()));
    }
    if (context.requester) {
        prescription->addRequester(newReference(*context.requester));
    }
    if (!data.rezeptgruppe.IsEmpty()) {
        prescription->addGroupIdentifier(
            newIdentifier(std::string(base::kMaker) + choice::kPrescriptionGroupPath, data.rezeptgruppe.str()));
    }
    if (context.coverage) {
        prescription->addInsurance(newReference(*context.coverage));
    }
    prescription->addDosageInstruction(dosage(data.dosierung));
    if (!data.anzahlPackungen.IsEmpty()) {
        prescription->addDispenseRequest(dispenseRequest(data.anzahlPackungen));
    }
    auto* substitution = new core::MedicationRequest_substitution();
    substitution->addAllowed(new f_boolean(isSet(data.austauschErlaubt)));
    prescription->addSubstitution(substitution);
    return prescription;
}

}  // namespace fhir::vos
