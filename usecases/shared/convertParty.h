// Conversion of the party blocks of a host record into the shared party data.
// The templates read the host structures by their member names, which every
// host record shares (typ, nummer, vorname, postleitzahl, ...); the only
// member that differs between records, the country code of an address, is
// read through `countryCodeOf(address)`, which each host record declares
// next to its address structures (found by argument-dependent lookup).
// Cuts (maximum ANSI characters, 0 = none) are those of every statutory form.
#pragma once

#include <string>

#include "boundary/FieldConversion.h"
#include "boundary/HostString.h"
#include "usecases/shared/PartyData.h"

namespace fhir::shared {

// Member number of the qualification code ("00" .. "04"), 0 otherwise.
int qualificationOf(const std::string& code);

// Files the practice number by `custodiantype` ("bsnr", "ik",
// "kzv-abrechnungsnummer", "snr", case-sensitive); any other kind leaves all
// four slots empty.
void routeInstitutionNumber(InstitutionData& institution);

// Derives the member numbers and the ASV case from the payer's host codes.
void derivePayerCodes(PayerData& payer);

// ASCII letters A-Z in lower case, every other byte unchanged.
std::string lowerAscii(std::string text);

template <class HostPerson>
PersonData convertPerson(const HostPerson& person) {
    using tevo::toFhirText;
    PersonData data;
    data.typ = toFhirText(person.typ, 0);
    data.nummer = toFhirText(person.nummer, 0);
    data.asvteamnummer = toFhirText(person.asvteamnummer, 0);
    data.vorname = toFhirText(person.vorname, 45);
    data.nachname = toFhirText(person.nachname, 0);
    data.hauptteilnachname = toFhirText(person.hauptteilnachname, 45);
    data.titel = toFhirText(person.titel, 100);
    data.vorsatzwort = toFhirText(person.vorsatzwort, 20);
    data.namenszusatz = toFhirText(person.namenszusatz, 20);
    data.berufsbezeichnung = toFhirText(person.berufsbezeichnung, 100);
    data.telematikid = toFhirText(person.telematikid, 128);
    data.asvfachgruppennummer = toFhirText(person.asvfachgruppennummer, 0);
    data.type = qualificationOf(data.typ);
    return data;
}

template <class HostStreetAddress>
StreetAddressData convertStreetAddress(const HostStreetAddress& address) {
    using tevo::toFhirText;
    StreetAddressData data;
    data.laendercode = toFhirText(countryCodeOf(address), 0);
    data.postleitzahl = toFhirText(address.postleitzahl, 10);
    data.ortsname = toFhirText(address.ortsname, 40);
    data.strassenname = toFhirText(address.strassenname, 46);
    data.hausnummer = toFhirText(address.hausnummer, 9);
    data.anschriftenzusatz = toFhirText(address.anschriftenzusatz, 40);
    return data;
}

template <class HostPostBoxAddress>
PostBoxAddressData convertPostBoxAddress(const HostPostBoxAddress& address) {
    using tevo::toFhirText;
    PostBoxAddressData data;
    data.laendercode = toFhirText(countryCodeOf(address), 0);
    data.postleitzahl = toFhirText(address.postleitzahl, 10);
    data.ortsname = toFhirText(address.ortsname, 40);
    data.postfach = toFhirText(address.postfach, 8);
    return data;
}

template <class HostInstitution>
InstitutionData convertInstitution(const HostInstitution& institution) {
    using tevo::toFhirText;
    InstitutionData data;
    data.custodiantype = toFhirText(institution.custodiantype, 0);
    data.betriebsstaettennummer = toFhirText(institution.betriebsstaettennummer, 0);
    data.name = toFhirText(institution.name, 60);
    data.adresse = convertStreetAddress(institution.adresse);
    data.telefonnummer = toFhirText(institution.telefonnummer, 30);
    data.faxnummer = toFhirText(institution.faxnummer, 30);
    data.email = toFhirText(institution.email, 256);
    data.telematikid = toFhirText(institution.telematikid, 128);
    routeInstitutionNumber(data);
    return data;
}

template <class HostRecipient>
PayerData convertPayer(const HostRecipient& recipient) {
    using tevo::toFhirText;
    PayerData data;
    data.kostentraegertyp = toFhirText(recipient.kostentraegertyp, 0);
    data.ikkrankenkasse = toFhirText(recipient.ikkrankenkasse, 0);
    data.ikkostentrager = toFhirText(recipient.ikkostentrager, 0);
    data.namekostentraeger = toFhirText(recipient.namekostentraeger, 0);
    data.wop = toFhirText(recipient.wop, 0);
    data.versichertenart = toFhirText(recipient.versichertenart, 0);
    data.besonderepersonengruppe = toFhirText(recipient.besonderepersonengruppe, 0);
    data.dmpkennzeichen = toFhirText(recipient.dmpkennzeichen, 0);
    data.kennzeichenrechtsgrundlage = toFhirText(recipient.kennzeichenrechtsgrundlage, 0);
    derivePayerCodes(data);
    return data;
}

// Names, dates and both addresses; the insured number is taken over as given
// and left to the use case to file (its kinds differ between forms).
template <class HostInsured>
InsuredData convertInsured(const HostInsured& insured) {
    using tevo::toFhirText;
    InsuredData data;
    data.identifierType = toFhirText(insured.identifierType, 0);
    data.versichertennummer = toFhirText(insured.versichertennummer, 0);
    data.vorname = toFhirText(insured.vorname, 45);
    data.nachname = toFhirText(insured.nachname, 0);
    data.hauptteilnachname = toFhirText(insured.hauptteilnachname, 45);
    data.titel = toFhirText(insured.titel, 20);
    data.vorsatzwort = toFhirText(insured.vorsatzwort, 20);
    data.namenszusatz = toFhirText(insured.namenszusatz, 20);
    data.geburtsdatum = toFhirText(insured.geburtsdatum, 0);
    data.versicherungsschutzende = toFhirText(insured.versicherungsschutzende, 0);
    data.strassenadresse = convertStreetAddress(insured.strassenadresse);
    data.postfachanschrift = convertPostBoxAddress(insured.postfachanschrift);
    return data;
}

}  // namespace fhir::shared
