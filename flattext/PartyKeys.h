// Flat-text keys of the party blocks that every host record shares: a person,
// a practice with its address, street and post-box addresses. The binders
// take any host structure with the members of those names; the keys are the
// prefix followed by the member name.
#pragma once

#include <string>

#include "flattext/FieldBinding.h"

namespace tevo::flattext {

// "typ", "nummer", "asvteamnummer", "vorname", "nachname", "hauptteilnachname",
// "titel", "vorsatzwort", "namenszusatz", "berufsbezeichnung", "telematikid",
// "asvfachgruppennummer".
template <class Person>
void bindPerson(FieldBinding& binding, const std::string& prefix, Person& person) {
    binding.bindText(prefix + "typ", person.typ);
    binding.bindText(prefix + "nummer", person.nummer);
    binding.bindText(prefix + "asvteamnummer", person.asvteamnummer);
    binding.bindText(prefix + "vorname", person.vorname);
    binding.bindText(prefix + "nachname", person.nachname);
    binding.bindText(prefix + "hauptteilnachname", person.hauptteilnachname);
    binding.bindText(prefix + "titel", person.titel);
    binding.bindText(prefix + "vorsatzwort", person.vorsatzwort);
    binding.bindText(prefix + "namenszusatz", person.namenszusatz);
    binding.bindText(prefix + "berufsbezeichnung", person.berufsbezeichnung);
    binding.bindText(prefix + "telematikid", person.telematikid);
    binding.bindText(prefix + "asvfachgruppennummer", person.asvfachgruppennummer);
}

// "wohnsitzlaendercode", "postleitzahl", "ortsname", "strassenname",
// "hausnummer", "anschriftenzusatz".
template <class StreetAddress>
void bindStreetAddress(FieldBinding& binding, const std::string& prefix, StreetAddress& address) {
    binding.bindText(prefix + "wohnsitzlaendercode", address.wohnsitzlaendercode);
    binding.bindText(prefix + "postleitzahl", address.postleitzahl);
    binding.bindText(prefix + "ortsname", address.ortsname);
    binding.bindText(prefix + "strassenname", address.strassenname);
    binding.bindText(prefix + "hausnummer", address.hausnummer);
    binding.bindText(prefix + "anschriftenzusatz", address.anschriftenzusatz);
}

// "wohnsitzlaendercode", "postleitzahl", "ortsname", "postfach".
template <class PostBoxAddress>
void bindPostBoxAddress(FieldBinding& binding, const std::string& prefix, PostBoxAddress& address) {
    binding.bindText(prefix + "wohnsitzlaendercode", address.wohnsitzlaendercode);
    binding.bindText(prefix + "postleitzahl", address.postleitzahl);
    binding.bindText(prefix + "ortsname", address.ortsname);
    binding.bindText(prefix + "postfach", address.postfach);
}

// "custodiantype", "betriebsstaettennummer", "name", "telefonnummer",
// "faxnummer", "email", "telematikid" and the address under prefix + "adresse.".
template <class Institution>
void bindInstitution(FieldBinding& binding, const std::string& prefix, Institution& institution) {
    binding.bindText(prefix + "custodiantype", institution.custodiantype);
    binding.bindText(prefix + "betriebsstaettennummer", institution.betriebsstaettennummer);
    binding.bindText(prefix + "name", institution.name);
    binding.bindText(prefix + "telefonnummer", institution.telefonnummer);
    binding.bindText(prefix + "faxnummer", institution.faxnummer);
    binding.bindText(prefix + "email", institution.email);
    binding.bindText(prefix + "telematikid", institution.telematikid);
    bindStreetAddress(binding, prefix + "adresse.", institution.adresse);
}

}  // namespace tevo::flattext
