#include "fhir/fhirpath/Evaluator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "fhir/fhirpath/Compare.h"
#include "fhir/fhirpath/Temporal.h"
#include "fhir/fhirpath/Types.h"

namespace fhir::path {

namespace {

using Kind = Ast::Kind;

// Longest text matches() and replaceMatches() take (longer: an evaluation
// error); the published patterns check identifiers and codes.
constexpr std::size_t kLongestPatternInput = 1024;

enum class Truth { False, True, Empty };

// The singleton evaluation of a collection as a boolean.
Truth truth(const Collection& items) {
    if (items.empty()) {
        return Truth::Empty;
    }
    if (items.size() > 1) {
        throw EvaluationError("several items where one boolean is expected");
    }
    const Value& item = items.front();
    if (item.type == Value::Type::Boolean) {
        return item.boolean ? Truth::True : Truth::False;
    }
    if (item.type == Value::Type::Node && item.node->hasValue &&
        (item.node->value == "true" || item.node->value == "false")) {
        return item.node->value == "true" ? Truth::True : Truth::False;
    }
    return Truth::True;
}

Collection boolean(bool b) {
    return {Value::ofBoolean(b)};
}

Collection fromTruth(Truth t) {
    return t == Truth::Empty ? Collection{} : boolean(t == Truth::True);
}

// A collection's one item as a string, or nullopt when it is empty.
std::optional<std::string_view> singleString(const Collection& items) {
    if (items.empty()) {
        return std::nullopt;
    }
    if (items.size() > 1) {
        throw EvaluationError("several items where one string is expected");
    }
    const auto value = primitive(items.front());
    if (!value) {
        return std::nullopt;
    }
    if (value->type == Value::Type::String || value->node) {
        return value->node ? value->node->value : value->text;
    }
    throw EvaluationError("not a string");
}

std::optional<std::int64_t> singleInteger(const Collection& items) {
    if (items.empty()) {
        return std::nullopt;
    }
    const auto value = primitive(items.front());
    if (!value) {
        return std::nullopt;
    }
    if (value->type == Value::Type::Integer) {
        return value->integer;
    }
    if (value->type == Value::Type::String) {
        char* end = nullptr;
        const std::string text(value->text);
        const long long n = std::strtoll(text.c_str(), &end, 10);
        if (!text.empty() && *end == '\0') {
            return n;
        }
    }
    throw EvaluationError("not an integer");
}

// Code points of UTF-8 text (continuation bytes are not counted).
std::size_t codePoints(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The byte offset of code point `index` (text.size() when beyond).
std::size_t byteOffset(std::string_view text, std::size_t index) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (seen == index) {
                return i;
            }
            ++seen;
        }
    }
    return text.size();
}

bool contains(const Collection& items, const Value& wanted) {
    return std::any_of(items.begin(), items.end(), [&](const Value& v) {
        const auto same = equal(v, wanted);
        return same && *same;
    });
}

Collection distinctOf(const Collection& items) {
    Collection out;
    for (const Value& v : items) {
        if (!contains(out, v)) {
            out.push_back(v);
        }
    }
    return out;
}

std::string numberText(double d) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", d);
    return text;
}

void children(const Node& node, Collection& out) {
    for (const Node& child : node) {
        if (child.kind == Node::Kind::Text || (child.kind == Node::Kind::Attribute && child.name == "xmlns")) {
            continue;
        }
        out.push_back(Value::ofNode(child));
    }
}

void descendants(const Node& node, Collection& out) {
    const std::size_t first = out.size();
    children(node, out);
    const std::size_t last = out.size();
    for (std::size_t i = first; i < last; ++i) {
        const Node& child = *out[i].node;
        descendants(child, out);
    }
}

bool isExtensionWithUrl(const Node& node, std::string_view url) {
    if (node.name != "extension" || node.kind != Node::Kind::Element) {
        return false;
    }
    for (const Node& child : node) {
        if (child.kind == Node::Kind::Attribute && child.name == "url") {
            return child.value == url;
        }
    }
    return false;
}

const Node* rootResourceOf(const Node& node) {
    const Node* resource = node.resource;
    while (resource && resource->name == "contained" && resource->parent) {
        resource = resource->parent->resource;
    }
    return resource;
}

class Evaluator {
public:
    Evaluator(Environment& environment, const Node& context) : env_(environment), context_(context) {}

