#include "usecases/eau/convert.h"

#include <utility>

#include "boundary/FieldConversion.h"
#include "fhir/Identity.h"
#include "fhir/r4/codes/Enumerations.h"

namespace fhir {
namespace {

using tevo::toFhirText;

EauPersonData convertPerson(const EauPerson& person) {
    EauPersonData data;
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
    data.type = codes::CS_KBV_CS_FOR_Qualification_Type::fromCode(data.typ);
    return data;
}

EauStreetAddressData convertStreetAddress(const EauStreetAddress& address) {
    EauStreetAddressData data;
    data.wohnsitzlaenderkuerzel = toFhirText(address.wohnsitzlaenderkuerzel, 0);
    data.postleitzahl = toFhirText(address.postleitzahl, 10);
    data.ortsname = toFhirText(address.ortsname, 40);
    data.strassenname = toFhirText(address.strassenname, 46);
    data.hausnummer = toFhirText(address.hausnummer, 9);
    data.anschriftenzusatz = toFhirText(address.anschriftenzusatz, 40);
    return data;
}

EauPostBoxAddressData convertPostBoxAddress(const EauPostBoxAddress& address) {
    EauPostBoxAddressData data;
    data.wohnsitzlaenderkuerzel = toFhirText(address.wohnsitzlaenderkuerzel, 0);
    data.postleitzahl = toFhirText(address.postleitzahl, 10);
    data.ortsname = toFhirText(address.ortsname, 40);
    data.postfach = toFhirText(address.postfach, 8);
    return data;
}

// The custodian type names which identifier slot the institution's number fills.
void fileInstitutionNumber(EauInstitutionData& data) {
    static const std::pair<const char*, std::string EauInstitutionData::*> kSlots[] = {
        {"bsnr", &EauInstitutionData::bsnr},
        {"ik", &EauInstitutionData::ik},
        {"kzv-abrechnungsnummer", &EauInstitutionData::kzvAbrechnungsnummer},
        {"snr", &EauInstitutionData::standortnummer},
    };
    for (const auto& [kind, slot] : kSlots) {
        if (data.custodiantype == kind) {
            data.*slot = data.betriebsstaettennummer;
        }
    }
}

EauInstitutionData convertInstitution(const EauInstitution& institution) {
    EauInstitutionData data;
    data.custodiantype = toFhirText(institution.custodiantype, 0);
    data.betriebsstaettennummer = toFhirText(institution.betriebsstaettennummer, 0);
    data.name = toFhirText(institution.name, 60);
    data.adresse = convertStreetAddress(institution.adresse);
    data.telefonnummer = toFhirText(institution.telefonnummer, 30);
    data.faxnummer = toFhirText(institution.faxnummer, 30);
    data.email = toFhirText(institution.email, 256);
    data.telematikid = toFhirText(institution.telematikid, 128);
    fileInstitutionNumber(data);
    return data;
}

std::string lowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// The identifier type (any case) names which slot the insured number fills.
void fileInsuredNumber(EauData& data) {
    static const std::pair<const char*, std::string EauData::*> kSlots[] = {
        {"gkv", &EauData::gkvNummer},
        {"pkv", &EauData::pkvNummer},
        {"kvk", &EauData::kvkNummer},
    };
    const std::string kind = lowerAscii(data.identifierType);
    for (const auto& [name, slot] : kSlots) {
        if (kind == name) {
            data.*slot = data.versichertennummer;
        }
    }
}

void convertRecipient(const EauRecipient& recipient, EauData& data) {
    data.kostentraegertyp = toFhirText(recipient.kostentraegertyp, 0);
    data.ikkrankenkasse = toFhirText(recipient.ikkrankenkasse, 0);
    data.ikkostentrager = toFhirText(recipient.ikkostentrager, 0);
    data.namekostentraeger = toFhirText(recipient.namekostentraeger, 0);
    data.wop = toFhirText(recipient.wop, 0);
    data.versichertenart = toFhirText(recipient.versichertenart, 0);
    data.besonderepersonengruppe = toFhirText(recipient.besonderepersonengruppe, 0);
    data.dmpkennzeichen = toFhirText(recipient.dmpkennzeichen, 0);
    data.kennzeichenrechtsgrundlage = toFhirText(recipient.kennzeichenrechtsgrundlage, 0);
    data.payerKind = codes::VS_KBV_VS_FOR_Payor_type::fromCode(data.kostentraegertyp);
    data.insuredKind = codes::CS_KBV_CS_SFHIR_KBV_VERSICHERTENSTATUS::fromCode(data.versichertenart);
    data.specialGroup = codes::CS_KBV_CS_SFHIR_KBV_PERSONENGRUPPE::fromCode(data.besonderepersonengruppe);
    data.dmp = codes::CS_KBV_CS_SFHIR_KBV_DMP::fromCode(data.dmpkennzeichen);
    data.legalBasis = codes::CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN::fromCode(data.kennzeichenrechtsgrundlage);
    data.wopCode = codes::CS_KBV_CS_SFHIR_ITA_WOP::fromCode(data.wop);
    data.asvCase = data.kennzeichenrechtsgrundlage == "01" || data.kennzeichenrechtsgrundlage == "11";
}

void convertInsured(const EauInsured& insured, EauData& data) {
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
    fileInsuredNumber(data);
}

// Clinical and verification status by certainty member ("A", "G", "V", "Z").
struct DiagnosisStatus {
    int clinical;
    int verification;
};
constexpr DiagnosisStatus kStatusByCertainty[] = {
    {0, eaucode::kVerificationRefuted},                          // A
    {eaucode::kClinicalActive, eaucode::kVerificationConfirmed},  // G
    {eaucode::kClinicalActive, eaucode::kVerificationProvisional},  // V
    {eaucode::kClinicalResolved, eaucode::kVerificationConfirmed},  // Z
};
constexpr int kCertaintyConfirmed = 2;  // "G"

EauDiagnosisData convertDiagnosis(const Icd10Code& diagnosis, bool noStatusForUnknownCertainty) {
    EauDiagnosisData data;
    data.code = toFhirText(diagnosis.code, 0);
    data.version = toFhirText(diagnosis.version, 0);
    data.diagnosesicherheit = toFhirText(diagnosis.diagnosesicherheit, 0);
    data.seitenlokalisation = toFhirText(diagnosis.seitenlokalisation, 0);
    data.certainty = codes::CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT::fromCode(data.diagnosesicherheit);
    data.side = codes::CS_KBV_CS_SFHIR_ICD_SEITENLOKALISATION::fromCode(data.seitenlokalisation);
    if (data.certainty == 0 && !noStatusForUnknownCertainty) {
        data.certainty = kCertaintyConfirmed;
    }
    if (data.certainty != 0) {
        const DiagnosisStatus& status = kStatusByCertainty[data.certainty - 1];
        data.clinicalStatus = status.clinical;
        data.verificationStatus = status.verification;
    }
    return data;
}

int auTypeOf(const EauDetails& details) {
    if (details.folgebescheinigung) {
        return details.endbescheinigung ? eaucode::kAuFollowUpFinal : eaucode::kAuFollowUp;
    }
    if (details.erstbescheinigung) {
        return details.endbescheinigung ? eaucode::kAuFirstFinal : eaucode::kAuFirst;
    }
    return 0;
}

// Flags that make up a list, in list order, with the member each one adds.
template <class Flags>
std::vector<int> collect(const Flags& flags, const EauDetails& details) {
    std::vector<int> members;
    for (const auto& [flag, member] : flags) {
        if (details.*flag) {
            members.push_back(member);
        }
    }
    return members;
}

const std::pair<bool EauDetails::*, int> kCauseFlags[] = {
    {&EauDetails::sonstigerunfall, eaucode::kCauseOtherAccident},
    {&EauDetails::arbeitsunfall, eaucode::kCauseWorkAccident},
    {&EauDetails::versorgungsleiden, eaucode::kCausePensionCare},
};
const std::pair<bool EauDetails::*, int> kMeasureFlags[] = {
    {&EauDetails::darztzugewiesen, eaucode::kMeasureDArzt},
    {&EauDetails::leistungenreha, eaucode::kMeasureReha},
    {&EauDetails::stationaereheilbehandlung, eaucode::kMeasureInPatient},
    {&EauDetails::wiedereingliederung, eaucode::kMeasureReintegration},
    {&EauDetails::sonstige, eaucode::kMeasureOther},
};

void convertDetails(const EauDetails& details, bool noStatusForUnknownCertainty, EauData& data) {
    data.ausstellungsdatum = toFhirText(details.ausstellungsdatum, 0);
    data.auseit = toFhirText(details.auseit, 0);
    data.voraussichtlichaubis = toFhirText(details.voraussichtlichaubis, 0);
    data.festgestelltam = toFhirText(details.festgestelltam, 0);
    data.darztzugewiesen = details.darztzugewiesen;
    data.erstbescheinigung = details.erstbescheinigung;
    data.folgebescheinigung = details.folgebescheinigung;
    data.sonstigerunfall = details.sonstigerunfall;
    data.arbeitsunfall = details.arbeitsunfall;
    data.versorgungsleiden = details.versorgungsleiden;
    data.leistungenreha = details.leistungenreha;
    data.wiedereingliederung = details.wiedereingliederung;
    data.sonstige = details.sonstige;
    data.sonstigetext = toFhirText(details.sonstigetext, 70);
    data.teilweisearbeitsfaehigab = toFhirText(details.teilweisearbeitsfaehigab, 0);
    data.berufsunfaehigkeit = details.berufsunfaehigkeit;
    data.wiedereingliederungab = toFhirText(details.wiedereingliederungab, 0);
    data.stationaereheilbehandlung = details.stationaereheilbehandlung;
    data.aufnahmedatum = toFhirText(details.aufnahmedatum, 0);
    data.entlassungsdatum = toFhirText(details.entlassungsdatum, 0);
    for (const Icd10Code& diagnosis : details.diagnosen) {
        data.diagnosen.push_back(convertDiagnosis(diagnosis, noStatusForUnknownCertainty));
    }
    data.diagnosetext = toFhirText(details.diagnosetext, 70);
    data.siebteauwoche = details.siebteauwoche;
    data.endbescheinigung = details.endbescheinigung;

    data.auType = auTypeOf(details);
    if (data.auType == eaucode::kAuFollowUp || data.auType == eaucode::kAuFollowUpFinal) {
        data.auseit.clear();  // a follow-up certificate carries no since-date
    }
    data.causes = collect(kCauseFlags, details);
    data.measures = collect(kMeasureFlags, details);
}

}  // namespace

EauData convertEauRecord(const EauRecord& record, bool noStatusForUnknownCertainty) {
    EauData data;
    data.pruefnummer = toFhirText(record.dokumenteninformationen.pruefnummer, 0);
    data.dokumentenid = toFhirText(record.dokumenteninformationen.dokumentenid, 0);
    convertRecipient(record.empfaenger, data);
    convertInsured(record.versicherter, data);
    data.person = convertPerson(record.person);
    data.verantwortlichePerson = convertPerson(record.verantwortlichePerson);
    data.institution = convertInstitution(record.institution);
    convertDetails(record.angaben, noStatusForUnknownCertainty, data);
    data.creationTime = currentTimestamp();
    return data;
}

EauStornoData convertEauStornoRecord(const EauStornoRecord& record) {
    EauStornoData data;
    data.dokumentenid = toFhirText(record.dokumentenid, 0);
    data.dokumentenidsubmission = toFhirText(record.dokumentenidsubmission, 0);
    data.stornodatum = toFhirText(record.stornodatum, 0);
    data.person = convertPerson(record.person);
    data.institution = convertInstitution(record.institution);
    data.creationTime = currentTimestamp();
    return data;
}

}  // namespace fhir
