#include "fhir/CanonicalBase.h"
#include "fhir/r4/core/v4_0_1/Data_Absent_Reason.h"
#include "fhir/r4/debasis/v1_3_2/GenderOtherDE.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierKvid10.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierPid.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_PR_FOR_Identifier_PkvID_10.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Patient.h"
#include "usecases/vos/vosBuilders.h"
#include "usecases/vos/vosChoices.h"
#include "usecases/vos/vosElements.h"
#include "usecases/vos/vosNames.h"

namespace fhir::vos {
namespace {

// The insurance number as the identifier of the insurance kind; null for a
// kind other than "GKV" and "PKV".
core::Identifier* insuranceIdentifier(const VosInsurance& insurance) {
    const std::string& number = insurance.versichertennummer.str();
    if (insurance.versicherungsart == HostString("GKV")) {
        return newProfileIdentifier<r4::debasis::v1_3_2::IdentifierKvid10>(number);
    }
    if (insurance.versicherungsart == HostString("PKV")) {
        return newProfileIdentifier<r4::kbvitafor::v1_1_0::KBV_PR_FOR_Identifier_PkvID_10>(number);
    }
    return nullptr;
}

core::Identifier* patientNumber(const std::string& number) {
    auto* identifier = new r4::debasis::v1_3_2::IdentifierPid();
    identifier->addType(newConcept(identifier->typeSystem, identifier->typeCode));
    identifier->addSystem(new f_uri(std::string(base::kMaker) + choice::kPatientNumberPath));
    identifier->addValue(new f_string(number));
    return identifier;
}

// Host gender codes; "d" and "x" are "other" with the official German code.
struct Gender {
    const char* host;
    const char* fhir;
    const char* officialCode;  // nullptr: no extension
};
constexpr Gender kGenders[] = {
    {"0", "unknown", nullptr}, {"m", "male", nullptr},  {"f", "female", nullptr},
    {"d", "other", "D"},       {"x", "other", "X"},
};

void addGender(core::Patient& patient, const HostString& host) {
    for (const Gender& gender : kGenders) {
        if (host == HostString(gender.host)) {
            patient.addGender(new f_code(gender.fhir));
            if (gender.officialCode) {
                patient.add_gender(newExtension<r4::debasis::v1_3_2::GenderOtherDE>(
                    newCoding(choice::kGenderOfficialSystem, gender.officialCode)));
            }
            return;
        }
    }
}

// An empty birth date or one of year "0000" is unknown: the element carries
// only the reason for the missing value.
void addBirthDate(core::Patient& patient, const std::string& birthDate) {
    if (birthDate.empty() || birthDate.compare(0, 4, "0000") == 0) {
        auto* reason = new core::Data_Absent_Reason();
        reason->setValue(new f_code("unknown"));
        patient.add_birthDate(reason);
    } else {
        patient.addBirthDate(new f_date(birthDate));
    }
}

bool anySet(const VosStreetAddress& a) {
    return !(a.laenderkennzeichen.IsEmpty() && a.postleitzahl.IsEmpty() && a.ort.IsEmpty() && a.strasse.IsEmpty() &&
             a.hausnummer.IsEmpty() && a.anschriftenzusatz.IsEmpty());
}

bool anySet(const VosPostBoxAddress& a) {
    return !(a.laenderkennzeichen.IsEmpty() && a.postleitzahl.IsEmpty() && a.ort.IsEmpty() && a.postfach.IsEmpty());
}

// The profile allows one address: the street address, or else the post box.
void addAddress(core::Patient& patient, const VosPerson& person) {
    if (anySet(person.strassenadresse)) {
        patient.addAddress(buildStreetAddress(person.strassenadresse));
    } else if (anySet(person.postfachadresse)) {
        patient.addAddress(buildPostBoxAddress(person.postfachadresse));
    }
}

}  // namespace

core::Patient* buildPatient(const VosPatient& data) {
    const VosPerson& person = data.person;
    HostString number = person.patientennummer;
    number.Trim();
    if (number.IsEmpty() && person.nachname.IsEmpty() && person.vorname.IsEmpty()) {
        return nullptr;
    }
    auto* patient = new r4::kbvitavos::v2_1_0::KBV_PR_VoS_Patient();
    identifyFresh(*patient);
    if (core::Identifier* insurance = insuranceIdentifier(data.versicherung)) {
        patient->addIdentifier(insurance);
    }
    if (!number.IsEmpty()) {
        patient->addIdentifier(patientNumber(number.str()));
    }
    patient->addName(buildName(person.vorname.str(), person.nachname.str(), person.hauptteilnachname.str(),
                               person.titel.str(), person.namenszusatz.str()));
    addGender(*patient, person.geschlecht);
    addBirthDate(*patient, person.geburtsdatum.str());
    addAddress(*patient, person);
    return patient;
}

}  // namespace fhir::vos
