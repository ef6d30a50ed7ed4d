#include "fhir/r4/core/v4_0_1/Extension.h"

#include "fhir/CanonicalBase.h"
#include "fhir/XmlNode.h"
#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/CodeableConcept.h"
#include "fhir/r4/core/v4_0_1/Coding.h"
#include "fhir/r4/core/v4_0_1/Identifier.h"
#include "fhir/r4/core/v4_0_1/Period.h"
#include "fhir/r4/core/v4_0_1/Ratio.h"

namespace fhir::r4::core::v4_0_1 {
namespace {

using fhir::xml::firstAttributeValue;
using fhir::xml::hasName;


constexpr KeySpec kUrlKey{"Extension.url", "url", 1};
constexpr KeySpec kValueString{"Extension.value", "valueString", 2};
constexpr KeySpec kValueDate{"Extension.value", "valueDate", 3};
constexpr KeySpec kValueBoolean{"Extension.value", "valueBoolean", 4};
constexpr KeySpec kValueIdentifier{"Extension.value", "valueIdentifier", 5};
constexpr KeySpec kValueCoding{"Extension.value", "valueCoding", 6};
constexpr KeySpec kValueRatio{"Extension.value", "valueRatio", 7};
constexpr KeySpec kValuePeriod{"Extension.value", "valuePeriod", 8};
constexpr KeySpec kValueBase64Binary{"Extension.value", "valueBase64Binary", 9};
// An extension holds one value, so these may follow the orders of the
// nested extensions.
constexpr KeySpec kValueCode{"Extension.value", "valueCode", 10};
constexpr KeySpec kValueDateTime{"Extension.value", "valueDateTime", 11};
constexpr KeySpec kValueCodeableConcept{"Extension.value", "valueCodeableConcept", 12};

}  // namespace

Extension::Extension() : url_(std::string_view("content")) {}

std::string Extension::getFhirType() const {
    return "Extension";
}

std::string Extension::getUrl() const {
    return url_.str();
}

std::string Extension::getCanonical() const {
    return std::string(base::kCoreDefinitions) + "Extension" + base::kCoreVersionSuffix;
}

void Extension::setUrl(fhir::f_uri* url) {
    if (!url) {
        return;
    }
    fileChild(kUrlKey, url);
    std::string scratch;
    url_.assign(url->viewValue(scratch));
}

void Extension::setValue(fhir::f_base64Binary* value) {
    fileChild(kValueBase64Binary, value);
}

void Extension::setValue(fhir::f_date* value) {
    fileChild(kValueDate, value);
}

void Extension::setValue(fhir::f_boolean* value) {
    fileChild(kValueBoolean, value);
}

void Extension::setValue(fhir::f_string* value) {
    fileChild(kValueString, value);
}

void Extension::setValue(Identifier* value) {
    fileChild(kValueIdentifier, value);
}

void Extension::setValue(Coding* value) {
    fileChild(kValueCoding, value);
}

void Extension::setValue(Ratio* value) {
    fileChild(kValueRatio, value);
}

void Extension::setValue(Period* value) {
    fileChild(kValuePeriod, value);
}

void Extension::setValue(fhir::f_code* value) {
    fileChild(kValueCode, value);
}

void Extension::setValue(fhir::f_dateTime* value) {
    fileChild(kValueDateTime, value);
}

void Extension::setValue(CodeableConcept* value) {
    fileChild(kValueCodeableConcept, value);
}

Extension* Extension::parse(const xml::Node* node) {
    auto* extension = new Extension();
    if (!node) {
        return extension;
    }
    const std::string url = firstAttributeValue(node);
    if (!url.empty()) {
        extension->url_.assign(url);
    }
    for (const xml::Node* child = xml::firstChildElement(node); child; child = xml::nextSiblingElement(child)) {
        if (hasName(child, "extension")) {
            extension->addExtension(Extension::parse(child));
        } else if (hasName(child, "valueString")) {
            extension->setValue(new fhir::f_string(firstAttributeValue(child)));
        } else if (hasName(child, "valueDate")) {
            extension->setValue(new fhir::f_date(firstAttributeValue(child)));
        } else if (hasName(child, "valueBoolean")) {
            extension->setValue(new fhir::f_boolean(firstAttributeValue(child)));
        } else if (hasName(child, "valueBase64Binary")) {
            extension->setValue(new fhir::f_base64Binary(firstAttributeValue(child)));
        } else if (hasName(child, "valueIdentifier")) {
            extension->setValue(Identifier::parse(child));
        } else if (hasName(child, "valueCoding")) {
            extension->setValue(Coding::parse(child));
        }
    }
    return extension;
}

}  // namespace fhir::r4::core::v4_0_1
