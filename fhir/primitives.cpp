#include "fhir/primitives.h"

#include <cstdlib>
#include <sstream>

namespace fhir {
namespace {

std::string shortenHostDate(std::string text) {
    if (text.size() != 8) {
        return text;
    }
    const std::string year = text.substr(0, 4);
    const std::string month = text.substr(4, 2);
    const std::string day = text.substr(6, 2);
    if (year == "0000") {
        return std::string();
    }
    if (month == "00") {
        return year;
    }
    if (day == "00") {
        return year + "-" + month;
    }
    return year + "-" + month + "-" + day;
}

std::string expandHostDateTime(std::string text) {
    if (text.size() != 8) {
        return text;
    }
    return text.substr(0, 4) + "-" + text.substr(4, 2) + "-" + text.substr(6, 2);
}

}  // namespace

f_string::f_string(std::string value) : value_(std::move(value)) {}

std::string f_string::getValue() const {
    return value_;
}

bool f_string::isPrimitive() const {
    return true;
}

TextPrimitive::TextPrimitive(std::string value) : value_(std::move(value)) {}

std::string TextPrimitive::getValue() const {
    return value_;
}

bool TextPrimitive::isPrimitive() const {
    return true;
}

f_date::f_date(std::string value) : TextPrimitive(shortenHostDate(std::move(value))) {}

f_dateTime::f_dateTime(std::string value) : TextPrimitive(expandHostDateTime(std::move(value))) {}

f_boolean::f_boolean(std::string value) : value_(value == "true") {}

f_boolean::f_boolean(const char* value) : f_boolean(std::string(value ? value : "")) {}

f_boolean::f_boolean(bool value) : value_(value) {}

std::string f_boolean::getValue() const {
    return value_ ? "true" : "false";
}

bool f_boolean::isPrimitive() const {
    return true;
}

f_integer::f_integer(std::string value) : value_(static_cast<std::int32_t>(std::atoi(value.c_str()))) {}

f_integer::f_integer(std::int32_t value) : value_(value) {}

std::string f_integer::getValue() const {
    return std::to_string(value_);
}

bool f_integer::isPrimitive() const {
    return true;
}

f_decimal::f_decimal(std::string value) : value_(std::atof(value.c_str())) {}

f_decimal::f_decimal(double value) : value_(value) {}

std::string f_decimal::getValue() const {
    std::ostringstream out;
    out << value_;
    return out.str();
}

bool f_decimal::isPrimitive() const {
    return true;
}

}  // namespace fhir
