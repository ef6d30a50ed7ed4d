#include "usecases/vmca/convert.h"

#include <algorithm>

#include "boundary/FieldConversion.h"

namespace fhir {
namespace {

std::string text(const HostString& field) { return tevo::toFhirText(field, 0); }

// Upper-cases the ASCII letters; the genders in use are single letters.
std::string upperCased(std::string value) {
    std::transform(value.begin(), value.end(), value.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return value;
}

shared::StreetAddressData convertStreetAddress(const VmcaStreetAddress& address) {
    return {text(address.wohnsitzlaendercode), text(address.postleitzahl), text(address.ortsname),
            text(address.strassenname),        text(address.hausnummer),   text(address.anschriftenzusatz)};
}

shared::PostBoxAddressData convertPostBoxAddress(const VmcaPostBoxAddress& address) {
    return {text(address.wohnsitzlaendercode), text(address.postleitzahl), text(address.ortsname),
            text(address.postfach)};
}

VmcaPatientData convertPatient(const VmcaPatient& patient) {
    VmcaPatientData data;
    data.gkvVersichertennummer = text(patient.gkvVersichertennummer);
    data.kvkVersichertennummer = text(patient.kvkVersichertennummer);
    data.vorname = text(patient.vorname);
    data.nachname = text(patient.nachname);
    data.hauptteilnachname = text(patient.hauptteilnachname);
    data.titel = text(patient.titel);
    data.namenszusatz = text(patient.namenszusatz);
    data.vorsatzwort = text(patient.vorsatzwort);
    data.geburtsdatum = text(patient.geburtsdatum);
    data.geschlecht = upperCased(text(patient.geschlecht));
    data.telefon1 = text(patient.telefon1);
    data.telefon2 = text(patient.telefon2);
    data.strassenadresse = convertStreetAddress(patient.strassenadresse);
    data.postfachanschrift = convertPostBoxAddress(patient.postfachanschrift);
    return data;
}

}  // namespace

VmcaData convertVmcaRecord(const VmcaRecord& record) {
    VmcaData data;
    data.isPtv11 = record.isPtv11;
    data.withPatient = record.withPatient;
    data.ptv11Leistung1 = text(record.ptv11Leistung1);
    data.ptv11Leistung2 = text(record.ptv11Leistung2);
    data.probatorischeLeistung = text(record.probatorischeLeistung);
    data.bsnr = text(record.bsnr);
    data.fachgebietGrob = text(record.fachgebietGrob);
    data.fachgebietFein = text(record.fachgebietFein);
    data.facharztgruppe = text(record.facharztgruppe);
    data.zusatzbezeichnung = text(record.zusatzbezeichnung);
    data.dringlichkeit = text(record.dringlichkeit);
    data.patient = convertPatient(record.patient);
    data.ueberweiserLanr = text(record.ueberweiserLanr);
    data.ueberweiserVorname = text(record.ueberweiserVorname);
    data.ueberweiserNachname = text(record.ueberweiserNachname);
    return data;
}

bool anyFieldSet(const shared::StreetAddressData& a) {
    return !(a.laendercode.empty() && a.postleitzahl.empty() && a.ortsname.empty() && a.strassenname.empty() &&
             a.hausnummer.empty() && a.anschriftenzusatz.empty());
}

bool anyFieldSet(const shared::PostBoxAddressData& a) {
    return !(a.laendercode.empty() && a.postleitzahl.empty() && a.ortsname.empty() && a.postfach.empty());
}

bool VmcaPatientData::emptyForChecks() const {
    return gkvVersichertennummer.empty() && kvkVersichertennummer.empty() && vorname.empty() && nachname.empty() &&
           titel.empty() && namenszusatz.empty() && vorsatzwort.empty() && geburtsdatum.empty() &&
           geschlecht.empty() && !anyFieldSet(strassenadresse) && !anyFieldSet(postfachanschrift);
}

}  // namespace fhir
