// Equality, equivalence and order of FHIRPath values, with the reading of
// untyped node values as the other side's type (a node "3" equals 3, a node
// "2024-01-31" is before @2024-02-01).
#pragma once

#include <optional>

#include "fhir/fhirpath/Value.h"

namespace fhir::path {

// `=` of two items: nullopt when it cannot be known (dates of different
// precision that agree as far as both go).
std::optional<bool> equal(const Value& a, const Value& b);

// `~` of two items: strings ignoring case and surrounding/inner blank runs.
bool equivalent(const Value& a, const Value& b);

// <0, 0, >0, or nullopt for dates of different precision; throws
// EvaluationError for values that have no order between them.
std::optional<int> compare(const Value& a, const Value& b);

}  // namespace fhir::path
