// Values of FHIRPath expressions: nodes of the document and the system types
// (String, Boolean, Integer, Decimal, Date, DateTime, Time, Quantity).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "fhir/fhirpath/Node.h"

namespace fhir::path {

struct Value {
    enum class Type : std::uint8_t { Node, String, Boolean, Integer, Decimal, Date, DateTime, Time, Quantity };

    Type type = Type::String;
    bool boolean = false;
    std::int64_t integer = 0;
    double decimal = 0;  // also the number of a Quantity
    // String, the text of a Date/DateTime/Time, the unit of a Quantity.
    std::string_view text;
    const Node* node = nullptr;

    static Value ofNode(const Node& node) {
        Value v;
        v.type = Type::Node;
        v.node = &node;
        return v;
    }
    static Value ofString(std::string_view text) {
        Value v;
        v.text = text;
        return v;
    }
    static Value ofBoolean(bool b) {
        Value v;
        v.type = Type::Boolean;
        v.boolean = b;
        return v;
    }
    static Value ofInteger(std::int64_t i) {
        Value v;
        v.type = Type::Integer;
        v.integer = i;
        return v;
    }
    static Value ofDecimal(double d) {
        Value v;
        v.type = Type::Decimal;
        v.decimal = d;
        return v;
    }
    static Value ofTemporal(Type type, std::string_view text) {
        Value v;
        v.type = type;
        v.text = text;
        return v;
    }
    static Value ofQuantity(double number, std::string_view unit) {
        Value v;
        v.type = Type::Quantity;
        v.decimal = number;
        v.text = unit;
        return v;
    }
};

using Collection = std::vector<Value>;

}  // namespace fhir::path
