#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/codes/Enumerations.h"
#include "fhir/r4/core/v4_0_1/CodeableConcept.h"
#include "fhir/r4/core/v4_0_1/Coding.h"
#include "fhir/r4/kbvbasis/v1_1_3/KBV_EX_Base_Terminology_German.h"
#include "fhir/r4/kbvmiozaeb/v1_1_0/KBV_EX_MIO_ZAEB_Disclaimer.h"
#include "fhir/r4/kbvmiozaeb/v1_1_0/KBV_PR_MIO_ZAEB_Observation_Dental_Check_Up.h"
#include "fhir/r4/kbvmiozaeb/v1_1_0/KBV_PR_MIO_ZAEB_Observation_Gapless_Documentation.h"
#include "usecases/shared/Elements.h"
#include "usecases/miozaeb/zaebBuilders.h"

namespace fhir::zaeb {
namespace {

using codes::CS_KBV_CS_MIO_ZAEB_Preventive_Check_Up_German;
using codes::VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type;
using shared::identify;
using shared::newConcept;
using shared::newReference;

// The German text of a display: the terminology extension with its one
// part "content".
core::Extension* germanDisplay(const std::string& text) {
    auto* german = new r4::kbvbasis::v1_1_3::KBV_EX_Base_Terminology_German();
    auto* content = new core::Extension();
    content->setUrl(new f_uri(german->extensionContentUrl));
    content->setValue(new f_string(text));
    german->addExtension(content);
    return german;
}

// The SNOMED CT coding of the check-up; its code and displays only for one of
// the two kinds of check-up.
core::Coding* checkUpCoding(const profile::KBV_PR_MIO_ZAEB_Observation_Dental_Check_Up& profile,
                            const std::string& code) {
    auto* coding = new core::Coding();
    coding->addSystem(new f_uri(profile.codeSystem));
    coding->addVersion(new f_string(profile.codeVersion));
    const int kind = VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type::fromCode(code);
    if (kind != VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type::EMPTY) {
        coding->addCode(new f_code(VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type::toCode(kind)));
        coding->addDisplay(new f_string(VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type::toDisplay(kind)));
        using German = CS_KBV_CS_MIO_ZAEB_Preventive_Check_Up_German;
        coding->add_display(germanDisplay(German::toDisplay(German::fromCode(code))));
    }
    return coding;
}

}  // namespace

core::Observation* buildGaplessDocumentation(const ZaebData& data, const core::Patient& patient) {
    auto* observation = new profile::KBV_PR_MIO_ZAEB_Observation_Gapless_Documentation();
    identify(*observation, newUuid(), observation->getCanonical());
    auto* disclaimer = new profile::KBV_EX_MIO_ZAEB_Disclaimer();
    disclaimer->setValue(new f_string(disclaimer->valueString));
    observation->addExtension(disclaimer);
    observation->addStatus(new f_code(observation->status));
    auto* code = new core::CodeableConcept();
    code->addText(new f_string(observation->codeText));
    observation->addCode(code);
    observation->addSubject(newReference(patient));
    observation->addValue(new f_dateTime(data.gaplessDocumentationDate));
    return observation;
}

core::Observation* buildDentalCheckUp(const ZaebData& data, const core::Patient& patient) {
    auto* observation = new profile::KBV_PR_MIO_ZAEB_Observation_Dental_Check_Up();
    identify(*observation, newUuid(), observation->getCanonical());
    observation->addStatus(new f_code(observation->status));
    observation->addCode(newConcept(checkUpCoding(*observation, data.checkUpCode)));
    observation->addSubject(newReference(patient));
    observation->addEffective(new f_dateTime(data.checkUpDate));
    observation->addValue(new f_boolean(observation->valueBoolean));
    return observation;
}

}  // namespace fhir::zaeb
