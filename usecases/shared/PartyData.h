// The parties of a statutory form after conversion, shared by every use case
// that names an insured person, a payer, a practitioner or a practice: every
// text trimmed, cut to its maximum and converted to UTF-8, plus the member
// numbers of the code tables (0 = EMPTY: absent or unknown code).
//   PersonData::type          CS_KBV_CS_FOR_Qualification_Type   "00" 1 .. "04" 5
//   PayerData::payerKind      VS_KBV_VS_FOR_Payor_type           1 SKT .. 6 SEL
//   PayerData::insuredKind    CS_KBV_CS_SFHIR_KBV_VERSICHERTENSTATUS
//   PayerData::specialGroup   CS_KBV_CS_SFHIR_KBV_PERSONENGRUPPE
//   PayerData::dmp            CS_KBV_CS_SFHIR_KBV_DMP
//   PayerData::legalBasis     CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN
//   PayerData::wopCode        CS_KBV_CS_SFHIR_ITA_WOP
#pragma once

#include <string>

namespace fhir::shared {

// Member numbers that checks and builders test for.
namespace payer {
constexpr int kSkt = 1;
constexpr int kUk = 2;
constexpr int kBg = 3;
constexpr int kGkv = 4;
constexpr int kPkv = 5;
constexpr int kSel = 6;
}  // namespace payer

namespace qualification {
constexpr int k00 = 1;  // physician
constexpr int k01 = 2;  // dentist
constexpr int k02 = 3;  // midwife
constexpr int k03 = 4;  // physician in training
constexpr int k04 = 5;  // physician as deputy
}  // namespace qualification

// A practitioner: the issuing or prescribing person, or the responsible one.
struct PersonData {
    std::string typ;
    std::string nummer;  // LANR or ZANR
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
    int type = 0;
};

struct StreetAddressData {
    std::string laendercode;  // country code (country code table)
    std::string postleitzahl;
    std::string ortsname;
    std::string strassenname;
    std::string hausnummer;
    std::string anschriftenzusatz;
};

struct PostBoxAddressData {
    std::string laendercode;
    std::string postleitzahl;
    std::string ortsname;
    std::string postfach;
};

// A practice. Its one number is filed by `custodiantype` into at most one of
// the four identifier slots (see routeInstitutionNumber).
struct InstitutionData {
    std::string custodiantype;
    std::string betriebsstaettennummer;
    std::string name;
    StreetAddressData adresse;
    std::string telefonnummer;
    std::string faxnummer;
    std::string email;
    std::string telematikid;
    std::string bsnr;
    std::string ik;
    std::string kzvAbrechnungsnummer;
    std::string standortnummer;
};

// Payer and insurance relationship (block "empfaenger" of the host records).
struct PayerData {
    std::string kostentraegertyp;
    std::string ikkrankenkasse;  // IK of the insurer on the card
    std::string ikkostentrager;  // IK of the payer (accident insurance)
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
};

// The insured person (block "versicherter" of the host records). The insured
// number is filed by `identifierType` into one of the number slots.
struct InsuredData {
    std::string identifierType;
    std::string versichertennummer;
    std::string gkvNummer;
    std::string pkvNummer;
    std::string vorname;
    std::string nachname;
    std::string hauptteilnachname;
    std::string titel;
    std::string vorsatzwort;
    std::string namenszusatz;
    std::string geburtsdatum;
    std::string versicherungsschutzende;
    StreetAddressData strassenadresse;
    PostBoxAddressData postfachanschrift;
};

}  // namespace fhir::shared
