#include "fhir/fhirpath/Compare.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <string>

#include "fhir/fhirpath/Evaluator.h"
#include "fhir/fhirpath/Temporal.h"
#include "fhir/fhirpath/Types.h"

namespace fhir::path {

namespace {

using Type = Value::Type;

bool isTemporal(Type type) {
    return type == Type::Date || type == Type::DateTime || type == Type::Time;
}
bool isNumber(Type type) {
    return type == Type::Integer || type == Type::Decimal;
}
double number(const Value& v) {
    return v.type == Type::Integer ? static_cast<double>(v.integer) : v.decimal;
}

// Seconds and milliseconds are one precision in FHIRPath.
int effectivePrecision(int precision) {
    return precision == 7 ? 6 : precision;
}

std::optional<int> compareTemporal(const Value& a, const Value& b) {
    const auto x = parseTemporal(a.text, a.type == Type::Time);
    const auto y = parseTemporal(b.text, b.type == Type::Time);
    if (!x || !y) {
        throw EvaluationError("not a date or time: '" + std::string(x ? b.text : a.text) + "'");
    }
    const int common = std::min(x->precision, y->precision);
    const int start = a.type == Type::Time ? 3 : 0;
    for (int i = start; i < common; ++i) {
        if (x->parts[i] != y->parts[i]) {
            return x->parts[i] < y->parts[i] ? -1 : 1;
        }
    }
    if (effectivePrecision(x->precision) != effectivePrecision(y->precision)) {
        return std::nullopt;
    }
    return 0;
}

bool looksTemporal(std::string_view text) {
    return parseTemporal(text, false).has_value() && text.size() >= 4;
}

std::optional<double> parseNumber(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const std::string copy(text);
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (*end != '\0' || std::isspace(static_cast<unsigned char>(copy.front()))) {
        return std::nullopt;
    }
    return value;
}

// An untyped node value read as `type`; nullopt when it does not read so.
std::optional<Value> readAs(const Value& untyped, Type type) {
    switch (type) {
        case Type::Boolean:
            if (untyped.text == "true" || untyped.text == "false") {
                return Value::ofBoolean(untyped.text == "true");
            }
            return std::nullopt;
        case Type::Integer:
        case Type::Decimal: {
            const auto n = parseNumber(untyped.text);
            return n ? std::optional<Value>(Value::ofDecimal(*n)) : std::nullopt;
        }
        case Type::Date:
        case Type::DateTime:
        case Type::Time: return Value::ofTemporal(type, untyped.text);
        default: return untyped;
    }
}

bool untyped(const Value& v) {
    return v.type == Type::String && v.node;
}

// Brings two primitive values to comparable types; false when they have none.
bool align(Value& a, Value& b) {
    if (untyped(a) && !untyped(b) && b.type != Type::String) {
        const auto read = readAs(a, b.type);
        if (!read) return false;
        a = *read;
    } else if (untyped(b) && !untyped(a) && a.type != Type::String) {
        const auto read = readAs(b, a.type);
        if (!read) return false;
        b = *read;
    }
    return true;
}

bool deepEqual(const Node& a, const Node& b) {
    if (a.name != b.name || a.hasValue != b.hasValue || a.value != b.value || a.childCount != b.childCount) {
        return false;
    }
    for (std::uint32_t i = 0; i < a.childCount; ++i) {
        if (!deepEqual(a.firstChild[i], b.firstChild[i])) {
            return false;
        }
    }
    return true;
}

std::string normalised(std::string_view text) {
    std::string out;
    bool blank = false;
    for (const char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

}  // namespace

std::optional<bool> equal(const Value& left, const Value& right) {
    const auto a0 = primitive(left);
    const auto b0 = primitive(right);
    if (!a0 || !b0) {
        // Complex nodes compare by their whole content.
        return !a0 && !b0 && deepEqual(*left.node, *right.node);
    }
    Value a = *a0;
    Value b = *b0;
    if (!align(a, b)) {
        return false;
    }
    if (isNumber(a.type) && isNumber(b.type)) {
        return number(a) == number(b);
    }
    if (isTemporal(a.type) && isTemporal(b.type)) {
        const auto order = compareTemporal(a, b);
        return order ? std::optional<bool>(*order == 0) : std::nullopt;
    }
    if (a.type != b.type) {
        return false;
    }
    switch (a.type) {
        case Type::Boolean: return a.boolean == b.boolean;
        case Type::Quantity: return a.decimal == b.decimal && a.text == b.text;
        default: return a.text == b.text;
    }
}

bool equivalent(const Value& left, const Value& right) {
    const auto a = primitive(left);
    const auto b = primitive(right);
    if (a && b && a->type == Type::String && b->type == Type::String) {
        return normalised(a->text) == normalised(b->text);
    }
    const auto same = equal(left, right);
    return same && *same;
}

std::optional<int> compare(const Value& left, const Value& right) {
    const auto a0 = primitive(left);
    const auto b0 = primitive(right);
    if (!a0 || !b0) {
        throw EvaluationError("a complex value has no order");
    }
    Value a = *a0;
    Value b = *b0;
    if (!align(a, b)) {
        throw EvaluationError("values of different types have no order");
    }
    if (untyped(a) && untyped(b)) {
        const auto x = parseNumber(a.text);
        const auto y = parseNumber(b.text);
        if (x && y) {
            return *x < *y ? -1 : (*x > *y ? 1 : 0);
        }
        if (looksTemporal(a.text) && looksTemporal(b.text)) {
            a.type = b.type = Type::DateTime;
        }
    }
    if (isNumber(a.type) && isNumber(b.type)) {
        return number(a) < number(b) ? -1 : (number(a) > number(b) ? 1 : 0);
    }
    if (isTemporal(a.type) && isTemporal(b.type)) {
        return compareTemporal(a, b);
    }
    if (a.type == Type::String && b.type == Type::String) {
        const int order = a.text.compare(b.text);
        return order < 0 ? -1 : (order > 0 ? 1 : 0);
    }
    if (a.type == Type::Quantity && b.type == Type::Quantity && a.text == b.text) {
        return a.decimal < b.decimal ? -1 : (a.decimal > b.decimal ? 1 : 0);
    }
    throw EvaluationError("values of different types have no order");
}

}  // namespace fhir::path
