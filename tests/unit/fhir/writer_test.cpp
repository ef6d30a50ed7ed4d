#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/Bundle.h"
#include "fhir/r4/core/v4_0_1/CodeableConcept.h"
#include "fhir/r4/core/v4_0_1/Coding.h"
#include "fhir/r4/core/v4_0_1/Extension.h"
#include "fhir/r4/core/v4_0_1/HumanName.h"
#include "fhir/r4/core/v4_0_1/Identifier.h"
#include "fhir/r4/core/v4_0_1/Meta.h"
#include "fhir/r4/core/v4_0_1/Patient.h"

#include "support/CaseName.h"

namespace {

using namespace fhir::r4::core::v4_0_1;

struct WriterCase {
    const char* name;
    std::function<std::unique_ptr<fhir::Element>()> build;
    bool declaration;
    const char* expected;
};

class XmlWriter : public testing::TestWithParam<WriterCase> {};

TEST_P(XmlWriter, WritesExactly) {
    const auto root = GetParam().build();
    std::string out = "left over";
    root->writeXml(out, GetParam().declaration);
    EXPECT_EQ(out, GetParam().expected);
}

std::unique_ptr<fhir::Element> extensionWithoutUrl() {
    auto patient = std::make_unique<Patient>();
    auto* extension = new Extension();
    extension->setValue(new fhir::f_string("x"));
    patient->addExtension(extension);
    return patient;
}

std::unique_ptr<fhir::Element> identifierTwice() {
    auto patient = std::make_unique<Patient>();
    for (const char* value : {"1", "2"}) {
        auto* identifier = new Identifier();
        identifier->addValue(new fhir::f_string(value));
        patient->addIdentifier(identifier);
    }
    return patient;
}

Extension* namedExtension(const char* url, const char* value) {
    auto* extension = new Extension();
    extension->setUrl(new fhir::f_uri(url));
    extension->setValue(new fhir::f_string(value));
    return extension;
}

std::unique_ptr<fhir::Element> holderWithoutValue() {
    auto patient = std::make_unique<Patient>();
    patient->add_birthDate(namedExtension("http://e/absent", "unknown"));
    return patient;
}

std::unique_ptr<fhir::Element> holderIntoFirstOfTwo() {
    auto patient = std::make_unique<Patient>();
    patient->addGender(new fhir::f_code("female"));
    patient->addGender(new fhir::f_code("other"));
    patient->add_gender(namedExtension("http://e/a", "1"));
    patient->add_gender(namedExtension("http://e/b", "2"));
    return patient;
}

// The holder's extensions follow those the primitive holds itself.
std::unique_ptr<fhir::Element> holderAfterOwnExtension() {
    auto patient = std::make_unique<Patient>();
    auto* gender = new fhir::f_code("female");
    gender->addExtension(namedExtension("http://e/own", "1"));
    patient->addGender(gender);
    patient->add_gender(namedExtension("http://e/held", "2"));
    return patient;
}

std::unique_ptr<fhir::Element> emptyElements() {
    auto patient = std::make_unique<Patient>();
    patient->addMaritalStatus(new CodeableConcept());
    patient->addGender(new fhir::f_code(""));
    patient->addBirthDate(new fhir::f_date("00000000"));
    return patient;
}

std::unique_ptr<fhir::Element> quotedAttributes() {
    auto patient = std::make_unique<Patient>();
    auto* name = new HumanName();
    name->addFamily(new fhir::f_string("O\"Neil & <Sons>"));
    name->addText(new fhir::f_string("it's <fine> & \"ok\""));
    name->addGiven(new fhir::f_string("A'b & c"));
    patient->addName(name);
    return patient;
}

std::unique_ptr<fhir::Element> bundleWithNestedExtensions() {
    auto bundle = std::make_unique<Bundle>();
    bundle->setId(new fhir::f_string("b1"));
    auto* meta = new Meta();
    meta->addProfile(new fhir::f_canonical("https://example.org/StructureDefinition/B|1.2"));
    bundle->setMeta(meta);
    bundle->addType(new fhir::f_code("document"));
    auto* entry = new Bundle_entry();
    auto* patient = new Patient();
    patient->setId(new fhir::f_string("p1"));
    entry->addFullUrl(new fhir::f_uri(patient->getFullUrl()));
    auto* outer = new Extension();
    outer->setUrl(new fhir::f_uri("https://example.org/outer"));
    outer->addExtension(namedExtension("inner", "W\xC3\xBCrzburg"));
    auto* coded = new Extension();
    coded->setUrl(new fhir::f_uri("code"));
    auto* coding = new Coding();
    coding->addSystem(new fhir::f_uri("https://example.org/cs"));
    coding->addCode(new fhir::f_code("01"));
    coded->setValue(coding);
    outer->addExtension(coded);
    patient->addExtension(outer);
    patient->addGender(new fhir::f_code("female"));
    patient->add_gender(namedExtension("https://example.org/gender", "D"));
    patient->addBirthDate(new fhir::f_date("19870400"));
    entry->addResource(patient);
    bundle->addEntry(entry);
    return bundle;
}

const WriterCase kCases[] = {
    {"ExtensionWithoutUrl", extensionWithoutUrl, true,
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     "<Patient xmlns=\"http://hl7.org/fhir\">\n"
     "\t<extension url=\"content\">\n"
     "\t\t<valueString value=\"x\"/>\n"
     "\t</extension>\n"
     "</Patient>\n\n"},
    {"FieldFiledTwice", identifierTwice, false,
     "<Patient xmlns=\"http://hl7.org/fhir\">\n"
     "\t<identifier>\n\t\t<value value=\"1\"/>\n\t</identifier>\n"
     "\t<identifier>\n\t\t<value value=\"2\"/>\n\t</identifier>\n"
     "</Patient>\n\n"},
    {"HolderWithoutValue", holderWithoutValue, false,
     "<Patient xmlns=\"http://hl7.org/fhir\">\n"
     "\t<birthDate>\n"
     "\t\t<extension url=\"http://e/absent\">\n\t\t\t<valueString value=\"unknown\"/>\n\t\t</extension>\n"
     "\t</birthDate>\n"
     "</Patient>\n\n"},
    {"HolderIntoFirstOfTwo", holderIntoFirstOfTwo, false,
     "<Patient xmlns=\"http://hl7.org/fhir\">\n"
     "\t<gender value=\"female\">\n"
     "\t\t<extension url=\"http://e/a\">\n\t\t\t<valueString value=\"1\"/>\n\t\t</extension>\n"
     "\t\t<extension url=\"http://e/b\">\n\t\t\t<valueString value=\"2\"/>\n\t\t</extension>\n"
     "\t</gender>\n"
     "\t<gender value=\"other\"/>\n"
     "</Patient>\n\n"},
    {"HolderAfterOwnExtension", holderAfterOwnExtension, false,
     "<Patient xmlns=\"http://hl7.org/fhir\">\n"
     "\t<gender value=\"female\">\n"
     "\t\t<extension url=\"http://e/own\">\n\t\t\t<valueString value=\"1\"/>\n\t\t</extension>\n"
     "\t\t<extension url=\"http://e/held\">\n\t\t\t<valueString value=\"2\"/>\n\t\t</extension>\n"
     "\t</gender>\n"
     "</Patient>\n\n"},
    {"EmptyComplexAndPrimitive", emptyElements, false,
     "<Patient xmlns=\"http://hl7.org/fhir\">\n"
     "\t<gender/>\n"
     "\t<birthDate/>\n"
     "\t<maritalStatus/>\n"
     "</Patient>\n\n"},
    {"AttributeQuoting", quotedAttributes, false,
     "<Patient xmlns=\"http://hl7.org/fhir\">\n"
     "\t<name>\n"
     "\t\t<text value='it&apos;s &lt;fine&gt; &amp; \"ok\"'/>\n"
     "\t\t<family value='O\"Neil &amp; &lt;Sons&gt;'/>\n"
     "\t\t<given value=\"A'b &amp; c\"/>\n"
     "\t</name>\n"
     "</Patient>\n\n"},
    {"BundleWithNestedExtensions", bundleWithNestedExtensions, true,
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     "<Bundle xmlns=\"http://hl7.org/fhir\">\n"
     "\t<id value=\"b1\"/>\n"
     "\t<meta>\n"
     "\t\t<profile value=\"https://example.org/StructureDefinition/B|1.2\"/>\n"
     "\t</meta>\n"
     "\t<type value=\"document\"/>\n"
     "\t<entry>\n"
     "\t\t<fullUrl value=\"urn:uuid:p1\"/>\n"
     "\t\t<resource>\n"
     "\t\t\t<Patient xmlns=\"http://hl7.org/fhir\">\n"
     "\t\t\t\t<id value=\"p1\"/>\n"
     "\t\t\t\t<extension url=\"https://example.org/outer\">\n"
     "\t\t\t\t\t<extension url=\"inner\">\n"
     "\t\t\t\t\t\t<valueString value=\"W\xC3\xBCrzburg\"/>\n"
     "\t\t\t\t\t</extension>\n"
     "\t\t\t\t\t<extension url=\"code\">\n"
     "\t\t\t\t\t\t<valueCoding>\n"
     "\t\t\t\t\t\t\t<system value=\"https://example.org/cs\"/>\n"
     "\t\t\t\t\t\t\t<code value=\"01\"/>\n"
     "\t\t\t\t\t\t</valueCoding>\n"
     "\t\t\t\t\t</extension>\n"
     "\t\t\t\t</extension>\n"
     "\t\t\t\t<gender value=\"female\">\n"
     "\t\t\t\t\t<extension url=\"https://example.org/gender\">\n"
     "\t\t\t\t\t\t<valueString value=\"D\"/>\n"
     "\t\t\t\t\t</extension>\n"
     "\t\t\t\t</gender>\n"
     "\t\t\t\t<birthDate value=\"1987-04\"/>\n"
     "\t\t\t</Patient>\n"
     "\t\t</resource>\n"
     "\t</entry>\n"
     "</Bundle>\n\n"},
};

INSTANTIATE_TEST_SUITE_P(Documents, XmlWriter, testing::ValuesIn(kCases),
                         tevo::test::CaseName());

// The writer collects the text in blocks of about 16 KiB: values, markup
// and indentation that run across the end of a block come out whole.
TEST(XmlWriterBlocks, TextAcrossBlockEndsComesOutWhole) {
    for (std::size_t length = 16200; length <= 16400; length += 3) {
        const std::string family(length, 'a');
        auto patient = std::make_unique<Patient>();
        auto* name = new HumanName();
        name->addFamily(new fhir::f_string(family));
        name->addText(new fhir::f_string("O\"Neil & <Sons>"));
        patient->addName(name);
        std::string out;
        patient->writeXml(out, false);
        EXPECT_EQ(out, "<Patient xmlns=\"http://hl7.org/fhir\">\n\t<name>\n"
                       "\t\t<text value='O\"Neil &amp; &lt;Sons&gt;'/>\n"
                       "\t\t<family value=\"" + family + "\"/>\n\t</name>\n</Patient>\n\n")
            << "family of " << length << " characters";
    }
}

// Each character that makes attribute text special is found at every place of
// a value that spans a sixteen-byte block and eight-byte words, among UTF-8
// bytes: the first
// three become entities, a double quote makes the printer quote with
// apostrophes, an apostrophe stays as it is.
TEST(XmlWriterEscaping, EveryMarkupCharacterIsFoundAtEveryPlace) {
    const std::vector<std::pair<char, std::string>> written = {
        {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "\""}, {'\'', "'"}};
    for (const auto& [character, replacement] : written) {
        for (std::size_t place = 0; place < 29; ++place) {
            std::string value = "\xC3\xBC" + std::string(27, 'x');
            value[place] = character;
            auto patient = std::make_unique<Patient>();
            patient->setId(new fhir::f_string(value));
            std::string out;
            patient->writeXml(out, false);
            const std::string quote = character == '"' ? "'" : "\"";
            std::string escaped = value;
            escaped.replace(place, 1, replacement);
            EXPECT_EQ(out, "<Patient xmlns=\"http://hl7.org/fhir\">\n\t<id value=" + quote + escaped + quote +
                               "/>\n</Patient>\n\n")
                << character << " at " << place;
        }
    }
}

TEST(XmlWriterBlocks, ValueLongerThanSeveralBlocks) {
    const std::string text(50000, 'B');
    auto patient = std::make_unique<Patient>();
    patient->setId(new fhir::f_string(text));
    std::string out;
    patient->writeXml(out, true);
    EXPECT_EQ(out, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Patient xmlns=\"http://hl7.org/fhir\">\n"
                   "\t<id value=\"" + text + "\"/>\n</Patient>\n\n");
}

}  // namespace
