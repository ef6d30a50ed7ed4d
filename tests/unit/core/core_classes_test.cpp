#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fhir/XmlReader.h"
#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/ADXP_streetName.h"
#include "fhir/r4/core/v4_0_1/AllergyIntolerance.h"
#include "fhir/r4/core/v4_0_1/Age.h"
#include "fhir/r4/core/v4_0_1/Bundle.h"
#include "fhir/r4/core/v4_0_1/CodeableConcept.h"
#include "fhir/r4/core/v4_0_1/Coding.h"
#include "fhir/r4/core/v4_0_1/Identifier.h"
#include "fhir/r4/core/v4_0_1/Meta.h"
#include "fhir/r4/core/v4_0_1/Patient.h"
#include "fhir/r4/core/v4_0_1/Period.h"
#include "fhir/r4/core/v4_0_1/Quantity.h"
#include "fhir/r4/core/v4_0_1/Reference.h"
#include "fhir/r4/core/v4_0_1/Signature.h"
#include "fhir/r4/core/v4_0_1/dueTo.h"

#include "support/CaseName.h"

namespace {

using namespace fhir::r4::core::v4_0_1;
using fhir::f_boolean;
using fhir::f_code;
using fhir::f_string;

std::string keysOf(const fhir::Element& element) {
    std::string keys;
    for (const fhir::ChildEntry entry : element.childStore()) {
        keys += std::string(entry.key().name) + " " + std::to_string(entry.key().order) + ", ";
    }
    return keys;
}

// Files one child with every adder so the store shows every key.
struct TellingRow {
    const char* name;
    std::function<std::unique_ptr<fhir::Element>()> fill;
    const char* keys;
};

class TellingRows : public testing::TestWithParam<TellingRow> {};

TEST_P(TellingRows, UseTheseOrderNumbers) {
    EXPECT_EQ(keysOf(*GetParam().fill()), GetParam().keys);
}

Extension* extension() {
    return new Extension();
}

const TellingRow kRows[] = {
    {"Patient",
     [] {
         auto p = std::make_unique<Patient>();
         p->addIdentifier(new Identifier());
         p->addActive(new f_boolean(true));
         p->add_active(extension());
         p->addGender(new f_code("x"));
         p->add_gender(extension());
         p->addBirthDate(new fhir::f_date("x"));
         p->add_birthDate(extension());
         p->addDeceased(new f_boolean(true));
         p->addDeceased(new fhir::f_dateTime("x"));
         p->add_deceased(extension());
         p->addMultipleBirth(new f_boolean(true));
         p->addMultipleBirth(new fhir::f_integer(2));
         p->add_multipleBirth(extension());
         p->addLink(new Patient_link());
         return std::unique_ptr<fhir::Element>(std::move(p));
     },
     "identifier 10, active 11, _active 12, gender 15, _gender 16, birthDate 17, _birthDate 18, "
     "deceasedBoolean 19, deceasedDateTime 20, _deceased 21, multipleBirthBoolean 24, multipleBirthInteger 25, "
     "_multipleBirth 26, link 32, "},
    {"AllergyIntolerance",
     [] {
         auto a = std::make_unique<AllergyIntolerance>();
         a->add_type(extension());
         a->addCode(new CodeableConcept());
         a->addOnset(new fhir::f_dateTime("x"));
         a->addOnset(new Age());
         a->addOnset(new f_string("x"));
         a->add_onset(extension());
         a->add_lastOccurrence(extension());
         a->addReaction(new AllergyIntolerance_reaction());
         return std::unique_ptr<fhir::Element>(std::move(a));
     },
     "_type 14, code 19, onsetDateTime 22, onsetAge 23, onsetString 26, _onset 27, _lastOccurrence 33, "
     "reaction 35, "},
    {"AllergyIntolerance_reaction",
     [] {
         auto r = std::make_unique<AllergyIntolerance_reaction>();
         r->addSubstance(new CodeableConcept());
         r->addManifestation(new CodeableConcept());
         r->addDescription(new f_string("x"));
         r->add_description(extension());
         return std::unique_ptr<fhir::Element>(std::move(r));
     },
     "substance 10, manifestation 11, description 12, _description 13, "},
    {"Bundle",
     [] {
         auto b = std::make_unique<Bundle>();
         b->addIdentifier(new Identifier());
         b->addType(new f_code("x"));
         b->add_type(extension());
         b->addTimestamp(new fhir::f_instant("x"));
         b->add_timestamp(extension());
         b->addTotal(new fhir::f_unsignedInt(1));
         b->add_total(extension());
         b->addLink(new Bundle_link());
         b->addEntry(new Bundle_entry());
         b->addSignature(new Signature());
         return std::unique_ptr<fhir::Element>(std::move(b));
     },
     "identifier 10, type 11, _type 12, timestamp 13, _timestamp 14, total 15, _total 16, link 17, entry 18, "
     "signature 19, "},
    {"Bundle_entry",
     [] {
         auto e = std::make_unique<Bundle_entry>();
         e->addLink(new Bundle_link());
         e->addFullUrl(new fhir::f_uri("x"));
         e->add_fullUrl(extension());
         e->addResource(new Patient());
         e->addSearch(new Bundle_entry_search());
         e->addRequest(new Bundle_entry_request());
         e->addResponse(new Bundle_entry_response());
         return std::unique_ptr<fhir::Element>(std::move(e));
     },
     "link 10, fullUrl 11, _fullUrl 12, resource 13, search 14, request 15, response 16, "},
    {"Meta",
     [] {
         auto m = std::make_unique<Meta>();
         m->addVersionId(new fhir::f_id("x"));
         m->add_versionId(extension());
         m->addLastUpdated(new fhir::f_instant("x"));
         m->add_lastUpdated(extension());
         m->addSource(new fhir::f_uri("x"));
         m->add_source(extension());
         m->addProfile(new fhir::f_canonical("x"));
         m->add_profile(extension());
         m->addSecurity(new Coding());
         m->addTag(new Coding());
         return std::unique_ptr<fhir::Element>(std::move(m));
     },
     "versionId 10, _versionId 11, lastUpdated 12, _lastUpdated 13, source 14, _source 15, profile 16, "
     "_profile 17, security 18, tag 19, "},
    {"Coding",
     [] {
         auto c = std::make_unique<Coding>();
         c->addSystem(new fhir::f_uri("x"));
         c->add_system(extension());
         c->addVersion(new f_string("x"));
         c->add_version(extension());
         c->addCode(new f_code("x"));
         c->add_code(extension());
         c->addDisplay(new f_string("x"));
         c->add_display(extension());
         c->addUserSelected(new f_boolean(true));
         c->add_userSelected(extension());
         return std::unique_ptr<fhir::Element>(std::move(c));
     },
     "system 10, _system 11, version 12, _version 13, code 14, _code 15, display 16, _display 17, "
     "userSelected 18, _userSelected 19, "},
    {"Identifier",
     [] {
         auto i = std::make_unique<Identifier>();
         i->addUse(new f_code("x"));
         i->add_use(extension());
         i->addType(new CodeableConcept());
         i->addSystem(new fhir::f_uri("x"));
         i->add_system(extension());
         i->addValue(new f_string("x"));
         i->add_value(extension());
         i->addPeriod(new Period());
         i->addAssigner(new Reference());
         return std::unique_ptr<fhir::Element>(std::move(i));
     },
     "use 10, _use 11, type 12, system 13, _system 14, value 15, _value 16, period 17, assigner 18, "},
    {"Reference",
     [] {
         auto r = std::make_unique<Reference>();
         r->addReference(new f_string("x"));
         r->add_reference(extension());
         r->addType(new fhir::f_uri("x"));
         r->add_type(extension());
         r->addIdentifier(new Identifier());
         r->addDisplay(new f_string("x"));
         r->add_display(extension());
         return std::unique_ptr<fhir::Element>(std::move(r));
     },
     "reference 10, _reference 11, type 12, _type 13, identifier 14, display 15, _display 16, "},
    {"QuantityThroughAge",
     [] {
         auto q = std::make_unique<Age>();
         q->addValue(new fhir::f_decimal(1.5));
         q->add_value(extension());
         q->addComparator(new f_code("x"));
         q->add_comparator(extension());
         q->addUnit(new f_string("x"));
         q->add_unit(extension());
         q->addSystem(new fhir::f_uri("x"));
         q->add_system(extension());
         q->addCode(new f_code("x"));
         q->add_code(extension());
         return std::unique_ptr<fhir::Element>(std::move(q));
     },
     "value 10, _value 11, comparator 12, _comparator 13, unit 14, _unit 15, system 16, _system 17, code 18, "
     "_code 19, "},
    {"ExtensionClass",
     [] {
         auto e = std::make_unique<ADXP_streetName>();
         e->setValue(new f_string("Hauptstra\xC3\x9F" "e"));
         e->add_value(extension());
         return std::unique_ptr<fhir::Element>(std::move(e));
     },
     "url 1, valueString 10, _value 11, "},
    {"DueTo",
     [] {
         auto e = std::make_unique<dueTo>();
         e->setValue(new Reference());
         e->setValue(new CodeableConcept());
         return std::unique_ptr<fhir::Element>(std::move(e));
     },
     "url 1, valueCodeableConcept 10, valueReference 11, "},
};

INSTANTIATE_TEST_SUITE_P(CoreClasses, TellingRows, testing::ValuesIn(kRows),
                         tevo::test::CaseName());

struct Identity {
    const char* name;
    std::function<std::unique_ptr<fhir::Element>()> make;
    const char* fhirType;
    const char* url;
};

class ClassIdentity : public testing::TestWithParam<Identity> {};

TEST_P(ClassIdentity, AnswersTypeAndUrl) {
    const auto element = GetParam().make();
    EXPECT_EQ(element->getFhirType(), GetParam().fhirType);
    EXPECT_EQ(element->getUrl(), GetParam().url);
}

template <class T>
std::function<std::unique_ptr<fhir::Element>()> make() {
    return [] { return std::make_unique<T>(); };
}

INSTANTIATE_TEST_SUITE_P(
    CoreClasses, ClassIdentity,
    testing::Values(
        Identity{"Patient", make<Patient>(), "Patient", "http://hl7.org/fhir/StructureDefinition/Patient"},
        Identity{"BundleEntry", make<Bundle_entry>(), "Bundle_entry", "http://hl7.org/fhir/StructureDefinition/Bundle"},
        Identity{"Age", make<Age>(), "Age", "http://hl7.org/fhir/StructureDefinition/Age"},
        Identity{"Extension", make<Extension>(), "Extension", "content"},
        Identity{"StreetName", make<ADXP_streetName>(), "Extension",
                 "http://hl7.org/fhir/StructureDefinition/iso21090-ADXP-streetName"}),
    tevo::test::CaseName());

TEST(CoreClasses, CanonicalsCarryTheCoreVersion) {
    EXPECT_EQ(Bundle_entry().getCanonical(), "http://hl7.org/fhir/StructureDefinition/Bundle|4.0.1");
    EXPECT_EQ(Patient().getCanonical(), "http://hl7.org/fhir/StructureDefinition/Patient|4.0.1");
    EXPECT_EQ(Extension().getCanonical(), "http://hl7.org/fhir/StructureDefinition/Extension|4.0.1");
}

TEST(CoreClasses, PatientGenderWithExtensionIsWrittenInsideGender) {
    Patient patient;
    patient.addGender(new f_code("female"));
    auto* other = new Extension();
    other->setUrl(new fhir::f_uri("http://fhir.de/StructureDefinition/gender-amtlich-de"));
    auto* coding = new Coding();
    coding->addCode(new f_code("D"));
    other->setValue(coding);
    patient.add_gender(other);
    std::string xml;
    patient.writeXml(xml, false);
    EXPECT_EQ(xml,
              "<Patient xmlns=\"http://hl7.org/fhir\">\n"
              "\t<gender value=\"female\">\n"
              "\t\t<extension url=\"http://fhir.de/StructureDefinition/gender-amtlich-de\">\n"
              "\t\t\t<valueCoding>\n"
              "\t\t\t\t<code value=\"D\"/>\n"
              "\t\t\t</valueCoding>\n"
              "\t\t</extension>\n"
              "\t</gender>\n"
              "</Patient>\n\n");
}

TEST(CoreClasses, ChoiceVariantsShareOnePath) {
    Patient patient;
    auto* first = new f_boolean(false);
    patient.addDeceased(first);
    patient.addDeceased(new fhir::f_dateTime("20240101"));
    EXPECT_EQ(patient.getChildren("Patient.deceased").size(), 2u);
    EXPECT_EQ(patient.getChild("Patient.deceased"), first);
}

TEST(CoreParse, PrimitiveTakesItsFirstAttributeWhateverItsName) {
    const fhir::xml::ParsedDocument document("<Patient><gender id=\"g1\" value=\"male\"/></Patient>");
    const std::unique_ptr<Patient> patient(Patient::parse(document.root()));
    EXPECT_EQ(patient->getChild("Patient.gender")->getValue(), "g1");
}

TEST(CoreParse, ExtensionReadsOnlyTheListedValueTypes) {
    const fhir::xml::ParsedDocument document(
        "<extension url=\"u\"><valueRatio><numerator><value value=\"1\"/></numerator></valueRatio>"
        "<extension url=\"n\"><valueBoolean value=\"true\"/></extension></extension>");
    const std::unique_ptr<Extension> extension(Extension::parse(document.root()));
    EXPECT_EQ(extension->getUrl(), "u");
    EXPECT_TRUE(extension->getChildren("Extension.value").empty());
    ASSERT_EQ(extension->getChildren("Element.extension").size(), 1u);
    EXPECT_EQ(extension->getValueByPath({"Element.extension", "Extension.value"}, true), "true");
}

TEST(CoreParse, UnknownResourceInEntryIsDropped) {
    const fhir::xml::ParsedDocument document(
        "<Bundle><entry><resource><Binary/></resource></entry><entry><resource/></entry></Bundle>");
    const std::unique_ptr<Bundle> bundle(Bundle::parse(document.root()));
    const auto entries = bundle->getChildren("Bundle.entry");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(entries[0]->getChildren("Bundle.entry.resource").empty());
}

}  // namespace