    struct Scope {
        const Value* self;
        std::int64_t index;
    };

    // Evaluations on the whole expression's input (not inside a filter) of
    // numbered subexpressions are remembered per element, across expressions.
    void rememberOn(const Collection& input) { rootInput_ = &input; }

    Collection eval(const Ast& ast, const Collection& input, const Scope& scope) {
        if (ast.shape != 0 && &input == rootInput_) {
            if (const Collection* known = env_.remembered(ast.shape, &context_)) {
                return *known;
            }
            Collection result = evalDirectly(ast, input, scope);
            env_.remember(ast.shape, &context_, result);
            return result;
        }
        return evalDirectly(ast, input, scope);
    }

private:
    Collection evalDirectly(const Ast& ast, const Collection& input, const Scope& scope) {
        switch (ast.kind) {
            case Kind::Literal: return {ast.literal};
            case Kind::EmptyLiteral: return {};
            case Kind::Member: return member(ast.name, input);
            case Kind::Call: return call(ast, input, scope);
            case Kind::This: return scope.self ? Collection{*scope.self} : Collection{};
            case Kind::IndexVariable: return {Value::ofInteger(scope.index)};
            case Kind::TotalVariable: throw EvaluationError("$total is not supported");
            case Kind::Variable: return variable(ast.variable);
            case Kind::Invoke: {
                const Collection left = eval(*ast.operands[0], input, scope);
                return eval(*ast.operands[1], left, scope);
            }
            case Kind::Indexer: {
                Collection items = eval(*ast.operands[0], input, scope);
                const auto index = singleInteger(eval(*ast.operands[1], self(scope), scope));
                if (!index || *index < 0 || static_cast<std::size_t>(*index) >= items.size()) {
                    return {};
                }
                return {items[static_cast<std::size_t>(*index)]};
            }
            case Kind::Binary: return binary(ast, input, scope);
            case Kind::Negate: return negate(eval(*ast.operands[0], input, scope));
            case Kind::Is: {
                const Collection items = eval(*ast.operands[0], input, scope);
                if (items.empty()) return {};
                if (items.size() > 1) throw EvaluationError("'is' needs one item");
                return boolean(isType(items.front(), ast.name));
            }
            case Kind::As: {
                const Collection items = eval(*ast.operands[0], input, scope);
                if (items.size() > 1) throw EvaluationError("'as' needs one item");
                return ofType(items, ast.name);
            }
        }
        return {};
    }

    static Collection self(const Scope& scope) { return scope.self ? Collection{*scope.self} : Collection{}; }

    Collection member(const std::string& name, const Collection& input) {
        Collection out;
        for (const Value& item : input) {
            if (item.type != Value::Type::Node) {
                continue;
            }
            const std::size_t before = out.size();
            for (const Node& child : *item.node) {
                if (child.kind != Node::Kind::Text && isMember(child.name, name)) {
                    out.push_back(Value::ofNode(child));
                }
            }
            // A path may start with the type of the resource it is evaluated on.
            if (out.size() == before && item.node->isResource && item.node->typeName == name) {
                out.push_back(item);
            }
        }
        return out;
    }

    Collection variable(Variable variable) {
        switch (variable) {
            case Variable::Resource: return {Value::ofNode(*context_.resource)};
            case Variable::RootResource: return {Value::ofNode(*rootResourceOf(context_))};
            case Variable::Context: return {Value::ofNode(context_)};
            case Variable::Ucum: return {Value::ofString("http://unitsofmeasure.org")};
            case Variable::Sct: return {Value::ofString("http://snomed.info/sct")};
            case Variable::Loinc: return {Value::ofString("http://loinc.org")};
        }
        return {};
    }

    static Collection ofType(const Collection& items, const std::string& type) {
        Collection out;
        for (const Value& item : items) {
            if (isType(item, type)) out.push_back(item);
        }
        return out;
    }

    static Collection negate(const Collection& items) {
        if (items.empty()) return {};
        const auto v = primitive(items.front());
        if (v && v->type == Value::Type::Integer) return {Value::ofInteger(-v->integer)};
        if (v && v->type == Value::Type::Decimal) return {Value::ofDecimal(-v->decimal)};
        if (v && v->type == Value::Type::Quantity) return {Value::ofQuantity(-v->decimal, v->text)};
        throw EvaluationError("'-' needs a number");
    }

