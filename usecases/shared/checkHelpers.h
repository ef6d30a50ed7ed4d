// Small predicates that the check tables of every form share. Values are the
// converted UTF-8 texts; lengths count code-page-1252 characters.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>

#include "boundary/FieldConversion.h"
#include "usecases/shared/PartyData.h"

namespace fhir::shared {

inline bool present(const std::string& value) { return !value.empty(); }

// Present and not minimum..maximum characters long.
inline bool presentWithBadLength(const std::string& value, int minimum, int maximum) {
    return present(value) && !tevo::checkLength(value, minimum, maximum);
}

inline bool isOneOf(int member, std::initializer_list<int> members) {
    return std::find(members.begin(), members.end(), member) != members.end();
}

// Payer type SKT, UK, BG or GKV.
inline bool statutoryLikePayer(const PayerData& p) { return p.payerKind >= payer::kSkt && p.payerKind <= payer::kGkv; }
// Payer type SKT, UK, BG, GKV or PKV: every payer but SEL and none.
inline bool insuredPayer(const PayerData& p) { return p.payerKind >= payer::kSkt && p.payerKind <= payer::kPkv; }
// Accident insurance: BG or UK.
inline bool accidentPayer(const PayerData& p) { return isOneOf(p.payerKind, {payer::kBg, payer::kUk}); }

inline bool hasInstitutionNumber(const InstitutionData& i) {
    return present(i.bsnr) || present(i.ik) || present(i.kzvAbrechnungsnummer) || present(i.standortnummer);
}

// An ASV specialist group number may only be given by a physician ("00" or
// "04") in an ASV case who has neither a physician number nor a Telematik-ID.
inline bool asvGroupNumberNotAllowed(const PayerData& payer, const PersonData& p) {
    const bool allowed = isOneOf(p.type, {qualification::k00, qualification::k04}) && payer.asvCase &&
                         !present(p.nummer) && !present(p.telematikid);
    return present(p.asvfachgruppennummer) && !allowed;
}

// Insured payer, a physician or dentist ("00", "01", "04") without ASV
// specialist group number, and no LANR/ZANR.
inline bool physicianNumberMissing(const PayerData& payer, const PersonData& p) {
    return insuredPayer(payer) && isOneOf(p.type, {qualification::k00, qualification::k01, qualification::k04}) &&
           !present(p.asvfachgruppennummer) && !present(p.nummer);
}

// The message for a country code that the country table lacks: the fixed
// beginning, the code between quotation marks, and the request to correct it
// (`where`: "in der Anschrift des Patienten", "in der Postfachanschrift des
// Patienten", "in der Anschrift des Praxisinhabers").
inline std::string countryMessage(const std::string& address, const std::string& code, const std::string& where) {
    return "Der Wohnsitzländercode der " + address + " \"" + code +
           "\" entspricht nicht den gesetzlichen Vorgaben. Bitte korrigieren Sie das Länderkennzeichen " + where +
           " auf \"D\".";
}

}  // namespace fhir::shared
