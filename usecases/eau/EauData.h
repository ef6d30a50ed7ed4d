// The certificate after conversion: every text trimmed, cut to its maximum and
// converted to UTF-8, plus the coded values derived from the host codes. Both
// profile versions build from the same data.
//
// Derived codes are member numbers of the matching code-system enumerations
// (0 = EMPTY: absent or unknown code):
//   payerKind         VS_KBV_VS_FOR_Payor_type        1 SKT .. 6 SEL
//   insuredKind       CS_KBV_CS_SFHIR_KBV_VERSICHERTENSTATUS
//   specialGroup      CS_KBV_CS_SFHIR_KBV_PERSONENGRUPPE
//   dmp               CS_KBV_CS_SFHIR_KBV_DMP
//   legalBasis        CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN
//   wopCode           CS_KBV_CS_SFHIR_ITA_WOP
//   person type       CS_KBV_CS_FOR_Qualification_Type
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

namespace fhir {

// Member numbers that the checks and the builders test for.
namespace eaucode {
constexpr int kPayerSkt = 1;
constexpr int kPayerUk = 2;
constexpr int kPayerBg = 3;
constexpr int kPayerGkv = 4;
constexpr int kPayerPkv = 5;
constexpr int kPayerSel = 6;

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

struct EauPersonData {
    std::string typ;
    std::string nummer;
    std::string asvteamnummer;
    std::string vorname;
    std::string nachname;
    std::string hauptteilnachname;
    std::string titel;
    std::string vorsatzwort;
    std::string namenszusatz;
    std::string berufsbezeichnung;
    std::string telematikid;
    std::string asvfachgruppennummer;
    int type = 0;  // CS_KBV_CS_FOR_Qualification_Type member: "00" 1 .. "04" 5
};

struct EauStreetAddressData {
    std::string wohnsitzlaenderkuerzel;
    std::string postleitzahl;
    std::string ortsname;
    std::string strassenname;
    std::string hausnummer;
    std::string anschriftenzusatz;
};

struct EauPostBoxAddressData {
    std::string wohnsitzlaenderkuerzel;
    std::string postleitzahl;
    std::string ortsname;
    std::string postfach;
};

struct EauInstitutionData {
    std::string custodiantype;
    std::string betriebsstaettennummer;
    std::string name;
    EauStreetAddressData adresse;
    std::string telefonnummer;
    std::string faxnummer;
    std::string email;
    std::string telematikid;
    // betriebsstaettennummer filed by custodiantype; at most one is set.
    std::string bsnr;
    std::string ik;
    std::string kzvAbrechnungsnummer;
    std::string standortnummer;
};

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

struct EauData {
    // dokumenteninformationen
    std::string pruefnummer;
    std::string dokumentenid;

    // empfaenger
    std::string kostentraegertyp;
    std::string ikkrankenkasse;
    std::string ikkostentrager;
    std::string namekostentraeger;
    std::string wop;
    std::string versichertenart;
    std::string besonderepersonengruppe;
    std::string dmpkennzeichen;
    std::string kennzeichenrechtsgrundlage;
    int payerKind = 0;
    int insuredKind = 0;
    int specialGroup = 0;
    int dmp = 0;
    int legalBasis = 0;
    int wopCode = 0;
    bool asvCase = false;  // legal basis "01" or "11"

    // versicherter
    std::string identifierType;
    std::string versichertennummer;
    std::string gkvNummer;  // versichertennummer filed by identifierType
    std::string pkvNummer;
    std::string kvkNummer;
    std::string vorname;
    std::string nachname;
    std::string hauptteilnachname;
    std::string titel;
    std::string vorsatzwort;
    std::string namenszusatz;
    std::string geburtsdatum;
    std::string versicherungsschutzende;
    EauStreetAddressData strassenadresse;
    EauPostBoxAddressData postfachanschrift;

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
