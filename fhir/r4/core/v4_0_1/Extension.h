// The FHIR Extension (hand-written). Its url is held as text and written as
// the attribute "url"; the value variants share the order numbers 2 to 12 with
// nested extensions, since an extension has either a value or sub-extensions.
#pragma once

#include <string>
#include <string_view>

#include "fhir/Element.h"
#include "fhir/TreeText.h"
#include "fhir/XmlNode.h"

namespace fhir {
class f_base64Binary;
class f_boolean;
class f_code;
class f_date;
class f_dateTime;
class f_string;
class f_uri;
}  // namespace fhir

namespace fhir::r4::core::v4_0_1 {

class CodeableConcept;
class Coding;
class Identifier;
class Period;
class Ratio;

class Extension : public fhir::Element {
public:
    Extension();

    std::string getFhirType() const override;
    std::string getUrl() const override;
    // The text of getUrl without a copy (no extension class overrides getUrl).
    std::string_view urlText() const { return url_.view(); }
    virtual std::string getCanonical() const;
    // Files the url under ("Extension.url", "url", 1) and keeps its text.
    virtual void setUrl(fhir::f_uri* url);
    virtual void setValue(fhir::f_base64Binary* value);
    virtual void setValue(fhir::f_date* value);
    virtual void setValue(fhir::f_boolean* value);
    virtual void setValue(fhir::f_string* value);
    virtual void setValue(Identifier* value);
    virtual void setValue(Coding* value);
    virtual void setValue(Ratio* value);
    virtual void setValue(Period* value);
    virtual void setValue(fhir::f_code* value);
    virtual void setValue(fhir::f_dateTime* value);
    virtual void setValue(CodeableConcept* value);

    // Reads the url from the node's first attribute and the value types
    // valueString, valueDate, valueBoolean, valueBase64Binary,
    // valueIdentifier and valueCoding; nested extensions recursively.
    static Extension* parse(const xml::Node* node);

protected:
    TreeText url_;
};

}  // namespace fhir::r4::core::v4_0_1