    // Evaluates a lambda argument with each item as $this.
    template <class Visit>
    void each(const Ast& argument, const Collection& input, Visit visit) {
        for (std::size_t i = 0; i < input.size(); ++i) {
            const Scope inner{&input[i], static_cast<std::int64_t>(i)};
            if (!visit(input[i], eval(argument, Collection{input[i]}, inner))) {
                return;
            }
        }
    }

    Collection argument(const Ast& call, std::size_t index, const Scope& scope) {
        return eval(*call.operands[index], self(scope), scope);
    }

    std::optional<std::string_view> stringArgument(const Ast& call, std::size_t index, const Scope& scope) {
        return singleString(argument(call, index, scope));
    }

    Collection call(const Ast& ast, const Collection& input, const Scope& scope) {
        switch (ast.function) {
            case Function::Empty: return boolean(input.empty());
            case Function::Exists:
                if (ast.operands.empty()) return boolean(!input.empty());
                return boolean(!where(ast, input).empty());
            case Function::Not: {
                const Truth t = truth(input);
                return t == Truth::Empty ? Collection{} : boolean(t == Truth::False);
            }
            case Function::All: {
                bool all = true;
                each(*ast.operands[0], input, [&](const Value&, const Collection& r) {
                    all = truth(r) == Truth::True;
                    return all;
                });
                return boolean(all);
            }
            case Function::AllTrue:
            case Function::AnyTrue:
            case Function::AllFalse:
            case Function::AnyFalse: return quantifier(ast.function, input);
            case Function::Where: return where(ast, input);
            case Function::Select: {
                Collection out;
                each(*ast.operands[0], input, [&](const Value&, const Collection& r) {
                    out.append(r.begin(), r.end());
                    return true;
                });
                return out;
            }
            case Function::Extension: {
                const auto url = stringArgument(ast, 0, scope);
                Collection out;
                if (!url) return out;
                for (const Value& item : input) {
                    if (item.type != Value::Type::Node) continue;
                    for (const Node& child : *item.node) {
                        if (isExtensionWithUrl(child, *url)) out.push_back(Value::ofNode(child));
                    }
                }
                return out;
            }
            case Function::Resolve: return resolve(input);
            case Function::OfType:
            case Function::As: return ofType(input, ast.name);
            case Function::Is:
                if (input.empty()) return {};
                if (input.size() > 1) throw EvaluationError("is() needs one item");
                return boolean(isType(input.front(), ast.name));
            case Function::Length: {
                const auto text = singleString(input);
                if (!text) return {};
                return {Value::ofInteger(static_cast<std::int64_t>(codePoints(*text)))};
            }
            case Function::Matches: return matches(ast, input, scope);
            case Function::ReplaceMatches: return replaceMatches(ast, input, scope);
            case Function::Substring: {
                const auto text = singleString(input);
                const auto start = singleInteger(argument(ast, 0, scope));
                if (!text || !start || *start < 0 || static_cast<std::size_t>(*start) >= codePoints(*text)) return {};
                const std::size_t from = byteOffset(*text, static_cast<std::size_t>(*start));
                std::size_t to = text->size();
                if (ast.operands.size() > 1) {
                    const auto length = singleInteger(argument(ast, 1, scope));
                    if (!length) return {};
                    to = *length <= 0 ? from : byteOffset(*text, static_cast<std::size_t>(*start + *length));
                }
                return {Value::ofString(text->substr(from, to - from))};
            }
            case Function::IndexOf: {
                const auto text = singleString(input);
                const auto part = stringArgument(ast, 0, scope);
                if (!text || !part) return {};
                const auto at = text->find(*part);
                return {Value::ofInteger(at == std::string_view::npos
                                             ? -1
                                             : static_cast<std::int64_t>(codePoints(text->substr(0, at))))};
            }
            case Function::StartsWith:
            case Function::EndsWith:
            case Function::Contains: {
                const auto text = singleString(input);
                const auto part = stringArgument(ast, 0, scope);
                if (!text || !part) return {};
                if (ast.function == Function::StartsWith) return boolean(text->compare(0, part->size(), *part) == 0);
                if (ast.function == Function::EndsWith)
                    return boolean(text->size() >= part->size() &&
                                   text->compare(text->size() - part->size(), part->size(), *part) == 0);
                return boolean(text->find(*part) != std::string_view::npos);
            }
            case Function::Upper:
            case Function::Lower: {
                const auto text = singleString(input);
                if (!text) return {};
                std::string out(*text);
                for (char& c : out) {
                    if (ast.function == Function::Upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
                    if (ast.function == Function::Lower && c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
                }
                return {Value::ofString(env_.keep(std::move(out)))};
            }
            case Function::ToString: return toString(input);
            case Function::ToInteger: {
                if (input.size() != 1) return {};
                const auto v = primitive(input.front());
                if (!v) return {};
                if (v->type == Value::Type::Integer) return {*v};
                if (v->type == Value::Type::Boolean) return {Value::ofInteger(v->boolean ? 1 : 0)};
                if (v->type != Value::Type::String) return {};
                char* end = nullptr;
                const std::string text(v->text);
                const long long n = std::strtoll(text.c_str(), &end, 10);
                if (text.empty() || *end != '\0') return {};
                return {Value::ofInteger(n)};
            }
            case Function::HasValue:
                return boolean(input.size() == 1 &&
                               (input.front().type != Value::Type::Node || input.front().node->hasValue));
            case Function::Count: return {Value::ofInteger(static_cast<std::int64_t>(input.size()))};
            case Function::Distinct: return distinctOf(input);
            case Function::IsDistinct: return boolean(distinctOf(input).size() == input.size());
            case Function::Intersect: {
                const Collection other = argument(ast, 0, scope);
                Collection out;
                for (const Value& v : input) {
                    if (contains(other, v) && !contains(out, v)) out.push_back(v);
                }
                return out;
            }
            case Function::Union: return unite(input, argument(ast, 0, scope));
            case Function::Combine: {
                Collection out = input;
                const Collection other = argument(ast, 0, scope);
                out.append(other.begin(), other.end());
                return out;
            }
            case Function::Exclude: {
                const Collection other = argument(ast, 0, scope);
                Collection out;
                for (const Value& v : input) {
                    if (!contains(other, v)) out.push_back(v);
                }
                return out;
            }
            case Function::Iif: {
                if (input.size() > 1) throw EvaluationError("iif() needs at most one item");
                const Scope inner{input.empty() ? scope.self : &input.front(), scope.index};
                const Collection focus = input.empty() ? self(scope) : input;
                if (truth(eval(*ast.operands[0], focus, inner)) == Truth::True) {
                    return eval(*ast.operands[1], focus, inner);
                }
                return ast.operands.size() > 2 ? eval(*ast.operands[2], focus, inner) : Collection{};
            }
            case Function::Today: return {Value::ofTemporal(Value::Type::Date, env_.today())};
            case Function::Now: return {Value::ofTemporal(Value::Type::DateTime, env_.now())};
            case Function::Children: {
                Collection out;
                for (const Value& item : input) {
                    if (item.type == Value::Type::Node) children(*item.node, out);
                }
                return out;
            }
            case Function::Descendants: {
                Collection out;
                for (const Value& item : input) {
                    if (item.type == Value::Type::Node) descendants(*item.node, out);
                }
                return out;
            }
            case Function::Trace: return input;
            case Function::First: return input.empty() ? Collection{} : Collection{input.front()};
            case Function::Last: return input.empty() ? Collection{} : Collection{input.back()};
            case Function::Tail: return input.size() <= 1 ? Collection{} : Collection(input.begin() + 1, input.end());
            case Function::Skip:
            case Function::Take: {
                const auto n = singleInteger(argument(ast, 0, scope));
                if (!n) return {};
                const std::size_t count = std::min(input.size(), static_cast<std::size_t>(std::max<std::int64_t>(*n, 0)));
                if (ast.function == Function::Skip) return Collection(input.begin() + count, input.end());
                return Collection(input.begin(), input.begin() + count);
            }
            case Function::Single:
                if (input.size() > 1) throw EvaluationError("single() on several items");
                return input;
            case Function::HtmlChecks: return boolean(true);
        }
        return {};
    }

    Collection where(const Ast& ast, const Collection& input) {
        Collection out;
        each(*ast.operands[0], input, [&](const Value& item, const Collection& r) {
            if (truth(r) == Truth::True) out.push_back(item);
            return true;
        });
        return out;
    }

    static Collection quantifier(Function function, const Collection& input) {
        const bool wanted = function == Function::AllTrue || function == Function::AnyTrue;
        const bool all = function == Function::AllTrue || function == Function::AllFalse;
        for (const Value& item : input) {
            const Truth t = truth(Collection{item});
            const bool match = t == (wanted ? Truth::True : Truth::False);
            if (all && !match) return boolean(false);
            if (!all && match) return boolean(true);
        }
        return boolean(all);
    }

    Collection resolve(const Collection& input) {
        Collection out;
        for (const Value& item : input) {
            std::string_view reference;
            const Node* from = item.node;
            if (item.type == Value::Type::Node && item.node->hasValue) {
                reference = item.node->value;
            } else if (item.type == Value::Type::Node) {
                for (const Node& child : *item.node) {
                    if (child.name == "reference" && child.kind == Node::Kind::Element) reference = child.value;
                }
            } else if (item.type == Value::Type::String) {
                reference = item.text;
            }
            if (const Node* target = env_.resolve(reference, from ? from : &context_)) {
                out.push_back(Value::ofNode(*target));
            }
        }
        return out;
    }

    // The regular-expression engine descends once per repeated character, so
    // a hostile document could exhaust the stack with a long value.
    static void guardPatternInput(std::string_view text) {
        if (text.size() > kLongestPatternInput) {
            throw EvaluationError("text too long for a regular expression");
        }
    }

    // A pattern taken from the document (a published rule matches a house
    // number against the address line) is the sender's: without groups or
    // alternatives and with at most two repetitions, the engine's
    // backtracking stays polynomial in the guarded text length.
    static void guardDocumentPattern(std::string_view pattern) {
        const auto repetitions = std::count_if(pattern.begin(), pattern.end(),
                                               [](char c) { return c == '*' || c == '+' || c == '?' || c == '{'; });
        if (pattern.find_first_of("(|") != std::string_view::npos || repetitions > 2) {
            throw EvaluationError("pattern from the document too complex");
        }
    }

    Collection matches(const Ast& ast, const Collection& input, const Scope& scope) {
        const auto text = singleString(input);
        if (!text) return {};
        guardPatternInput(*text);
        if (ast.pattern) return boolean(std::regex_search(text->begin(), text->end(), *ast.pattern));
        const auto pattern = stringArgument(ast, 0, scope);
        if (!pattern) return {};
        guardDocumentPattern(*pattern);
        try {
            const std::regex compiled{std::string(*pattern), std::regex::ECMAScript};
            return boolean(std::regex_search(text->begin(), text->end(), compiled));
        } catch (const std::regex_error&) {
            throw EvaluationError("invalid regular expression");
        }
    }

    Collection replaceMatches(const Ast& ast, const Collection& input, const Scope& scope) {
        const auto text = singleString(input);
        const auto replacement = stringArgument(ast, 1, scope);
        if (!text || !replacement) return {};
        guardPatternInput(*text);
        std::regex compiled;
        if (!ast.pattern) {
            const auto pattern = stringArgument(ast, 0, scope);
            if (!pattern) return {};
            guardDocumentPattern(*pattern);
            try {
                compiled = std::regex(std::string(*pattern), std::regex::ECMAScript);
            } catch (const std::regex_error&) {
                throw EvaluationError("invalid regular expression");
            }
        }
        const std::regex& used = ast.pattern ? *ast.pattern : compiled;
        return {Value::ofString(env_.keep(std::regex_replace(std::string(*text), used, std::string(*replacement))))};
    }

    Collection toString(const Collection& input) {
        if (input.size() != 1) return {};
        const auto v = primitive(input.front());
        if (!v) return {};
        switch (v->type) {
            case Value::Type::Boolean: return {Value::ofString(v->boolean ? "true" : "false")};
            case Value::Type::Integer:
                if (v->node) return {Value::ofString(v->node->value)};
                return {Value::ofString(env_.keep(std::to_string(v->integer)))};
            case Value::Type::Decimal:
                if (v->node) return {Value::ofString(v->node->value)};
                return {Value::ofString(env_.keep(numberText(v->decimal)))};
            case Value::Type::Quantity:
                return {Value::ofString(env_.keep(numberText(v->decimal) + " '" + std::string(v->text) + "'"))};
            default: return {Value::ofString(v->node ? v->node->value : v->text)};
        }
    }

    static Collection unite(const Collection& a, const Collection& b) {
        Collection out = distinctOf(a);
        for (const Value& v : b) {
            if (!contains(out, v)) out.push_back(v);
        }
        return out;
    }

    Collection binary(const Ast& ast, const Collection& input, const Scope& scope) {
        const Ast& leftAst = *ast.operands[0];
        const Ast& rightAst = *ast.operands[1];
        switch (ast.op) {
            case Operator::And:
            case Operator::Or:
            case Operator::Implies: return logic(ast.op, leftAst, rightAst, input, scope);
            default: break;
        }
        const Collection left = eval(leftAst, input, scope);
        const Collection right = eval(rightAst, input, scope);
        switch (ast.op) {
            case Operator::Xor: {
                const Truth l = truth(left);
                const Truth r = truth(right);
                if (l == Truth::Empty || r == Truth::Empty) return {};
                return boolean(l != r);
            }
            case Operator::Union: return unite(left, right);
            case Operator::Equal:
            case Operator::NotEqual: {
                if (left.empty() || right.empty()) return {};
                const bool negated = ast.op == Operator::NotEqual;
                if (left.size() != right.size()) return boolean(negated);
                for (std::size_t i = 0; i < left.size(); ++i) {
                    const auto same = equal(left[i], right[i]);
                    if (!same) return {};
                    if (!*same) return boolean(negated);
                }
                return boolean(!negated);
            }
            case Operator::Equivalent:
            case Operator::NotEquivalent: {
                bool same = left.size() == right.size();
                for (std::size_t i = 0; same && i < left.size(); ++i) {
                    same = std::any_of(right.begin(), right.end(), [&](const Value& r) { return equivalent(left[i], r); });
                }
                return boolean(same == (ast.op == Operator::Equivalent));
            }
            case Operator::Less:
            case Operator::LessOrEqual:
            case Operator::Greater:
            case Operator::GreaterOrEqual: {
                if (left.empty() || right.empty()) return {};
                if (left.size() > 1 || right.size() > 1) throw EvaluationError("comparison of several items");
                const auto order = compare(left.front(), right.front());
                if (!order) return {};
                switch (ast.op) {
                    case Operator::Less: return boolean(*order < 0);
                    case Operator::LessOrEqual: return boolean(*order <= 0);
                    case Operator::Greater: return boolean(*order > 0);
                    default: return boolean(*order >= 0);
                }
            }
            case Operator::In:
            case Operator::ContainsOp: {
                const Collection& item = ast.op == Operator::In ? left : right;
                const Collection& items = ast.op == Operator::In ? right : left;
                if (item.empty()) return {};
                if (item.size() > 1) throw EvaluationError("membership of several items");
                return boolean(contains(items, item.front()));
            }
            default: return arithmetic(ast.op, left, right);
        }
    }

    Collection logic(Operator op, const Ast& leftAst, const Ast& rightAst, const Collection& input, const Scope& scope) {
        const Truth l = truth(eval(leftAst, input, scope));
        if (op == Operator::And && l == Truth::False) return boolean(false);
        if (op == Operator::Or && l == Truth::True) return boolean(true);
        if (op == Operator::Implies && l == Truth::False) return boolean(true);
        const Truth r = truth(eval(rightAst, input, scope));
        switch (op) {
            case Operator::And:
                if (r == Truth::False) return boolean(false);
                return l == Truth::True && r == Truth::True ? boolean(true) : Collection{};
            case Operator::Or:
                if (r == Truth::True) return boolean(true);
                return l == Truth::False && r == Truth::False ? boolean(false) : Collection{};
            default:  // implies, left true or empty
                if (r == Truth::True) return boolean(true);
                return l == Truth::True ? fromTruth(r) : Collection{};
        }
    }

    // A date, date-time or time (or a node holding one) moved by a quantity.
    Collection moveTemporal(const Value& when, double amount, std::string_view unit) {
        Value::Type type = when.type;
        if (type == Value::Type::String && when.node) {
            type = when.text.find('T') == std::string_view::npos ? Value::Type::Date : Value::Type::DateTime;
        }
        if (type != Value::Type::Date && type != Value::Type::DateTime && type != Value::Type::Time) {
            throw EvaluationError("a quantity is added to dates and times only");
        }
        const auto moved = addToTemporal(when.text, type == Value::Type::Time, amount, unit);
        if (!moved) {
            throw EvaluationError("not a calendar unit: '" + std::string(unit) + "'");
        }
        return {Value::ofTemporal(type, env_.keep(*moved))};
    }

    Collection arithmetic(Operator op, const Collection& left, const Collection& right) {
        if (op == Operator::Concatenate) {
            const auto a = singleString(left);
            const auto b = singleString(right);
            return {Value::ofString(env_.keep(std::string(a.value_or("")) + std::string(b.value_or(""))))};
        }
        if (left.empty() || right.empty()) return {};
        if (left.size() > 1 || right.size() > 1) throw EvaluationError("arithmetic on several items");
        const auto a0 = primitive(left.front());
        const auto b0 = primitive(right.front());
        if (!a0 || !b0) return {};
        Value a = *a0;
        Value b = *b0;
        if (op == Operator::Plus && a.type == Value::Type::String && b.type == Value::Type::String) {
            return {Value::ofString(env_.keep(std::string(a.text) + std::string(b.text)))};
        }
        if ((op == Operator::Plus || op == Operator::Minus) && b.type == Value::Type::Quantity) {
            return moveTemporal(a, op == Operator::Minus ? -b.decimal : b.decimal, b.text);
        }
        const auto asNumber = [](Value& v) {
            if (v.type == Value::Type::String && v.node) {
                char* end = nullptr;
                const std::string text(v.text);
                const double d = std::strtod(text.c_str(), &end);
                if (text.empty() || *end != '\0') throw EvaluationError("not a number: '" + text + "'");
                v = text.find_first_of(".eE") == std::string::npos ? Value::ofInteger(static_cast<std::int64_t>(d))
                                                                   : Value::ofDecimal(d);
            }
            if (v.type != Value::Type::Integer && v.type != Value::Type::Decimal) {
                throw EvaluationError("arithmetic needs numbers");
            }
        };
        asNumber(a);
        asNumber(b);
        if (a.type == Value::Type::Integer && b.type == Value::Type::Integer && op != Operator::Divide) {
            const std::int64_t x = a.integer;
            const std::int64_t y = b.integer;
            switch (op) {
                case Operator::Plus: return {Value::ofInteger(x + y)};
                case Operator::Minus: return {Value::ofInteger(x - y)};
                case Operator::Times: return {Value::ofInteger(x * y)};
                case Operator::Div: return y == 0 ? Collection{} : Collection{Value::ofInteger(x / y)};
                case Operator::Mod: return y == 0 ? Collection{} : Collection{Value::ofInteger(x % y)};
                default: break;
            }
        }
        const double x = a.type == Value::Type::Integer ? static_cast<double>(a.integer) : a.decimal;
        const double y = b.type == Value::Type::Integer ? static_cast<double>(b.integer) : b.decimal;
        switch (op) {
            case Operator::Plus: return {Value::ofDecimal(x + y)};
            case Operator::Minus: return {Value::ofDecimal(x - y)};
            case Operator::Times: return {Value::ofDecimal(x * y)};
            case Operator::Divide: return y == 0 ? Collection{} : Collection{Value::ofDecimal(x / y)};
            case Operator::Div: return y == 0 ? Collection{} : Collection{Value::ofDecimal(std::trunc(x / y))};
            case Operator::Mod: return y == 0 ? Collection{} : Collection{Value::ofDecimal(std::fmod(x, y))};
            default: throw EvaluationError("unsupported operator");
        }
    }

    Environment& env_;
    const Node& context_;
    const Collection* rootInput_ = nullptr;
};

}  // namespace

Collection evaluate(const Expression& expression, const Node& focus, Environment& environment) {
    Evaluator evaluator(environment, focus);
    const Collection input{Value::ofNode(focus)};
    evaluator.rememberOn(input);
    return evaluator.eval(expression.root(), input, {&input.front(), 0});
}

Collection evaluate(const Expression& expression, const Collection& input, const Node& context,
                    Environment& environment) {
    Evaluator evaluator(environment, context);
    return evaluator.eval(expression.root(), input, {nullptr, 0});
}

bool holds(const Collection& result) {
    // An element holding "true" (a boolean element) counts like the value.
    return std::all_of(result.begin(), result.end(), [](const Value& v) {
        return (v.type == Value::Type::Boolean && v.boolean) ||
               (v.type == Value::Type::Node && v.node->hasValue && v.node->value == "true");
    });
}

}  // namespace fhir::path
