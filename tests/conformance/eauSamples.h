// Representative certificates and cancellations (host records, code page
// 1252) shared by the golden-document tests, the structure tests and the
// conformance run. Every certificate passes the checks of both versions.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "usecases/eau/EauRecord.h"
#include "usecases/eau/EauStornoRecord.h"

namespace eausamples {

// Issue dates that select the two profile generations.
constexpr const char* kDate110 = "20240315";
constexpr const char* kDate120 = "20251015";

inline Icd10Code diagnosis(const char* code, const char* certainty, const char* side = "") {
    Icd10Code icd;
    icd.code = code;
    icd.version = "2024";
    icd.diagnosesicherheit = certainty;
    icd.seitenlokalisation = side;
    return icd;
}

// The day `day` ("01".."28") of the issue date's month.
inline HostString sameMonth(const char* issueDate, const char* day) {
    return HostString(std::string(issueDate).substr(0, 6) + day);
}

inline EauPerson physician() {
    EauPerson person;
    person.typ = "00";
    person.nummer = "838382202";
    person.vorname = "Paul";
    person.nachname = "M\xFCller";
    person.hauptteilnachname = "M\xFCller";
    person.titel = "Dr. med.";
    person.berufsbezeichnung = "Facharzt f\xFCr Innere Medizin";
    return person;
}

inline EauInstitution practice() {
    EauInstitution institution;
    institution.custodiantype = "bsnr";
    institution.betriebsstaettennummer = "031234567";
    institution.name = "Praxis Dr. M\xFCller";
    institution.adresse.wohnsitzlaenderkuerzel = "D";
    institution.adresse.postleitzahl = "10623";
    institution.adresse.ortsname = "Berlin";
    institution.adresse.strassenname = "Herbert-Lewin-Platz";
    institution.adresse.hausnummer = "2";
    institution.telefonnummer = "0301234567";
    return institution;
}

// A first certificate for a GKV insured with two diagnoses.
inline EauRecord gkvCertificate(const char* issueDate) {
    EauRecord record;
    record.dokumenteninformationen.pruefnummer = "Y/400/2107/36/999";
    record.dokumenteninformationen.dokumentenid = "5af39963-9272-4e2f-9dca-b917ba485ca1";
    record.empfaenger.kostentraegertyp = "GKV";
    record.empfaenger.ikkrankenkasse = "104212059";
    record.empfaenger.namekostentraeger = "AOK Rheinland/Hamburg";
    record.empfaenger.wop = "38";
    record.empfaenger.versichertenart = "1";
    record.empfaenger.besonderepersonengruppe = "00";
    record.empfaenger.dmpkennzeichen = "00";
    record.empfaenger.kennzeichenrechtsgrundlage = "00";
    record.versicherter.identifierType = "GKV";
    record.versicherter.versichertennummer = "X234567890";
    record.versicherter.vorname = "Ludger";
    record.versicherter.nachname = "K\xF6nigsstein";
    record.versicherter.hauptteilnachname = "K\xF6nigsstein";
    record.versicherter.geburtsdatum = "19350622";
    record.versicherter.versicherungsschutzende = "20291231";
    record.versicherter.strassenadresse.wohnsitzlaenderkuerzel = "D";
    record.versicherter.strassenadresse.postleitzahl = "10623";
    record.versicherter.strassenadresse.ortsname = "Berlin";
    record.versicherter.strassenadresse.strassenname = "Musterstr.";
    record.versicherter.strassenadresse.hausnummer = "1";
    record.person = physician();
    record.institution = practice();
    record.angaben.ausstellungsdatum = issueDate;
    record.angaben.auseit = issueDate;
    record.angaben.voraussichtlichaubis = sameMonth(issueDate, "28");
    record.angaben.festgestelltam = issueDate;
    record.angaben.erstbescheinigung = true;
    record.angaben.diagnosen = {diagnosis("J06.9", "G"), diagnosis("M54.5", "V", "L")};
    return record;
}

// A follow-up certificate for a PKV insured with everything a certificate
// can carry besides ASV: measures with their dates and text, causes, the
// seventh week, free diagnosis text, six diagnoses, a post-box address, an
// unknown birth date and every name part.
inline EauRecord pkvFollowUp(const char* issueDate) {
    EauRecord record = gkvCertificate(issueDate);
    record.dokumenteninformationen.dokumentenid = "0e9c402b-a1fc-4e21-a248-6dd7fb99d99c";
    record.empfaenger.kostentraegertyp = "PKV";
    record.empfaenger.ikkrankenkasse = "168141347";
    record.empfaenger.namekostentraeger = "Bayerische Beamtenkrankenkasse";
    record.versicherter.identifierType = "pkv";
    record.versicherter.versichertennummer = "P123464113";
    record.versicherter.titel = "Prof.";
    record.versicherter.vorsatzwort = "von";
    record.versicherter.namenszusatz = "Freiherr";
    record.versicherter.nachname = "Freiherr von Stra\xDF" "burg";
    record.versicherter.hauptteilnachname = "Stra\xDF" "burg";
    record.versicherter.geburtsdatum = "00000000";
    record.versicherter.strassenadresse = EauStreetAddress();
    record.versicherter.postfachanschrift.wohnsitzlaenderkuerzel = "D";
    record.versicherter.postfachanschrift.postleitzahl = "80333";
    record.versicherter.postfachanschrift.ortsname = "M\xFCnchen";
    record.versicherter.postfachanschrift.postfach = "123456";
    record.institution.faxnummer = "0301234568";
    record.institution.email = "praxis@example.org";
    record.institution.telematikid = "1-2-PRAXIS-01";
    record.institution.adresse.anschriftenzusatz = "Hinterhaus";
    record.person.telematikid = "1-2-ARZT-MUELLER-01";
    record.angaben.erstbescheinigung = false;
    record.angaben.folgebescheinigung = true;
    record.angaben.endbescheinigung = true;
    record.angaben.arbeitsunfall = true;
    record.angaben.sonstigerunfall = true;
    record.angaben.siebteauwoche = true;
    record.angaben.berufsunfaehigkeit = true;
    record.angaben.teilweisearbeitsfaehigab = sameMonth(issueDate, "20");
    record.angaben.leistungenreha = true;
    record.angaben.aufnahmedatum = sameMonth(issueDate, "16");
    record.angaben.entlassungsdatum = sameMonth(issueDate, "27");
    record.angaben.wiedereingliederung = true;
    record.angaben.wiedereingliederungab = sameMonth(issueDate, "21");
    record.angaben.sonstige = true;
    record.angaben.sonstigetext = "Physiotherapie";
    record.angaben.diagnosetext = "R\xFC" "ckenschmerzen nach Sturz";
    record.angaben.diagnosen = {diagnosis("M54.5", "G", "B"), diagnosis("S32.0", "A"), diagnosis("S22.32", "Z", "R"),
                                diagnosis("R52.9", "V"), diagnosis("M79.1", "G"), diagnosis("G44.2", "G")};
    return record;
}

// BG: accident at work with the payer's IK as alternative IK, referral to
// the accident physician, a dentist issuing under a KZV billing number.
inline EauRecord bgDentist(const char* issueDate) {
    EauRecord record = gkvCertificate(issueDate);
    record.empfaenger.kostentraegertyp = "BG";
    record.empfaenger.ikkostentrager = "120390147";
    record.empfaenger.namekostentraeger = "BG Bau";
    record.person.typ = "01";
    record.person.nummer = "123456789";
    record.person.berufsbezeichnung = "Zahnarzt";
    record.institution.custodiantype = "kzv-abrechnungsnummer";
    record.institution.betriebsstaettennummer = "021234567";
    record.angaben.arbeitsunfall = true;
    record.angaben.darztzugewiesen = true;
    record.angaben.diagnosen = {diagnosis("S02.5", "G")};
    return record;
}

// A self-payer without insurance codes and without insured number.
inline EauRecord selfPayer(const char* issueDate) {
    EauRecord record = gkvCertificate(issueDate);
    record.empfaenger = EauRecipient();
    record.empfaenger.kostentraegertyp = "SEL";
    record.empfaenger.namekostentraeger = "Selbstzahler";
    record.versicherter.identifierType = "";
    record.versicherter.versichertennummer = "";
    record.versicherter.versicherungsschutzende = "";
    record.institution.custodiantype = "ik";
    record.institution.betriebsstaettennummer = "260326822";
    return record;
}

// ASV: legal basis "01", issued under an ASV specialist group number by a
// team with its own number.
inline EauRecord asvCertificate(const char* issueDate) {
    EauRecord record = gkvCertificate(issueDate);
    record.empfaenger.kennzeichenrechtsgrundlage = "01";
    record.person.nummer = "";
    record.person.asvfachgruppennummer = "555555501";
    record.person.asvteamnummer = "345678901";
    record.angaben.diagnosen = {diagnosis("C50.9", "G", "L"), diagnosis("Z51.1", "G"), diagnosis("R53", "V")};
    return record;
}

// A physician in training ("03") issues; the responsible physician attests.
inline EauRecord inTraining(const char* issueDate) {
    EauRecord record = gkvCertificate(issueDate);
    record.person.typ = "03";
    record.person.nummer = "";
    record.person.vorname = "Lena";
    record.person.nachname = "Schmidt";
    record.person.hauptteilnachname = "Schmidt";
    record.person.titel = "";
    record.person.berufsbezeichnung = "\xC4rztin in Weiterbildung";
    record.verantwortlichePerson = physician();
    return record;
}

// A responsible person is ignored unless the issuing person is in training.
inline EauRecord responsibleIgnored(const char* issueDate) {
    EauRecord record = gkvCertificate(issueDate);
    record.verantwortlichePerson = physician();
    record.verantwortlichePerson.vorname = "Eva";
    return record;
}

// SKT: an insured with the number of the old insurance card.
inline EauRecord sktCard(const char* issueDate) {
    EauRecord record = gkvCertificate(issueDate);
    record.empfaenger.kostentraegertyp = "SKT";
    record.versicherter.identifierType = "kvk";
    record.versicherter.versichertennummer = "123456789";
    record.institution.custodiantype = "snr";
    record.institution.betriebsstaettennummer = "771234567";
    return record;
}

// A street without house number but with an address addition, and a
// diagnosis without certainty (written without status).
inline EauRecord sparseDetails(const char* issueDate) {
    EauRecord record = gkvCertificate(issueDate);
    record.versicherter.strassenadresse.hausnummer = "";
    record.versicherter.strassenadresse.strassenname = "Am Anger";
    record.versicherter.strassenadresse.anschriftenzusatz = "bei Meier";
    record.angaben.diagnosen = {diagnosis("J06.9", "")};
    return record;
}

inline EauStornoRecord cancellation(const char* cancellationDate) {
    EauStornoRecord record;
    record.dokumentenid = "6413570d-d8ce-4afa-9f6e-0950111a4cb8";
    record.dokumentenidsubmission = "5af39963-9272-4e2f-9dca-b917ba485ca1";
    record.stornodatum = cancellationDate;
    record.person = physician();
    record.institution = practice();
    return record;
}

struct NamedCertificate {
    std::string name;
    EauRecord record;
};

// Every sample certificate in both generations, named "<sample>_<version>".
inline std::vector<NamedCertificate> allCertificates() {
    using Make = EauRecord (*)(const char*);
    const std::pair<const char*, Make> kSamples[] = {
        {"gkv", gkvCertificate},        {"pkv_followup", pkvFollowUp}, {"bg_dentist", bgDentist},
        {"sel", selfPayer},             {"asv", asvCertificate},       {"in_training", inTraining},
        {"responsible_ignored", responsibleIgnored}, {"skt_card", sktCard},
        {"sparse_details", sparseDetails},
    };
    std::vector<NamedCertificate> certificates;
    for (const auto& [name, make] : kSamples) {
        certificates.push_back({std::string(name) + "_110", make(kDate110)});
        certificates.push_back({std::string(name) + "_120", make(kDate120)});
    }
    return certificates;
}

}  // namespace eausamples
