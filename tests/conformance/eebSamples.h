// Representative substitute-certificate requests (host records, code page
// 1252) shared by the request tests, the golden documents and the conformance
// run. Every request passes the checks.
#pragma once

#include <string>
#include <vector>

#include "usecases/eeb/EebRecord.h"

namespace eebsamples {

// A practice with a BSNR, a street address, telephone and e-mail.
inline void fillPractice(EebRecord& record) {
    record.custodiantype = "bsnr";
    record.betriebsstaettennummer = "031234567";
    record.name = "Praxis Dr. M\xFCller";
    record.praxisadresse.wohnsitzlaenderkuerzel = "D";
    record.praxisadresse.postleitzahl = "10115";
    record.praxisadresse.ortsname = "Berlin";
    record.praxisadresse.strassenname = "Invalidenstra\xDF" "e";
    record.praxisadresse.hausnummer = "12a";
    record.telefonnummer = "030 1234567";
    record.email = "praxis@example.de";
    record.telematikid = "1-031234567";
}

// A patient without insurance number: name, birth date and street address.
inline EebRecord fullPatient() {
    EebRecord record;
    record.dokumentid = "6b2c9a3e-4f1d-4e2a-9b7c-0d8e5f6a7b8c";
    record.leistungsdatum = "2025-10-15";
    record.einverstaendnis = true;
    record.ursprung = "1.2.276.0.76.4.50";
    record.endpoint = "https://pvs.example.de/KIM";
    record.iknummer = "109519005";
    record.vorname = "Erika";
    record.nachname = "Graf von M\xFCller";
    record.hauptteilnachname = "M\xFCller";
    record.titel = "Dr.";
    record.namenszusatz = "Graf";
    record.vorsatzwort = "von";
    record.geburtsdatum = "1964-08-12";
    record.adresse.wohnsitzlaenderkuerzel = "D";
    record.adresse.postleitzahl = "50667";
    record.adresse.ortsname = "K\xF6ln";
    record.adresse.strassenname = "Domstra\xDF" "e";
    record.adresse.hausnummer = "7";
    record.adresse.anschriftenzusatz = "Hinterhaus";
    fillPractice(record);
    return record;
}

// The same patient known by the insurance number (names and address given
// too, as the host keeps them).
inline EebRecord knownPatient() {
    EebRecord record = fullPatient();
    record.versichertenid = "A123456789";
    record.ursprung = "1.2.276.0.76.4.30";
    return record;
}

struct NamedRequest {
    std::string name;
    EebRecord record;
};

// Both kinds of patient, the custodian types and combinations of contact
// data, origins of both code systems. Left out are the two cases the checks
// let through but the practice's profile rejects (see README.md): a site
// number as the only practice number, and contact data without telephone.
inline std::vector<NamedRequest> allRequests() {
    std::vector<NamedRequest> requests = {{"known_patient", knownPatient()}, {"full_patient", fullPatient()}};
    const std::pair<const char*, const char*> kCustodians[] = {
        {"bsnr", "031234567"}, {"ik", "260326822"}, {"kzv-abrechnungsnummer", "123456789"}};
    for (const auto& [type, number] : kCustodians) {
        for (const EebRecord& base : {knownPatient(), fullPatient()}) {
            EebRecord record = base;
            record.custodiantype = type;
            record.betriebsstaettennummer = number;
            requests.push_back({std::string("custodian_") + type + (base.versichertenid.IsEmpty() ? "_full" : "_known"),
                                record});
        }
    }
    for (int contacts = 1; contacts < 8; contacts += 2) {  // always with telephone
        EebRecord record = fullPatient();
        record.telefonnummer = "030 1234567";
        record.faxnummer = (contacts & 2) ? "030 1234568" : "";
        record.email = (contacts & 4) ? "praxis@example.de" : "";
        requests.push_back({"contacts_" + std::to_string(contacts), record});
    }
    EebRecord dentist = fullPatient();
    dentist.ursprung = "1.2.276.0.76.4.31";
    requests.push_back({"origin_dentist", dentist});
    EebRecord minimal = fullPatient();
    minimal.titel = "";
    minimal.namenszusatz = "";
    minimal.vorsatzwort = "";
    minimal.hauptteilnachname = "";
    minimal.nachname = "Meier";
    minimal.adresse.anschriftenzusatz = "";
    minimal.telematikid = "";
    minimal.einverstaendnis = false;
    requests.push_back({"minimal_full_patient", minimal});
    return requests;
}

}  // namespace eebsamples
