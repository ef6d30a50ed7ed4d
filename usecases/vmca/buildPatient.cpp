#include <string>

#include "fhir/CanonicalBase.h"
#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/Address.h"
#include "fhir/r4/core/v4_0_1/ContactPoint.h"
#include "fhir/r4/core/v4_0_1/Data_Absent_Reason.h"
#include "fhir/r4/core/v4_0_1/EN_qualifier.h"
#include "fhir/r4/core/v4_0_1/Meta.h"
#include "fhir/r4/core/v4_0_1/own_name.h"
#include "fhir/r4/core/v4_0_1/own_prefix.h"
#include "fhir/r4/debasis/v1_4_0/GenderOtherDE.h"
#include "fhir/r4/debasis/v1_4_0/HumannameDeBasis.h"
#include "fhir/r4/debasis/v1_4_0/HumannameNamenszusatz.h"
#include "usecases/shared/Elements.h"
#include "usecases/shared/addressParts.h"
#include "usecases/vmca/vmcaBuilders.h"
#include "usecases/vmca/vmcaIdentifier.h"

namespace fhir::vmca {
namespace {

namespace debasis = r4::debasis::v1_4_0;

std::string german(const char* path) { return std::string(base::kGerman) + path; }

// An extension of the given class holding a text or code value.
template <class Extension, class Value = f_string>
Extension* newExtension(const std::string& value) {
    auto* extension = new Extension();
    extension->setValue(new Value(value));
    return extension;
}

void addInsuranceNumbers(Patient& patient, const VmcaPatientData& data) {
    if (!data.gkvVersichertennummer.empty()) {
        patient.addIdentifier(newTypedIdentifier(
            {patient.identifierGkvTypeSystem, patient.identifierGkvTypeCode, "Gesetzliche Krankenversicherung"},
            german("/sid/gkv/kvid-10"), data.gkvVersichertennummer));
    }
    if (!data.kvkVersichertennummer.empty()) {
        patient.addIdentifier(newTypedIdentifier(
            {patient.identifierKvkTypeSystem, patient.identifierKvkTypeCode, "Krankenversichertenkarte"},
            german("/sid/gkv/kvk-versichertennummer"), data.kvkVersichertennummer));
    }
}

// The official name: family with name suffix, prefix word and own name as
// extensions, given name, title as academic prefix.
core::HumanName* newName(const VmcaPatientData& data) {
    auto* name = new debasis::HumannameDeBasis();
    name->addUse(new f_code("official"));
    if (!data.nachname.empty()) {
        name->addFamily(new f_string(data.nachname));
    }
    if (!data.namenszusatz.empty()) {
        name->add_family(newExtension<debasis::HumannameNamenszusatz>(data.namenszusatz));
    }
    if (!data.vorsatzwort.empty()) {
        name->add_family(newExtension<core::own_prefix>(data.vorsatzwort));
    }
    if (!data.hauptteilnachname.empty()) {
        name->add_family(newExtension<core::own_name>(data.hauptteilnachname));
    }
    if (!data.vorname.empty()) {
        name->addGiven(new f_string(data.vorname));
    }
    if (!data.titel.empty()) {
        name->addPrefix(new f_string(data.titel));
        name->add_prefix(newExtension<core::EN_qualifier, f_code>("AC"));
    }
    return name;
}

void addBirthDate(Patient& patient, const std::string& birthDate) {
    if (birthDate.empty()) {
        patient.add_birthDate(newExtension<core::Data_Absent_Reason, f_code>("unknown"));
    } else {
        patient.addBirthDate(new f_date(birthDate));
    }
}

// "M" male, "F" and "W" female; anything else "other", which the German
// gender extension refines for "D" (divers) and "X" (unbestimmt). Other
// values get no extension: it would have no code to carry.
void addGender(Patient& patient, const std::string& gender) {
    static const struct {
        const char* host;
        const char* code;
        const char* otherCode;
        const char* otherDisplay;
    } kGenders[] = {
        {"M", "male", nullptr, nullptr},
        {"F", "female", nullptr, nullptr},
        {"W", "female", nullptr, nullptr},
        {"D", "other", "D", "divers"},
        {"X", "other", "X", "unbestimmt"},
    };
    for (const auto& entry : kGenders) {
        if (gender != entry.host) {
            continue;
        }
        patient.addGender(new f_code(entry.code));
        if (entry.otherCode) {
            core::Coding* coding = shared::newCoding(patient.genderOtherSystem, entry.otherCode);
            coding->addDisplay(new f_string(entry.otherDisplay));
            auto* extension = new debasis::GenderOtherDE();
            extension->setValue(coding);
            patient.add_gender(extension);
        }
        return;
    }
    patient.addGender(new f_code("other"));
}

void addTelephone(Patient& patient, const std::string& number) {
    if (number.empty()) {
        return;
    }
    auto* telecom = new core::ContactPoint();
    telecom->addSystem(new f_code(patient.telecomSystem));
    telecom->addValue(new f_string(number));
    patient.addTelecom(telecom);
}

core::Address* newStreetAddress(const shared::StreetAddressData& data) {
    auto* address = new core::Address();
    shared::fillOneLineStreetAddress(*address, "both", data);
    return address;
}

core::Address* newPostBoxAddress(const shared::PostBoxAddressData& data) {
    auto* address = new core::Address();
    shared::fillPostBoxAddress(*address, "postal", data);
    return address;
}

}  // namespace

Patient* buildPatient(const VmcaPatientData& data) {
    auto* patient = new Patient();
    auto* meta = new core::Meta();
    meta->addProfile(new f_canonical(patient->getCanonical()));
    patient->setMeta(meta);
    addInsuranceNumbers(*patient, data);
    patient->addName(newName(data));
    addTelephone(*patient, data.telefon1);
    addTelephone(*patient, data.telefon2);
    addGender(*patient, data.geschlecht);
    addBirthDate(*patient, data.geburtsdatum);
    if (anyFieldSet(data.strassenadresse)) {
        patient->addAddress(newStreetAddress(data.strassenadresse));
    }
    if (anyFieldSet(data.postfachanschrift)) {
        patient->addAddress(newPostBoxAddress(data.postfachanschrift));
    }
    return patient;
}

}  // namespace fhir::vmca
