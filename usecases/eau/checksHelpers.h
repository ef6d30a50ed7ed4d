// Small predicates of the eAU check tables; the generic ones are shared with
// the other forms.
#pragma once

#include <string>

#include "usecases/eau/EauData.h"
#include "usecases/shared/checkHelpers.h"

namespace fhir::eauchecks {

using shared::asvGroupNumberNotAllowed;
using shared::hasInstitutionNumber;
using shared::isOneOf;
using shared::physicianNumberMissing;
using shared::present;
using shared::presentWithBadLength;
namespace qualification = shared::qualification;

inline bool longerThan45(const std::string& value) { return presentWithBadLength(value, 0, 45); }

// Payer kind SKT, UK, BG or GKV.
inline bool payerIn1To4(const EauData& d) { return shared::statutoryLikePayer(d); }
// Payer kind SKT, UK, BG, GKV or PKV.
inline bool payerIn1To5(const EauData& d) { return shared::insuredPayer(d); }
inline bool payerIsPkv(const EauData& d) { return d.payerKind == shared::payer::kPkv; }

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

inline bool responsiblePersonGiven(const EauData& d) { return present(d.verantwortlichePerson.vorname); }

}  // namespace fhir::eauchecks
