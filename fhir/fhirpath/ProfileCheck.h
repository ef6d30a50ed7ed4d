// Checks a document against the rules of the profiles its resources name in
// meta.profile (a resource without one against the core definition of its
// type), the extension definitions of its extensions, and the rules that
// hold for every element (ele-1) and every extension (ext-1).
#pragma once

#include <string_view>
#include <vector>

#include "fhir/fhirpath/NodeDocument.h"
#include "fhir/fhirpath/RuleTable.h"

namespace fhir::path {

struct RuleFailure {
    std::string_view key;
    std::string_view human;
    std::string_view expression;
    Severity severity;
    const Node* node;  // the element the rule failed on
};

// Every rule of severity error that does not hold, once per rule key and
// element, in document order of the resources. Rules that cannot be
// evaluated on the document (see EvaluationError) count as holding.
std::vector<RuleFailure> checkProfiles(const NodeDocument& document);

// Parses every expression of the rule tables; returns the ones that do not
// parse with the parser's message (empty when all do).
std::vector<std::string> unparsableRules();

}  // namespace fhir::path
