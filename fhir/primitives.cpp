#include "fhir/primitives.h"

#include <array>
#include <cstdlib>
#include <sstream>

namespace fhir {
namespace {

// Room for the longest rewritten date, "YYYY-MM-DD".
using DateText = std::array<char, 10>;

// YYYYMMDD as YYYY-MM-DD cut to `length` characters.
std::string_view withHyphens(std::string_view host, DateText& text, std::size_t length) {
    const char* digits = host.data();
    text = {digits[0], digits[1], digits[2], digits[3], '-', digits[4], digits[5], '-', digits[6], digits[7]};
    return std::string_view(text.data(), length);
}

std::string_view shortenHostDate(std::string_view host, DateText& text) {
    if (host.size() != 8) {
        return host;
    }
    if (host.substr(0, 4) == "0000") {
        return std::string_view();
    }
    if (host.substr(4, 2) == "00") {
        return host.substr(0, 4);
    }
    if (host.substr(6, 2) == "00") {
        return withHyphens(host, text, 7);
    }
    return withHyphens(host, text, 10);
}

std::string_view expandHostDateTime(std::string_view host, DateText& text) {
    return host.size() == 8 ? withHyphens(host, text, 10) : host;
}

std::string_view viewOf(const char* text) {
    return text ? std::string_view(text) : std::string_view();
}

}  // namespace

f_string::f_string(const std::string& value) : value_(value) {}

f_string::f_string(const char* value) : value_(viewOf(value)) {}

f_string::f_string(std::string_view value) : value_(value) {}

std::string f_string::getValue() const {
    return value_.str();
}

std::string_view f_string::viewValue(std::string&) const {
    return value_.view();
}

bool f_string::isPrimitive() const {
    return true;
}

TextPrimitive::TextPrimitive(const std::string& value) : value_(value) {}

TextPrimitive::TextPrimitive(const char* value) : value_(viewOf(value)) {}

TextPrimitive::TextPrimitive(std::string_view value) : value_(value) {}

std::string TextPrimitive::getValue() const {
    return value_.str();
}

std::string_view TextPrimitive::viewValue(std::string&) const {
    return value_.view();
}

bool TextPrimitive::isPrimitive() const {
    return true;
}

f_date::f_date(const std::string& value) : TextPrimitive(std::string_view()) {
    DateText text;
    value_.assign(shortenHostDate(value, text));
}

f_date::f_date(const char* value) : TextPrimitive(std::string_view()) {
    DateText text;
    value_.assign(shortenHostDate(viewOf(value), text));
}

f_dateTime::f_dateTime(const std::string& value) : TextPrimitive(std::string_view()) {
    DateText text;
    value_.assign(expandHostDateTime(value, text));
}

f_dateTime::f_dateTime(const char* value) : TextPrimitive(std::string_view()) {
    DateText text;
    value_.assign(expandHostDateTime(viewOf(value), text));
}

f_boolean::f_boolean(std::string value) : value_(value == "true") {}

f_boolean::f_boolean(const char* value) : f_boolean(std::string(value ? value : "")) {}

f_boolean::f_boolean(bool value) : value_(value) {}

std::string f_boolean::getValue() const {
    return value_ ? "true" : "false";
}

std::string_view f_boolean::viewValue(std::string&) const {
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
