#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/Data_Absent_Reason.h"
#include "usecases/eau/EauProfiles.h"
#include "usecases/eau/eauBuilders.h"
#include "usecases/eau/eauElements.h"

namespace fhir::eau {
namespace {

// A birth date whose year is "0000" is unknown: the element keeps only the
// reason for the missing value.
void addBirthDate(core::Patient& patient, const std::string& birthDate) {
    if (birthDate.compare(0, 4, "0000") == 0) {
        auto* reason = new core::Data_Absent_Reason();
        reason->setValue(new f_code("unknown"));
        patient.add_birthDate(reason);
    } else if (!birthDate.empty()) {
        patient.addBirthDate(new f_date(birthDate));
    }
}

}  // namespace

template <class P>
core::Patient* buildPatient(const EauData& data) {
    auto* patient = new typename P::Patient();
    identify(*patient, newUuid(), profileOf<P>(*patient));
    if (core::Identifier* identifier = P::patientIdentifier(data)) {
        patient->addIdentifier(identifier);
    }
    patient->addName(buildName<P>(
        {data.vorname, data.nachname, data.hauptteilnachname, data.titel, data.vorsatzwort, data.namenszusatz}));
    addBirthDate(*patient, data.geburtsdatum);
    if (!data.strassenadresse.postleitzahl.empty()) {
        patient->addAddress(buildStreetAddress<P>(data.strassenadresse));
    }
    if (!data.postfachanschrift.postleitzahl.empty()) {
        patient->addAddress(buildPostBoxAddress<P>(data.postfachanschrift));
    }
    return patient;
}

template core::Patient* buildPatient<Eau110>(const EauData&);
template core::Patient* buildPatient<Eau120>(const EauData&);

}  // namespace fhir::eau
