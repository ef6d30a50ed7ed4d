#include "usecases/eau/convert.h"

#include <utility>

#include "boundary/FieldConversion.h"
#include "fhir/Identity.h"
#include "fhir/r4/codes/Enumerations.h"
#include "usecases/shared/convertParty.h"

// The eAU addresses keep their country code in `wohnsitzlaenderkuerzel`.
inline const HostString& countryCodeOf(const EauStreetAddress& address) { return address.wohnsitzlaenderkuerzel; }
inline const HostString& countryCodeOf(const EauPostBoxAddress& address) { return address.wohnsitzlaenderkuerzel; }

namespace fhir {
namespace {

using tevo::toFhirText;

// The identifier type (any case) names which slot the insured number fills.
void fileInsuredNumber(EauData& data) {
    static const std::pair<const char*, std::string EauData::*> kSlots[] = {
        {"gkv", &EauData::gkvNummer},
        {"pkv", &EauData::pkvNummer},
        {"kvk", &EauData::kvkNummer},
    };
    const std::string kind = shared::lowerAscii(data.identifierType);
    for (const auto& [name, slot] : kSlots) {
        if (kind == name) {
            data.*slot = data.versichertennummer;
        }
    }
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
    static_cast<shared::PayerData&>(data) = shared::convertPayer(record.empfaenger);
    static_cast<shared::InsuredData&>(data) = shared::convertInsured(record.versicherter);
    fileInsuredNumber(data);
    data.person = shared::convertPerson(record.person);
    data.verantwortlichePerson = shared::convertPerson(record.verantwortlichePerson);
    data.institution = shared::convertInstitution(record.institution);
    convertDetails(record.angaben, noStatusForUnknownCertainty, data);
    data.creationTime = currentTimestamp();
    return data;
}

EauStornoData convertEauStornoRecord(const EauStornoRecord& record) {
    EauStornoData data;
    data.dokumentenid = toFhirText(record.dokumentenid, 0);
    data.dokumentenidsubmission = toFhirText(record.dokumentenidsubmission, 0);
    data.stornodatum = toFhirText(record.stornodatum, 0);
    data.person = shared::convertPerson(record.person);
    data.institution = shared::convertInstitution(record.institution);
    data.creationTime = currentTimestamp();
    return data;
}

}  // namespace fhir
