// FHIR primitive types. Each holds one value and answers getValue with the
// text that the writer puts into the attribute "value". Values are not
// checked against the FHIR value patterns: the host's texts are written as
// given, apart from the date shortening and number conversions below.
#pragma once

#include <cstdint>
#include <string>

#include "fhir/Element.h"

namespace fhir {

// Base of the text-valued primitives.
class f_string : public Element {
public:
    explicit f_string(std::string value);
    std::string getValue() const override;
    bool isPrimitive() const override;

private:
    std::string value_;
};

class f_code : public f_string {
public:
    explicit f_code(std::string value) : f_string(std::move(value)) {}
};
class f_id : public f_string {
public:
    explicit f_id(std::string value) : f_string(std::move(value)) {}
};
class f_markdown : public f_string {
public:
    explicit f_markdown(std::string value) : f_string(std::move(value)) {}
};
class f_xhtml : public f_string {
public:
    explicit f_xhtml(std::string value) : f_string(std::move(value)) {}
};
class f_uri : public f_string {
public:
    explicit f_uri(std::string value) : f_string(std::move(value)) {}
};
class f_url : public f_uri {
public:
    explicit f_url(std::string value) : f_uri(std::move(value)) {}
};
class f_canonical : public f_uri {
public:
    explicit f_canonical(std::string value) : f_uri(std::move(value)) {}
};
class f_oid : public f_uri {
public:
    explicit f_oid(std::string value) : f_uri(std::move(value)) {}
};
class f_uuid : public f_uri {
public:
    explicit f_uuid(std::string value) : f_uri(std::move(value)) {}
};

// Base of the primitives that keep a text of their own kind.
class TextPrimitive : public Element {
public:
    std::string getValue() const override;
    bool isPrimitive() const override;

protected:
    explicit TextPrimitive(std::string value);
    std::string value_;
};

// Holds text that the caller has already Base64-encoded.
class f_base64Binary : public TextPrimitive {
public:
    explicit f_base64Binary(std::string value) : TextPrimitive(std::move(value)) {}
};

// A date. Eight characters in the host's form YYYYMMDD are shortened:
// year "0000" gives empty text, month "00" the year alone, day "00" year and
// month; any other length is kept as given.
class f_date : public TextPrimitive {
public:
    explicit f_date(std::string value);
};

// A date and time. Eight characters YYYYMMDD become YYYY-MM-DD (zero parts
// are kept); any other length is kept as given.
class f_dateTime : public TextPrimitive {
public:
    explicit f_dateTime(std::string value);
};

class f_instant : public TextPrimitive {
public:
    explicit f_instant(std::string value) : TextPrimitive(std::move(value)) {}
};

class f_time : public TextPrimitive {
public:
    explicit f_time(std::string value) : TextPrimitive(std::move(value)) {}
};

// True exactly for the text "true".
class f_boolean : public Element {
public:
    explicit f_boolean(std::string value);
    // Without this overload a string literal would convert to bool.
    explicit f_boolean(const char* value);
    explicit f_boolean(bool value);
    std::string getValue() const override;
    bool isPrimitive() const override;
    bool value() const { return value_; }

private:
    bool value_;
};

// Text is read as by atoi: no range check, 0 when there are no digits.
class f_integer : public Element {
public:
    explicit f_integer(std::string value);
    explicit f_integer(std::int32_t value);
    std::string getValue() const override;
    bool isPrimitive() const override;
    std::int32_t value() const { return value_; }

private:
    std::int32_t value_;
};

class f_positiveInt : public f_integer {
public:
    explicit f_positiveInt(std::string value) : f_integer(std::move(value)) {}
};

class f_unsignedInt : public f_integer {
public:
    explicit f_unsignedInt(std::string value) : f_integer(std::move(value)) {}
    explicit f_unsignedInt(std::int32_t value) : f_integer(value) {}
};

// Text is read as by atof; printed by a default std::ostringstream.
class f_decimal : public Element {
public:
    explicit f_decimal(std::string value);
    explicit f_decimal(double value);
    std::string getValue() const override;
    bool isPrimitive() const override;
    double value() const { return value_; }

private:
    double value_;
};

}  // namespace fhir
