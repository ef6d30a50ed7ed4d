#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/codes/Enumerations.h"
#include "usecases/eau/EauProfiles.h"
#include "usecases/eau/eauBuilders.h"

namespace fhir::eau {
namespace {

using namespace codes;

// A coded extension of the ICD coding; left out for member 0.
template <class Extension, class Enum>
void addCodingExtension(core::Coding& coding, int member) {
    if (member != Enum::EMPTY) {
        auto* extension = new Extension();
        extension->setValue(newCodingOf<Enum>(member));
        coding.addExtension(extension);
    }
}

template <class P>
core::Coding* buildIcdCoding(const EauDiagnosisData& diagnosis) {
    auto* coding = new typename P::CodingIcd10Gm();
    addCodingExtension<typename P::Side, CS_KBV_CS_SFHIR_ICD_SEITENLOKALISATION>(*coding, diagnosis.side);
    addCodingExtension<typename P::Certainty, CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT>(*coding, diagnosis.certainty);
    coding->addSystem(new f_uri(coding->system));
    coding->addVersion(new f_string(diagnosis.version));
    coding->addCode(new f_code(diagnosis.code));
    return coding;
}

}  // namespace

template <class P>
core::Condition* buildConditionText(const std::string& text, const core::Patient& patient,
                                    const core::Practitioner& issuer) {
    auto* condition = new typename P::ConditionText();
    identify(*condition, newUuid(), profileOf<P>(*condition));
    condition->addVerificationStatus(
        newConcept(condition->verificationStatusSystem, condition->verificationStatusCode));
    auto* code = new core::CodeableConcept();
    code->addText(new f_string(text));
    condition->addCode(code);
    condition->addSubject(newReference(patient));
    condition->addAsserter(newReference(issuer));
    return condition;
}

template <class P>
core::Condition* buildConditionICD(const EauDiagnosisData& diagnosis, const core::Patient& patient,
                                   const core::Practitioner& issuer) {
    auto* condition = new typename P::ConditionICD();
    identify(*condition, newUuid(), profileOf<P>(*condition));
    if (diagnosis.clinicalStatus != CS_ConditionClinicalStatusCodes::EMPTY) {
        condition->addClinicalStatus(
            newConcept(newCodingOf<CS_ConditionClinicalStatusCodes>(diagnosis.clinicalStatus)));
    }
    if (diagnosis.verificationStatus != CS_ConditionVerificationStatus::EMPTY) {
        condition->addVerificationStatus(
            newConcept(newCodingOf<CS_ConditionVerificationStatus>(diagnosis.verificationStatus)));
    }
    condition->addCode(newConcept(buildIcdCoding<P>(diagnosis)));
    condition->addSubject(newReference(patient));
    condition->addAsserter(newReference(issuer));
    return condition;
}

template core::Condition* buildConditionText<Eau110>(const std::string&, const core::Patient&,
                                                     const core::Practitioner&);
template core::Condition* buildConditionText<Eau120>(const std::string&, const core::Patient&,
                                                     const core::Practitioner&);
template core::Condition* buildConditionICD<Eau110>(const EauDiagnosisData&, const core::Patient&,
                                                    const core::Practitioner&);
template core::Condition* buildConditionICD<Eau120>(const EauDiagnosisData&, const core::Patient&,
                                                    const core::Practitioner&);

}  // namespace fhir::eau
