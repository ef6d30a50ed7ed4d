#include "support/SampleBundle.h"

#include <string>

#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/CodeableConcept.h"
#include "fhir/r4/core/v4_0_1/Coding.h"
#include "fhir/r4/core/v4_0_1/Composition.h"
#include "fhir/r4/core/v4_0_1/Condition.h"
#include "fhir/r4/core/v4_0_1/Coverage.h"
#include "fhir/r4/core/v4_0_1/Extension.h"
#include "fhir/r4/core/v4_0_1/HumanName.h"
#include "fhir/r4/core/v4_0_1/Identifier.h"
#include "fhir/r4/core/v4_0_1/Meta.h"
#include "fhir/r4/core/v4_0_1/Patient.h"
#include "fhir/r4/core/v4_0_1/Reference.h"

namespace tevo::test {
namespace {

using namespace fhir::r4::core::v4_0_1;

Extension* textExtension(const std::string& url, const std::string& value) {
    auto* extension = new Extension();
    extension->setUrl(new fhir::f_uri(url));
    extension->setValue(new fhir::f_string(value));
    return extension;
}

Coding* coding(const std::string& system, const std::string& code, const std::string& display) {
    auto* result = new Coding();
    result->addSystem(new fhir::f_uri(system));
    result->addCode(new fhir::f_code(code));
    if (!display.empty()) {
        result->addDisplay(new fhir::f_string(display));
    }
    return result;
}

CodeableConcept* concept(Coding* only) {
    auto* result = new CodeableConcept();
    result->addCoding(only);
    return result;
}

Reference* referenceTo(const fhir::Element& resource) {
    auto* result = new Reference();
    result->addReference(new fhir::f_string(resource.getFullUrl()));
    return result;
}

Meta* profile(const std::string& canonical) {
    auto* meta = new Meta();
    meta->addProfile(new fhir::f_canonical(canonical));
    return meta;
}

void addEntry(Bundle& bundle, Resource* resource) {
    auto* entry = new Bundle_entry();
    entry->addFullUrl(new fhir::f_uri(resource->getFullUrl()));
    entry->addResource(resource);
    bundle.addEntry(entry);
}

Patient* patient(int index) {
    auto* result = new Patient();
    result->setId(new fhir::f_string("patient-" + std::to_string(index)));
    result->setMeta(profile("https://fhir.kbv.de/StructureDefinition/KBV_PR_FOR_Patient|1.2"));
    auto* identifier = new Identifier();
    identifier->addType(concept(coding("http://fhir.de/CodeSystem/identifier-type-de-basis", "GKV", "")));
    identifier->addSystem(new fhir::f_uri("http://fhir.de/sid/gkv/kvid-10"));
    identifier->addValue(new fhir::f_string("X23456789" + std::to_string(index % 10)));
    result->addIdentifier(identifier);
    auto* name = new HumanName();
    name->addUse(new fhir::f_code("official"));
    name->addFamily(new fhir::f_string("von Müller-Lüdenscheidt"));
    name->add_family(textExtension("http://hl7.org/fhir/StructureDefinition/humanname-own-name",
                                   "Müller-Lüdenscheidt"));
    name->add_family(textExtension("http://hl7.org/fhir/StructureDefinition/humanname-own-prefix", "von"));
    name->addGiven(new fhir::f_string("Jürgen"));
    result->addName(name);
    result->addGender(new fhir::f_code("other"));
    auto* gender = new Extension();
    gender->setUrl(new fhir::f_uri("http://fhir.de/StructureDefinition/gender-amtlich-de"));
    gender->setValue(coding("http://fhir.de/CodeSystem/gender-amtlich-de", "D", "divers"));
    result->add_gender(gender);
    result->addBirthDate(new fhir::f_date("1987-04-00"));
    return result;
}

Coverage* coverage(int index, const Patient& insured) {
    auto* result = new Coverage();
    result->setId(new fhir::f_string("coverage-" + std::to_string(index)));
    result->setMeta(profile("https://fhir.kbv.de/StructureDefinition/KBV_PR_FOR_Coverage|1.2"));
    auto* group = new Extension();
    group->setUrl(new fhir::f_uri("http://fhir.de/StructureDefinition/gkv/besondere-personengruppe"));
    group->setValue(coding("https://fhir.kbv.de/CodeSystem/KBV_CS_SFHIR_KBV_PERSONENGRUPPE", "00", ""));
    result->addExtension(group);
    auto* flag = new Extension();
    flag->setUrl(new fhir::f_uri("https://example.org/StructureDefinition/flag"));
    flag->setValue(new fhir::f_boolean(true));
    result->addExtension(flag);
    result->addStatus(new fhir::f_code("active"));
    result->addType(concept(coding("http://fhir.de/CodeSystem/versicherungsart-de-basis", "GKV", "")));
    result->addBeneficiary(referenceTo(insured));
    auto* payor = new Reference();
    auto* ik = new Identifier();
    ik->addSystem(new fhir::f_uri("http://fhir.de/sid/arge-ik/iknr"));
    ik->addValue(new fhir::f_string("109519005"));
    payor->addIdentifier(ik);
    payor->addDisplay(new fhir::f_string("AOK Nordost & Partner <Test>"));
    result->addPayor(payor);
    return result;
}

Condition* condition(int index, const Patient& subject) {
    auto* result = new Condition();
    result->setId(new fhir::f_string("condition-" + std::to_string(index)));
    auto* code = new CodeableConcept();
    auto* icd = coding("http://fhir.de/CodeSystem/bfarm/icd-10-gm", "J06.9", "");
    icd->addVersion(new fhir::f_string("2024"));
    auto* certainty = new Extension();
    certainty->setUrl(new fhir::f_uri("https://fhir.kbv.de/StructureDefinition/KBV_EX_Base_Diagnosis_Certainty"));
    certainty->setValue(coding("https://fhir.kbv.de/CodeSystem/KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT", "G", ""));
    icd->add_code(certainty);
    code->addCoding(icd);
    result->addCode(code);
    result->addSubject(referenceTo(subject));
    result->addRecordedDate(new fhir::f_dateTime("2024-03-03"));
    auto* since = new Extension();
    since->setUrl(new fhir::f_uri("https://example.org/StructureDefinition/since"));
    since->setValue(new fhir::f_date("2024-03-01"));
    result->add_recordedDate(since);
    return result;
}

Composition* composition(int index, const Patient& subject, const Condition& finding) {
    auto* result = new Composition();
    result->setId(new fhir::f_string("composition-" + std::to_string(index)));
    result->addStatus(new fhir::f_code("final"));
    result->addType(concept(coding("https://fhir.kbv.de/CodeSystem/KBV_CS_SFHIR_KBV_FORMULAR_ART", "e01",
                                   "Arbeitsunfähigkeitsbescheinigung")));
    result->addSubject(referenceTo(subject));
    result->addDate(new fhir::f_dateTime("2024-03-03T14:05:09Z"));
    result->addTitle(new fhir::f_string("Arbeitsunfähigkeitsbescheinigung"));
    auto* section = new Composition_section();
    section->addCode(concept(coding("https://fhir.kbv.de/CodeSystem/KBV_CS_FOR_Section_Type", "ICD", "")));
    section->addEntry(referenceTo(finding));
    result->addSection(section);
    return result;
}

}  // namespace

std::unique_ptr<Bundle> buildSampleBundle(int groups) {
    auto bundle = std::make_unique<Bundle>();
    bundle->setId(new fhir::f_string("sample"));
    bundle->setMeta(profile("https://fhir.kbv.de/StructureDefinition/KBV_PR_EAU_Bundle|1.2"));
    auto* identifier = new Identifier();
    identifier->addSystem(new fhir::f_uri("urn:ietf:rfc:3986"));
    identifier->addValue(new fhir::f_string("urn:uuid:0b6e8f6c-1a43-4c52-9d5a-2c1b3e5c7d90"));
    bundle->addIdentifier(identifier);
    bundle->addType(new fhir::f_code("document"));
    bundle->addTimestamp(new fhir::f_instant("2024-03-03T14:05:09Z"));
    for (int index = 0; index < groups; ++index) {
        Patient* insured = patient(index);
        Condition* finding = condition(index, *insured);
        addEntry(*bundle, composition(index, *insured, *finding));
        addEntry(*bundle, insured);
        addEntry(*bundle, coverage(index, *insured));
        addEntry(*bundle, finding);
    }
    return bundle;
}

}  // namespace tevo::test
