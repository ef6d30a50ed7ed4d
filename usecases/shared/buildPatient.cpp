#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/Data_Absent_Reason.h"
#include "usecases/shared/Elements.h"
#include "usecases/shared/PartyProfiles.h"
#include "usecases/shared/partyBuilders.h"

namespace fhir::shared {
namespace {

// A birth date whose year is "0000" is unknown: the element keeps only the
// reason for the missing value.
void addBirthDate(core::Patient& patient, const std::string& birthDate, bool unknownWhenEmpty) {
    if (birthDate.compare(0, 4, "0000") == 0 || (unknownWhenEmpty && birthDate.empty())) {
        auto* reason = new core::Data_Absent_Reason();
        reason->setValue(new f_code("unknown"));
        patient.add_birthDate(reason);
    } else if (!birthDate.empty()) {
        patient.addBirthDate(new f_date(birthDate));
    }
}

template <class P>
void addStreetAddress(core::Patient& patient, const StreetAddressData& address) {
    if (!address.postleitzahl.empty()) {
        patient.addAddress(buildStreetAddress<P>(address));
    }
}

template <class P>
void addPostBoxAddress(core::Patient& patient, const PostBoxAddressData& address) {
    if (!address.postleitzahl.empty()) {
        patient.addAddress(buildPostBoxAddress<P>(address));
    }
}

}  // namespace

template <class P>
core::Patient* buildPatient(const InsuredData& insured, core::Identifier* identifier, PatientLayout layout) {
    auto* patient = new typename P::Patient();
    identify(*patient, newUuid(), profileOf<P>(*patient));
    if (identifier) {
        patient->addIdentifier(identifier);
    }
    patient->addName(buildName<P>({insured.vorname, insured.nachname, insured.hauptteilnachname, insured.titel,
                                   insured.vorsatzwort, insured.namenszusatz}));
    addBirthDate(*patient, insured.geburtsdatum, layout.unknownWhenNoBirthDate);
    if (layout.postBoxFirst) {
        addPostBoxAddress<P>(*patient, insured.postfachanschrift);
        addStreetAddress<P>(*patient, insured.strassenadresse);
    } else {
        addStreetAddress<P>(*patient, insured.strassenadresse);
        addPostBoxAddress<P>(*patient, insured.postfachanschrift);
    }
    return patient;
}

template core::Patient* buildPatient<For110>(const InsuredData&, core::Identifier*, PatientLayout);
template core::Patient* buildPatient<For120>(const InsuredData&, core::Identifier*, PatientLayout);

}  // namespace fhir::shared
