// Evaluating parsed FHIRPath expressions on the node model.
#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "fhir/fhirpath/Expression.h"
#include "fhir/fhirpath/Value.h"

namespace fhir::path {

// An expression that cannot be evaluated on the data it met (a boolean test
// of several items, an unknown variable, values that cannot be compared).
class EvaluationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the evaluation of expressions on one document shares: the entries a
// reference resolves to, the current date, the texts computed on the way.
class Environment {
public:
    // `root` is the document's root resource; `today` the date as YYYY-MM-DD,
    // `now` the moment as an ISO date-time.
    Environment(const Node& root, std::string today, std::string now);

    // The resource `reference` names: "#id" among the contained resources of
    // the referring resource, a Bundle entry's fullUrl, or "Type/id" relative
    // to the referring entry's fullUrl or matched on type and id; null when
    // none.
    const Node* resolve(std::string_view reference, const Node* from) const;

    // Keeps a computed text alive as long as the environment.
    std::string_view keep(std::string text);

    // The result of the subexpression numbered `shape` on `focus`, when
    // remembered; null otherwise.
    const Collection* remembered(std::uint32_t shape, const Node* focus) const;
    void remember(std::uint32_t shape, const Node* focus, const Collection& result);

    std::string_view today() const { return today_; }
    std::string_view now() const { return now_; }

private:
    struct Entry {
        std::string_view fullUrl;
        const Node* resource;
    };
    struct ShapeKey {
        std::uint32_t shape;
        const Node* focus;
        bool operator==(const ShapeKey& other) const { return shape == other.shape && focus == other.focus; }
    };
    struct ShapeHash {
        std::size_t operator()(const ShapeKey& key) const {
            return std::hash<const void*>()(key.focus) * 31 + key.shape;
        }
    };
    std::vector<Entry> entries_;
    std::unordered_map<ShapeKey, Collection, ShapeHash> remembered_;
    std::deque<std::string> kept_;
    std::string today_;
    std::string now_;
};

// The result of `expression` with `focus` as $this, %context and the node
// %resource is taken from. Throws EvaluationError.
Collection evaluate(const Expression& expression, const Node& focus, Environment& environment);

// The result of `expression` on the items of `input` (as a path step is
// evaluated on the result of the steps before it); `context` gives %context
// and %resource.
Collection evaluate(const Expression& expression, const Collection& input, const Node& context,
                    Environment& environment);

// The verdict of an invariant: it holds when its result is empty, one true,
// or only trues (boolean elements holding "true" included).
bool holds(const Collection& result);

// The current local date (YYYY-MM-DD) and moment (YYYY-MM-DDThh:mm:ss) from
// the library's clock, as the builders take their dates.
std::string currentDate();
std::string currentDateTime();

}  // namespace fhir::path
