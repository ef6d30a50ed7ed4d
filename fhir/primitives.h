// FHIR primitive types. Each holds one value and answers getValue with the
// text that the writer puts into the attribute "value". Values are not
// checked against the FHIR value patterns: the host's texts are written as
// given, apart from the date shortening and number conversions below.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "fhir/Element.h"
#include "fhir/TreeText.h"

namespace fhir {

// Base of the text-valued primitives. The text is copied into tree memory.
class f_string : public Element {
public:
    explicit f_string(const std::string& value);
    // A null pointer gives empty text.
    explicit f_string(const char* value);
    explicit f_string(std::string_view value);
    std::string getValue() const override;
    std::string_view viewValue(std::string& scratch) const override;
    bool isPrimitive() const override;

private:
    TreeText value_;
};

class f_code : public f_string {
public:
    using f_string::f_string;
};
class f_id : public f_string {
public:
    using f_string::f_string;
};
class f_markdown : public f_string {
public:
    using f_string::f_string;
};
class f_xhtml : public f_string {
public:
    using f_string::f_string;
};
class f_uri : public f_string {
public:
    using f_string::f_string;
};
class f_url : public f_uri {
public:
    using f_uri::f_uri;
};
class f_canonical : public f_uri {
public:
    using f_uri::f_uri;
};
class f_oid : public f_uri {
public:
    using f_uri::f_uri;
};
class f_uuid : public f_uri {
public:
    using f_uri::f_uri;
};

// Base of the primitives that keep a text of their own kind.
class TextPrimitive : public Element {
public:
    std::string getValue() const override;
    std::string_view viewValue(std::string& scratch) const override;
    bool isPrimitive() const override;

protected:
    explicit TextPrimitive(const std::string& value);
    // A null pointer gives empty text.
    explicit TextPrimitive(const char* value);
    explicit TextPrimitive(std::string_view value);
    TreeText value_;
};

// Holds text that the caller has already Base64-encoded.
class f_base64Binary : public TextPrimitive {
public:
    explicit f_base64Binary(const std::string& value) : TextPrimitive(value) {}
    explicit f_base64Binary(const char* value) : TextPrimitive(value) {}
};

// A date. Eight characters in the host's form YYYYMMDD are shortened:
// year "0000" gives empty text, month "00" the year alone, day "00" year and
// month; any other length is kept as given.
class f_date : public TextPrimitive {
public:
    explicit f_date(const std::string& value);
    explicit f_date(const char* value);
};

// A date and time. Eight characters YYYYMMDD become YYYY-MM-DD (zero parts
// are kept); any other length is kept as given.
class f_dateTime : public TextPrimitive {
public:
    explicit f_dateTime(const std::string& value);
    explicit f_dateTime(const char* value);
};

class f_instant : public TextPrimitive {
public:
    explicit f_instant(const std::string& value) : TextPrimitive(value) {}
    explicit f_instant(const char* value) : TextPrimitive(value) {}
    explicit f_instant(std::string_view value) : TextPrimitive(value) {}
};

class f_time : public TextPrimitive {
public:
    explicit f_time(const std::string& value) : TextPrimitive(value) {}
    explicit f_time(const char* value) : TextPrimitive(value) {}
};

// True exactly for the text "true".
class f_boolean : public Element {
public:
    explicit f_boolean(std::string value);
    // Without this overload a string literal would convert to bool.
    explicit f_boolean(const char* value);
    explicit f_boolean(bool value);
    std::string getValue() const override;
    std::string_view viewValue(std::string& scratch) const override;
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
