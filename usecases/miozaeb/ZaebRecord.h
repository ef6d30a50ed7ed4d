// The dental bonus booklet entry as the host fills it. Unlike the other host
// records its fields are narrow standard-library strings (code page 1252 on
// the way in; UTF-8 as received when the record is filled from a bundle).
// The member order is part of the host interface.
#pragma once

#include <string>

// A street address of the patient or of the practice.
struct ZaebAddress {
    std::string countryCode;
    std::string postalCode;
    std::string city;
    std::string street;
    std::string houseNumber;
    std::string addition;
};

struct ZaebPatient {
    std::string insuranceNumber;  // KVID-10
    std::string givenName;
    std::string familyName;  // the full family name
    std::string ownName;  // family name without prefix word and name suffix
    std::string title;
    std::string nameSuffix;  // Namenszusatz
    std::string prefixWord;  // Vorsatzwort
    std::string birthDate;
    ZaebAddress address;
};

struct ZaebPractice {
    std::string ikNumber;  // institution code
    std::string bsnr;  // practice number
    std::string kzvNumber;  // KZV billing number
    std::string name;
    ZaebAddress address;
    std::string phone;
    std::string fax;
    std::string email;
    std::string url;  // fourth contact field; not written into the document
};

struct ZaebRecord {
    std::string bundleId;  // UUID of the bundle
    std::string timestamp;  // bundle timestamp and composition date
    std::string gaplessDocumentationDate;  // since when the paper booklet is gap-free
    std::string checkUpDate;
    std::string checkUpCode;  // SNOMED CT: "2115003" or "63963009"
    ZaebPatient patient;
    ZaebPractice practice;
};
