#include "usecases/eeb/convert.h"

#include "boundary/FieldConversion.h"
#include "fhir/Identity.h"
#include "fhir/r4/codes/Enumerations.h"
#include "usecases/shared/convertParty.h"

// The country code of the request's addresses, as the shared conversion reads
// it.
inline const HostString& countryCodeOf(const EebStreetAddress& address) { return address.wohnsitzlaenderkuerzel; }

namespace fhir {
namespace {

using tevo::toFhirText;

// The practice fields of the request under the member names the shared
// conversion reads.
struct PracticeFields {
    const HostString& custodiantype;
    const HostString& betriebsstaettennummer;
    const HostString& name;
    const EebStreetAddress& adresse;
    const HostString& telefonnummer;
    const HostString& faxnummer;
    const HostString& email;
    const HostString& telematikid;
};

shared::InsuredData convertPatient(const EebRecord& record) {
    shared::InsuredData data;
    data.strassenadresse = shared::convertStreetAddress(record.adresse);
    data.vorname = toFhirText(record.vorname, 45);
    data.nachname = toFhirText(record.nachname, 0);
    data.hauptteilnachname = toFhirText(record.hauptteilnachname, 45);
    data.titel = toFhirText(record.titel, 20);
    data.namenszusatz = toFhirText(record.namenszusatz, 20);
    data.vorsatzwort = toFhirText(record.vorsatzwort, 20);
    data.geburtsdatum = toFhirText(record.geburtsdatum, 0);
    return data;
}

}  // namespace

EebData convertEebRecord(const EebRecord& record) {
    EebData data;
    data.patient = convertPatient(record);
    data.praxis = shared::convertInstitution(PracticeFields{
        record.custodiantype, record.betriebsstaettennummer, record.name, record.praxisadresse, record.telefonnummer,
        record.faxnummer, record.email, record.telematikid});
    data.leistungsdatum = toFhirText(record.leistungsdatum, 0);
    data.einverstaendnis = record.einverstaendnis;
    data.ursprung = codes::VS_EEBAnfrageUrsprungVS::fromCode(toFhirText(record.ursprung, 0));
    data.endpoint = toFhirText(record.endpoint, 0);
    data.iknummer = toFhirText(record.iknummer, 0);
    data.patient.versichertennummer = toFhirText(record.versichertenid, 0);
    data.dokumentid = toFhirText(record.dokumentid, 0);
    data.creationTime = currentTimestamp();
    return data;
}

}  // namespace fhir
