#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/codes/Enumerations.h"
#include "fhir/r4/core/v4_0_1/Annotation.h"
#include "fhir/r4/core/v4_0_1/Dosage.h"
#include "fhir/r4/core/v4_0_1/Period.h"
#include "fhir/r4/core/v4_0_1/Quantity.h"
#include "fhir/r4/core/v4_0_1/Ratio.h"
#include "usecases/erezept/ERezeptProfiles.h"
#include "usecases/erezept/erezeptBuilders.h"

namespace fhir::erezept {
namespace {

using codes::VS_KBV_VS_ERP_Accident_Type;
using codes::VS_KBV_VS_ERP_StatusCoPayment;
using codes::VS_KBV_VS_FOR_Payor_type;

core::Extension* newSubExtension(const std::string& url) {
    auto* extension = new core::Extension();
    extension->setUrl(new f_uri(url));
    return extension;
}

template <class Value>
core::Extension* newSubExtension(const std::string& url, Value* value) {
    auto* extension = newSubExtension(url);
    extension->setValue(value);
    return extension;
}

template <class Extension>
Extension* newFlag(bool value) {
    auto* extension = new Extension();
    extension->setValue(new f_boolean(value));
    return extension;
}

// Indicator; the employer for a work accident; the day for an accident or a
// work accident.
template <class P>
void addAccident(core::MedicationRequest& prescription, const ERezeptData& data) {
    if (data.accident == VS_KBV_VS_ERP_Accident_Type::EMPTY) {
        return;
    }
    auto* accident = new typename P::Accident();
    accident->addExtension(newSubExtension(accident->extensionUnfallkennzeichenUrl,
                                           newMemberCodingOf<VS_KBV_VS_ERP_Accident_Type>(data.accident)));
    if (data.accident == erezeptcode::kWorkAccident && !data.nameunfallbetrieb.empty()) {
        accident->addExtension(
            newSubExtension(accident->extensionUnfallbetriebUrl, new f_string(data.nameunfallbetrieb)));
    }
    const bool withDay = data.accident == erezeptcode::kAccident || data.accident == erezeptcode::kWorkAccident;
    if (withDay && !data.unfalltag.empty()) {
        accident->addExtension(newSubExtension(accident->extensionUnfalltagUrl, new f_date(data.unfalltag)));
    }
    prescription.addExtension(accident);
}

core::Quantity* newDecimalQuantity(double value) {
    auto* quantity = new core::Quantity();
    quantity->addValue(new f_decimal(value));
    return quantity;
}

// The flag; for a multiple prescription its numbering, redemption period and id.
template <class P>
void addMultiplePrescription(core::MedicationRequest& prescription, const ERezeptData& data) {
    auto* multiple = new typename P::MultiplePrescription();
    multiple->addExtension(
        newSubExtension(multiple->extensionKennzeichenUrl, new f_boolean(data.kennzeichenmehrfachverordnung)));
    if (data.kennzeichenmehrfachverordnung) {
        auto* numbering = new core::Ratio();
        numbering->addNumerator(newDecimalQuantity(data.zaehlermehrfachverordnung));
        numbering->addDenominator(newDecimalQuantity(data.nennermehrfachverordnung));
        multiple->addExtension(newSubExtension(multiple->extensionNummerierungUrl, numbering));
    }
    if (!data.beginnmehrfachverordnung.empty() || !data.endemehrfachverordnung.empty()) {
        auto* period = new core::Period();
        if (!data.beginnmehrfachverordnung.empty()) {
            period->addStart(new f_dateTime(data.beginnmehrfachverordnung));
        }
        if (!data.endemehrfachverordnung.empty()) {
            period->addEnd(new f_dateTime(data.endemehrfachverordnung));
        }
        multiple->addExtension(newSubExtension(multiple->extensionZeitraumUrl, period));
    }
    if (!data.idmehrfachverordnung.empty()) {
        multiple->addExtension(newSubExtension(
            multiple->extensionIDUrl,
            newIdentifier(multiple->extensionIDValueIdentifierSystem, "urn:uuid:" + data.idmehrfachverordnung)));
    }
    prescription.addExtension(multiple);
}

// A compounding carries its instructions for use only; any other medication
// the dosage flag and, when set, the dosage instruction.
template <class P>
core::Dosage* newDosage(const ERezeptData& data) {
    auto* dosage = new core::Dosage();
    if (presentCompounding(data)) {
        if (!data.gebrauchsanweisung.empty()) {
            dosage->addPatientInstruction(new f_string(data.gebrauchsanweisung));
        }
        return dosage;
    }
    dosage->addExtension(newFlag<typename P::DosageFlag>(data.kennzeichendosierung));
    if (data.kennzeichendosierung && !data.dosieranweisung.empty()) {
        dosage->addText(new f_string(data.dosieranweisung));
    }
    return dosage;
}

}  // namespace

template <class P>
core::MedicationRequest* buildPrescription(const ERezeptData& data, const ERezeptParts& parts) {
    auto* prescription = new typename P::Prescription();
    identify(*prescription, newUuid(), profileOf<P>(*prescription));
    if (data.coPayment != VS_KBV_VS_ERP_StatusCoPayment::EMPTY) {
        auto* coPayment = new typename P::StatusCoPayment();
        coPayment->setValue(newMemberCodingOf<VS_KBV_VS_ERP_StatusCoPayment>(data.coPayment));
        prescription->addExtension(coPayment);
    }
    prescription->addExtension(newFlag<typename P::EmergencyServicesFee>(data.noctucitu));
    prescription->addExtension(newFlag<typename P::SpecialEntitlement>(data.bvg));
    addAccident<P>(*prescription, data);
    addMultiplePrescription<P>(*prescription, data);
    P::addPrescriberId(*prescription, data.verschreiberid);
    prescription->addStatus(new f_code(prescription->status));
    prescription->addIntent(new f_code(prescription->intent));
    prescription->addMedication(newReference(*parts.medication));
    prescription->addSubject(newReference(*parts.patient));
    prescription->addAuthoredOn(new f_dateTime(data.ausstellungsdatum));
    prescription->addRequester(newReference(*parts.prescriber));
    prescription->addInsurance(newReference(*parts.coverage));
    if (!data.abgabehinweis.empty()) {
        auto* note = new core::Annotation();
        note->addText(new f_markdown(data.abgabehinweis));
        prescription->addNote(note);
    }
    prescription->addDosageInstruction(newDosage<P>(data));
    auto* dispense = new core::MedicationRequest_dispenseRequest();
    dispense->addQuantity(P::packageCount(data.anzahlpackungen));
    prescription->addDispenseRequest(dispense);
    // Every medication but an active ingredient carries the substitution
    // flag; the profiles forbid it for an active ingredient.
    if (!presentActiveIngredient(data)) {
        auto* substitution = new core::MedicationRequest_substitution();
        substitution->addAllowed(new f_boolean(data.autidem));
        prescription->addSubstitution(substitution);
    }
    return prescription;
}

template <class P>
core::SupplyRequest* buildPracticeSupply(const ERezeptData& data, const ERezeptParts& parts) {
    auto* supply = new typename P::PracticeSupply();
    identify(*supply, newUuid(), profileOf<P>(*supply));
    auto* payor = new typename P::PracticeSupplyPayor();
    payor->addExtension(newSubExtension(payor->extensionIKUrl,
                                        newSystemIdentifier<typename P::IdentifierIknr>(data.payer.ikkrankenkasse)));
    payor->addExtension(newSubExtension(payor->extensionNameUrl, new f_string(data.payer.namekostentraeger)));
    payor->addExtension(newSubExtension(payor->extensionKostentraegertypUrl,
                                        newMemberCodingOf<VS_KBV_VS_FOR_Payor_type>(data.payer.payerKind)));
    supply->addExtension(payor);
    supply->addItem(newReference(*parts.medication));
    supply->addQuantity(P::packageCount(data.anzahlpackungen));
    supply->addAuthoredOn(new f_dateTime(data.ausstellungsdatum));
    supply->addRequester(newReference(*parts.prescriber));
    return supply;
}

template core::MedicationRequest* buildPrescription<ERezept110>(const ERezeptData&, const ERezeptParts&);
template core::MedicationRequest* buildPrescription<ERezept132>(const ERezeptData&, const ERezeptParts&);
template core::SupplyRequest* buildPracticeSupply<ERezept110>(const ERezeptData&, const ERezeptParts&);
template core::SupplyRequest* buildPracticeSupply<ERezept132>(const ERezeptData&, const ERezeptParts&);

// ---- What the generations do differently

core::Identifier* ERezept110::patientIdentifier(const shared::InsuredData& insured) {
    if (!insured.gkvNummer.empty()) {
        return newProfileIdentifier<IdentifierKvid10>(insured.gkvNummer);
    }
    if (!insured.pkvNummer.empty()) {
        return newProfileIdentifier<IdentifierPkv>(insured.pkvNummer);
    }
    return nullptr;
}

core::Identifier* ERezept132::patientIdentifier(const shared::InsuredData& insured) {
    const std::string& number = insured.gkvNummer.empty() ? insured.pkvNummer : insured.gkvNummer;
    return number.empty() ? nullptr : newProfileIdentifier<IdentifierKvid10>(number);
}

core::Quantity* ERezept110::packageCount(const std::string& count) {
    const Prescription prescription;
    auto* quantity = new core::Quantity();
    quantity->addValue(new f_decimal(count));
    quantity->addSystem(new f_uri(prescription.dispenseRequestQuantitySystem));
    quantity->addCode(new f_code(prescription.dispenseRequestQuantityCode));
    return quantity;
}

core::Quantity* ERezept132::packageCount(const std::string& count) {
    const Prescription prescription;
    auto* quantity = new core::Quantity();
    quantity->addValue(new f_decimal(count));
    quantity->addUnit(new f_string(prescription.dispenseRequestQuantityUnit));
    return quantity;
}

void ERezept132::addPrescriberId(fhir::Element& prescription, const std::string& prescriberId) {
    if (prescriberId.empty()) {
        return;
    }
    auto* extension = new r4::kbverp::v1_3_2::KBV_EX_ERP_Prescriber_ID();
    auto* identifier = new core::Identifier();
    identifier->addValue(new f_string(prescriberId));
    extension->setValue(identifier);
    prescription.addExtension(extension);
}

}  // namespace fhir::erezept
