// A FHIRPath expression parsed once into a tree that the evaluator walks.
#pragma once

#include <memory>
#include <regex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "fhir/fhirpath/Value.h"

namespace fhir::path {

// Thrown by parse() with the position and what was expected.
class ParseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Function : std::uint8_t {
    Empty, Exists, Not, All, AllTrue, AnyTrue, AllFalse, AnyFalse, Where, Select, Extension, Resolve, OfType, As,
    Is, Length, Matches, ReplaceMatches, Substring, IndexOf, StartsWith, EndsWith, Contains, Upper, Lower,
    ToString, ToInteger, HasValue, Count, Distinct, IsDistinct, Intersect, Union, Combine, Exclude, Iif, Today,
    Now, Children, Descendants, Trace, First, Last, Tail, Skip, Take, Single, HtmlChecks,
};

// The environment variables (%resource ...).
enum class Variable : std::uint8_t { Resource, RootResource, Context, Ucum, Sct, Loinc };

enum class Operator : std::uint8_t {
    Implies, Or, Xor, And, In, ContainsOp, Equal, NotEqual, Equivalent, NotEquivalent, Less, LessOrEqual,
    Greater, GreaterOrEqual, Union, Plus, Minus, Concatenate, Times, Divide, Div, Mod,
};

struct Ast {
    enum class Kind : std::uint8_t {
        Literal, EmptyLiteral, Member, Call, This, IndexVariable, TotalVariable, Variable, Invoke, Indexer,
        Binary, Negate, Is, As,
    };
    Kind kind = Kind::EmptyLiteral;
    Operator op = Operator::Equal;
    Function function = Function::Empty;
    Variable variable = Variable::Resource;
    // Member name, variable name (without %), type name of is/as/ofType
    // (without a "FHIR." or "System." namespace).
    std::string name;
    Value literal;
    std::string literalText;  // storage of a literal's text
    // Invoke: [left, right]; Indexer: [collection, index]; Binary: [left,
    // right]; Negate/Is/As: [operand]; Call: the arguments.
    std::vector<std::unique_ptr<Ast>> operands;
    // The compiled pattern of matches()/replaceMatches() with a literal one.
    std::unique_ptr<std::regex> pattern;
    // Invocations that filter, select or resolve carry a number shared by
    // every equal subexpression of every parsed expression, under which their
    // result on an element is remembered (0: not remembered).
    std::uint32_t shape = 0;
};

class Expression {
public:
    // Parses `text`; throws ParseError when it is not a FHIRPath expression
    // this evaluator supports (unknown functions and variables included).
    explicit Expression(std::string_view text);
    const Ast& root() const { return *root_; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
    std::unique_ptr<Ast> root_;
};

}  // namespace fhir::path
