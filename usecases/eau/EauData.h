// The certificate after conversion: every text trimmed, cut to its maximum and
// converted to UTF-8, plus the coded values derived from the host codes. Both
// profile versions build from the same data.
//
// Derived codes are member numbers of the matching code-system enumerations
// (0 = EMPTY: absent or unknown code); those of the parties are listed in
// usecases/shared/PartyData.h:
//   auType            CS_KBV_CS_EAU_AU_Type
//   causes            CS_KBV_CS_FOR_Ursache_Type
//   measures          CS_KBV_CS_EAU_WeitereSchritte_Type
//   certainty         CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT
//   side              CS_KBV_CS_SFHIR_ICD_SEITENLOKALISATION
//   clinicalStatus    CS_ConditionClinicalStatusCodes (0 = write none)
//   verificationStatus CS_ConditionVerificationStatus (0 = write none)
#pragma once

#include <string>
#include <vector>

#include "usecases/shared/PartyData.h"

namespace fhir {

// Member numbers that the checks and the builders test for.
namespace eaucode {
constexpr int kAuFirst = 1;  // ERST
constexpr int kAuFirstFinal = 2;  // ERST_END
constexpr int kAuFollowUp = 3;  // FOLGE
constexpr int kAuFollowUpFinal = 4;  // FOLGE_END

constexpr int kCauseOtherAccident = 1;
constexpr int kCauseWorkAccident = 2;
constexpr int kCausePensionCare = 3;

constexpr int kMeasureDArzt = 1;
constexpr int kMeasureReha = 2;
constexpr int kMeasureOther = 3;
constexpr int kMeasureInPatient = 4;
constexpr int kMeasureReintegration = 5;

constexpr int kClinicalActive = 1;
constexpr int kClinicalResolved = 6;
constexpr int kVerificationConfirmed = 1;
constexpr int kVerificationProvisional = 4;
constexpr int kVerificationRefuted = 5;
}  // namespace eaucode

using EauPersonData = shared::PersonData;
using EauStreetAddressData = shared::StreetAddressData;
using EauPostBoxAddressData = shared::PostBoxAddressData;
using EauInstitutionData = shared::InstitutionData;

struct EauDiagnosisData {
    std::string code;
    std::string version;
    std::string diagnosesicherheit;
    std::string seitenlokalisation;
    int certainty = 0;  // "A" 1, "G" 2, "V" 3, "Z" 4 (2 when taken as "G")
    int side = 0;  // "B" 1, "L" 2, "R" 3
    int clinicalStatus = 0;
    int verificationStatus = 0;
};

struct EauData : shared::PayerData, shared::InsuredData {
    // dokumenteninformationen
    std::string pruefnummer;
    std::string dokumentenid;

    // empfaenger (PayerData) and versicherter (InsuredData); the eAU knows
    // a third kind of insured number, that of the old insurance card.
    std::string kvkNummer;

    EauPersonData person;  // issuing person
    EauPersonData verantwortlichePerson;  // responsible person
    EauInstitutionData institution;

    // angaben
    std::string ausstellungsdatum;
    std::string auseit;  // empty for follow-up certificates
    std::string voraussichtlichaubis;
    std::string festgestelltam;
    bool darztzugewiesen = false;
    bool erstbescheinigung = false;
    bool folgebescheinigung = false;
    bool sonstigerunfall = false;
    bool arbeitsunfall = false;
    bool versorgungsleiden = false;
    bool leistungenreha = false;
    bool wiedereingliederung = false;
    bool sonstige = false;
    std::string sonstigetext;
    std::string teilweisearbeitsfaehigab;
    bool berufsunfaehigkeit = false;
    std::string wiedereingliederungab;
    bool stationaereheilbehandlung = false;
    std::string aufnahmedatum;
    std::string entlassungsdatum;
    std::vector<EauDiagnosisData> diagnosen;
    std::string diagnosetext;
    bool siebteauwoche = false;
    bool endbescheinigung = false;
    int auType = 0;
    std::vector<int> causes;  // order: other accident, work accident, pension care
    std::vector<int> measures;  // order: d_arzt, reha, stationaere, wiedereingliederung, sonstige

    std::string creationTime;  // "%Y-%m-%dT%H:%M:%SZ", taken once per call
};

struct EauStornoData {
    std::string dokumentenid;
    std::string dokumentenidsubmission;
    std::string stornodatum;
    EauPersonData person;
    EauInstitutionData institution;
    std::string creationTime;
};

}  // namespace fhir
