// Representative appointment-service requests (host records, code page 1252)
// shared by the golden-document tests, the check tests and the conformance
// run. Both pass the checks.
#pragma once

#include "usecases/vmca/VmcaRecord.h"

namespace vmcasamples {

// A request for a specialist with a complete patient: both insurance
// numbers, every name part, both addresses, two telephone numbers.
inline VmcaRecord requestWithPatient() {
    VmcaRecord record;
    record.bsnr = "031234567";
    record.fachgebietGrob = "12";
    record.fachgebietFein = "1203";
    record.facharztgruppe = "030";
    record.zusatzbezeichnung = "027";
    record.dringlichkeit = "urgent";
    record.ueberweiserLanr = "838382202";
    record.ueberweiserVorname = "Paul";
    record.ueberweiserNachname = "M\xFCller";
    VmcaPatient& patient = record.patient;
    patient.gkvVersichertennummer = "A123456780";
    patient.kvkVersichertennummer = "12345678";
    patient.vorname = "Erika";
    patient.nachname = "von Musterfrau";
    patient.hauptteilnachname = "Musterfrau";
    patient.titel = "Dr.";
    patient.namenszusatz = "Freifrau";
    patient.vorsatzwort = "von";
    patient.geburtsdatum = "1964-08-12";
    patient.geschlecht = "w";
    patient.telefon1 = "030 1234567";
    patient.telefon2 = "0170 7654321";
    patient.strassenadresse.wohnsitzlaendercode = "D";
    patient.strassenadresse.postleitzahl = "10117";
    patient.strassenadresse.ortsname = "Berlin";
    patient.strassenadresse.strassenname = "Stra\xDF" "e des 17. Juni";
    patient.strassenadresse.hausnummer = "114a";
    patient.strassenadresse.anschriftenzusatz = "Hinterhaus";
    patient.postfachanschrift.wohnsitzlaendercode = "D";
    patient.postfachanschrift.postleitzahl = "10001";
    patient.postfachanschrift.ortsname = "Berlin";
    patient.postfachanschrift.postfach = "123456";
    return record;
}

// A psychotherapy request under PTV 11 without the patient.
inline VmcaRecord ptv11WithoutPatient() {
    VmcaRecord record;
    record.isPtv11 = true;
    record.withPatient = false;
    record.ptv11Leistung1 = "pt-sprechstunde-erwachsen";
    record.ptv11Leistung2 = "pt-akutbehandlung-erwachsen";
    record.probatorischeLeistung = "verhaltenstherapie";
    record.bsnr = "031234567";
    record.ueberweiserLanr = "838382202";
    record.ueberweiserVorname = "Paul";
    record.ueberweiserNachname = "M\xFCller";
    return record;
}

}  // namespace vmcasamples
