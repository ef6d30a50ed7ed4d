// Small predicates shared by the check tables.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>

#include "boundary/FieldConversion.h"
#include "usecases/eau/EauData.h"

namespace fhir::eauchecks {

inline bool present(const std::string& value) { return !value.empty(); }

// Present and not minimum..maximum characters long (counted in code page 1252).
inline bool presentWithBadLength(const std::string& value, int minimum, int maximum) {
    return present(value) && !tevo::checkLength(value, minimum, maximum);
}

inline bool longerThan45(const std::string& value) { return presentWithBadLength(value, 0, 45); }

inline bool isOneOf(int member, std::initializer_list<int> members) {
    return std::find(members.begin(), members.end(), member) != members.end();
}

// Payer kind SKT, UK, BG or GKV.
inline bool payerIn1To4(const EauData& d) { return d.payerKind >= eaucode::kPayerSkt && d.payerKind <= eaucode::kPayerGkv; }
// Payer kind SKT, UK, BG, GKV or PKV.
inline bool payerIn1To5(const EauData& d) { return d.payerKind >= eaucode::kPayerSkt && d.payerKind <= eaucode::kPayerPkv; }
inline bool payerIsPkv(const EauData& d) { return d.payerKind == eaucode::kPayerPkv; }

// The insurance-relationship codes are checked for statutory payers always,
// for the others only when at least one of them is given.
inline bool insuranceCodesChecked(const EauData& d) {
    return payerIn1To5(d) || d.insuredKind != 0 || d.specialGroup != 0 || d.dmp != 0 || d.legalBasis != 0;
}

inline bool hasInsuredNumber(const EauData& d) {
    return present(d.gkvNummer) || present(d.kvkNummer) || present(d.pkvNummer);
}

inline bool hasNoAddress(const EauData& d) {
    return !present(d.strassenadresse.postleitzahl) && !present(d.postfachanschrift.postleitzahl);
}

inline bool hasInstitutionNumber(const EauInstitutionData& i) {
    return present(i.bsnr) || present(i.ik) || present(i.kzvAbrechnungsnummer) || present(i.standortnummer);
}

// Qualification members ("00" 1, "01" 2, "02" 3, "03" 4, "04" 5).
namespace qualification {
constexpr int k00 = 1;
constexpr int k01 = 2;
constexpr int k02 = 3;
constexpr int k03 = 4;
constexpr int k04 = 5;
}  // namespace qualification

// An ASV specialist group number may only be given by a physician ("00" or
// "04") in an ASV case who has neither a physician number nor a Telematik-ID.
inline bool asvGroupNumberNotAllowed(const EauData& d, const EauPersonData& p) {
    const bool allowed = isOneOf(p.type, {qualification::k00, qualification::k04}) && d.asvCase &&
                         !present(p.nummer) && !present(p.telematikid);
    return present(p.asvfachgruppennummer) && !allowed;
}

inline bool physicianNumberMissing(const EauData& d, const EauPersonData& p) {
    return payerIn1To5(d) && isOneOf(p.type, {qualification::k00, qualification::k01, qualification::k04}) &&
           !present(p.asvfachgruppennummer) && !present(p.nummer);
}

inline bool responsiblePersonGiven(const EauData& d) { return present(d.verantwortlichePerson.vorname); }

}  // namespace fhir::eauchecks
