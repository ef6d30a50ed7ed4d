// The check tables behind runERezeptChecks: one row per message, array order
// is output order. Texts are UTF-8 here and become code page 1252 on output.
#pragma once

#include <string>
#include <vector>

#include "usecases/erezept/ERezeptData.h"
#include "usecases/shared/checkHelpers.h"

namespace fhir::erezeptchecks {

using shared::isOneOf;
using shared::present;
using shared::presentWithBadLength;
namespace qualification = shared::qualification;
namespace payer = shared::payer;

// Which profile versions a row belongs to.
enum VersionMask : unsigned {
    kV110 = 1u,
    kV132 = 2u,
    kBoth = kV110 | kV132,
};

// A check on the whole prescription. `buildMessage`, when set, makes a
// message that embeds values; otherwise `message` is the text.
struct RecordCheck {
    int row;  // of the table; a group of checks carries the row it is listed under
    unsigned versions;
    bool (*fails)(const ERezeptData&);
    const char* message;
    std::string (*buildMessage)(const ERezeptData&);
};

// A check run on every entry of a list (compounding components, ingredients
// of a finished product); a failing one appends its message for the entry at
// `position` (1-based).
template <class Entry>
struct EntryCheck {
    bool (*fails)(const Entry&);
    std::string (*message)(const Entry&, int position);
};

std::vector<RecordCheck> payerChecks();        // 1-29
std::vector<RecordCheck> patientChecks();      // 30-51
std::vector<RecordCheck> personChecks();       // 52-71
std::vector<RecordCheck> institutionChecks();  // 72-92 without 73-76
std::vector<RecordCheck> prescriptionChecks(); // 93-107
std::vector<RecordCheck> medicationChecks();   // 108-127
const std::vector<EntryCheck<ERezeptIngredientData>>& ingredientChecks();  // 1.3.2, after 127
std::vector<RecordCheck> activeIngredientChecks();  // 128-132
std::vector<RecordCheck> compoundingChecks();  // 133-141
const std::vector<EntryCheck<ERezeptComponentData>>& componentChecks();    // 142
std::vector<RecordCheck> freeTextChecks();     // 143

// Common predicates.
inline bool supply(const ERezeptData& d) { return d.sprechstundenbedarf; }
inline bool insuredPayer(const ERezeptData& d) { return shared::insuredPayer(d.payer); }
inline bool statutoryLikePayer(const ERezeptData& d) { return shared::statutoryLikePayer(d.payer); }
inline bool accidentPayer(const ERezeptData& d) { return shared::accidentPayer(d.payer); }

}  // namespace fhir::erezeptchecks
