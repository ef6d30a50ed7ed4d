// Representative bonus-booklet entries (host records, code page 1252) shared
// by the golden-document tests, the extraction tests, the benchmarks and the
// conformance run. Every sample passes the checks.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "usecases/miozaeb/ZaebRecord.h"

namespace zaebsamples {

inline ZaebPatient patient() {
    ZaebPatient patient;
    patient.insuranceNumber = "X234567890";
    patient.givenName = "J\xFCrgen";
    patient.familyName = "Freiherr von M\xFCller-L\xFC" "denscheid";
    patient.ownName = "M\xFCller-L\xFC" "denscheid";
    patient.title = "Dr.";
    patient.nameSuffix = "Freiherr";
    patient.prefixWord = "von";
    patient.birthDate = "1978-05-23";
    patient.address.countryCode = "D";
    patient.address.postalCode = "10117";
    patient.address.city = "Berlin";
    patient.address.street = "Stra\xDF" "e des 17. Juni";
    patient.address.houseNumber = "12a";
    patient.address.addition = "Hinterhaus";
    return patient;
}

inline ZaebPractice practice() {
    ZaebPractice practice;
    practice.kzvNumber = "123456789";
    practice.name = "Zahnarztpraxis Sonnenschein";
    practice.address.countryCode = "D";
    practice.address.postalCode = "50667";
    practice.address.city = "K\xF6ln";
    practice.address.street = "Hohe Stra\xDF" "e";
    practice.address.houseNumber = "5";
    practice.phone = "0221 123456";
    practice.fax = "0221 123457";
    practice.email = "praxis@sonnenschein.example";
    return practice;
}

// Gap-free documentation since 2019 and a check-up of an adult.
inline ZaebRecord both() {
    ZaebRecord record;
    record.bundleId = "7b1c6a0e-3f3d-4c55-9a43-2f1d9c0e5b11";
    record.timestamp = "2025-10-15T09:30:05+02:00";
    record.gaplessDocumentationDate = "2019-01-01";
    record.checkUpDate = "2025-10-14";
    record.checkUpCode = "63963009";
    record.patient = patient();
    record.practice = practice();
    return record;
}

inline ZaebRecord gaplessOnly() {
    ZaebRecord record = both();
    record.checkUpDate.clear();
    record.checkUpCode.clear();
    return record;
}

// A child's check-up at a practice known by its BSNR, patient without title,
// name suffix and prefix word.
inline ZaebRecord checkUpOnly() {
    ZaebRecord record = both();
    record.gaplessDocumentationDate.clear();
    record.checkUpCode = "2115003";
    record.patient.givenName = "Mia";
    record.patient.familyName = "Schulz";
    record.patient.ownName = "Schulz";
    record.patient.title.clear();
    record.patient.nameSuffix.clear();
    record.patient.prefixWord.clear();
    record.patient.address.addition.clear();
    record.practice.kzvNumber.clear();
    record.practice.bsnr = "987654321";
    record.practice.fax.clear();
    return record;
}

struct NamedEntry {
    const char* name;
    ZaebRecord record;
};

inline std::vector<NamedEntry> allEntries() {
    return {{"both", both()}, {"gapless_only", gaplessOnly()}, {"checkup_only", checkUpOnly()}};
}

}  // namespace zaebsamples
