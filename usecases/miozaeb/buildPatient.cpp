#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/EN_qualifier.h"
#include "fhir/r4/core/v4_0_1/Identifier.h"
#include "fhir/r4/core/v4_0_1/own_name.h"
#include "fhir/r4/core/v4_0_1/own_prefix.h"
#include "fhir/r4/debasis/v0_9_13/HumannameDeBasis.h"
#include "fhir/r4/debasis/v0_9_13/HumannameNamenszusatz.h"
#include "fhir/r4/kbvmiozaeb/v1_1_0/KBV_PR_MIO_ZAEB_Patient.h"
#include "usecases/shared/Elements.h"
#include "usecases/miozaeb/zaebBuilders.h"

namespace fhir::zaeb {
namespace {

using Patient = profile::KBV_PR_MIO_ZAEB_Patient;
using shared::identify;
using shared::newConcept;

void addInsuranceNumber(Patient& patient, const std::string& number) {
    if (number.empty()) {
        return;
    }
    auto* identifier = new core::Identifier();
    identifier->addUse(new f_code(patient.identifierUse));
    identifier->addType(
        newConcept(patient.identifierVersichertenIdGKVTypeSystem, patient.identifierVersichertenIdGKVTypeCode));
    identifier->addSystem(new f_uri(patient.identifierSystem));
    identifier->addValue(new f_string(number));
    patient.addIdentifier(identifier);
}

// Title, name suffix, given name, prefix word and own name, each followed by
// one blank but the last; a missing part still leaves its blank.
std::string nameText(const ZaebPatient& patient) {
    return patient.title + ' ' + patient.nameSuffix + ' ' + patient.givenName + ' ' + patient.prefixWord + ' ' +
           patient.ownName;
}

template <class Part>
void addFamilyPart(core::HumanName& name, const std::string& value) {
    if (!value.empty()) {
        auto* part = new Part();
        part->setValue(new f_string(value));
        name.add_family(part);
    }
}

core::HumanName* buildName(const Patient& profile, const ZaebPatient& patient) {
    auto* name = new r4::debasis::v0_9_13::HumannameDeBasis();
    name->addUse(new f_code(profile.nameUse));
    name->addText(new f_string(nameText(patient)));
    if (!patient.familyName.empty()) {
        name->addFamily(new f_string(patient.familyName));
    }
    addFamilyPart<r4::debasis::v0_9_13::HumannameNamenszusatz>(*name, patient.nameSuffix);
    addFamilyPart<core::own_prefix>(*name, patient.prefixWord);
    addFamilyPart<core::own_name>(*name, patient.ownName);
    if (!patient.givenName.empty()) {
        name->addGiven(new f_string(patient.givenName));
    }
    if (!patient.title.empty()) {
        name->addPrefix(new f_string(patient.title));
        auto* qualifier = new core::EN_qualifier();
        qualifier->setValue(new f_code(profile.namePrefixQualifierCode));
        name->add_prefix(qualifier);
    }
    return name;
}

}  // namespace

core::Patient* buildPatient(const ZaebPatient& data) {
    auto* patient = new Patient();
    identify(*patient, newUuid(), patient->getCanonical());
    addInsuranceNumber(*patient, data.insuranceNumber);
    patient->addName(buildName(*patient, data));
    if (!data.birthDate.empty()) {
        patient->addBirthDate(new f_date(data.birthDate));
    }
    patient->addAddress(buildAddress(data.address, patient->addressType));
    return patient;
}

}  // namespace fhir::zaeb
