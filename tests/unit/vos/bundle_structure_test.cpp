// The VoS document's resources: which are built under which condition, their
// order, the composition's sections and the values taken from the record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/CaseName.h"
#include "unit/vos/vos_support.h"

namespace {

using vostest::Document;
using Profiles = std::vector<std::string>;
namespace xml = fhir::xml;

class VosBundle : public vostest::PinnedIdentity {};

// The "code" values of the composition's sections, and their references.
struct Section {
    std::string code;
    std::vector<std::string> references;
};

std::vector<Section> sectionsOf(const Document& document) {
    std::vector<Section> sections;
    const xml::Node* composition = document.first("KBV_PR_VoS_Composition");
    for (const xml::Node* section = xml::firstChildElement(composition, "section"); section;
         section = xml::nextSiblingElement(section, "section")) {
        Section read{xml::childValue(xml::firstChildElement(xml::firstChildElement(section, "code"), "coding"), "code"),
                     {}};
        for (const xml::Node* entry = xml::firstChildElement(section, "entry"); entry;
             entry = xml::nextSiblingElement(entry, "entry")) {
            read.references.push_back(xml::childValue(entry, "reference"));
        }
        sections.push_back(read);
    }
    return sections;
}

// The full URLs of the entries of the given profiles, in document order.
std::vector<std::string> urlsOf(const Document& document, const Profiles& profiles) {
    std::vector<std::string> urls;
    for (const vostest::Entry& entry : document.entries()) {
        for (const std::string& profile : profiles) {
            if (entry.profile == profile) {
                urls.push_back(Document::fullUrlOf(entry.resource));
            }
        }
    }
    return urls;
}

TEST_F(VosBundle, FullRecordHasEveryResourceInOrder) {
    const Document document(vostest::documentText(vossamples::fullRecord()));
    const Profiles expected = {
        "KBV_PR_VoS_Composition", "KBV_PR_VoS_Patient", "KBV_PR_VoS_User", "KBV_PR_VoS_Device_PVS",
        "KBV_PR_VoS_Practitioner", "KBV_PR_VoS_Organization", "KBV_PR_VoS_PractitionerRole",
        "KBV_PR_VoS_AllergyIntolerance", "KBV_PR_VoS_AllergyIntolerance", "KBV_PR_VoS_Coverage",
        "KBV_PR_VoS_Condition", "KBV_PR_VoS_Condition", "KBV_PR_VoS_Observation_Body_Weight",
        "KBV_PR_VoS_Observation_Body_Height", "KBV_PR_VoS_Observation_Creatinine_Level",
        "KBV_PR_VoS_Medication_PZN", "KBV_PR_VoS_Prescription", "KBV_PR_VoS_Medication_Ingredient",
        "KBV_PR_VoS_Prescription", "KBV_PR_VoS_Medication_FreeText", "KBV_PR_VoS_Prescription",
        "KBV_PR_VoS_DocumentReference"};
    EXPECT_EQ(document.profiles(), expected);
}

TEST_F(VosBundle, SectionsListTheirResourcesInOrder) {
    const Document document(vostest::documentText(vossamples::fullRecord()));
    const std::vector<Section> sections = sectionsOf(document);
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0].code, "Additional patient information");
    EXPECT_EQ(sections[0].references,
              urlsOf(document, {"KBV_PR_VoS_AllergyIntolerance", "KBV_PR_VoS_Coverage", "KBV_PR_VoS_Condition",
                                "KBV_PR_VoS_Observation_Body_Weight", "KBV_PR_VoS_Observation_Body_Height",
                                "KBV_PR_VoS_Observation_Creatinine_Level"}));
    EXPECT_EQ(sections[1].code, "Medications");
    std::vector<std::string> medications = urlsOf(
        document, {"KBV_PR_VoS_Medication_PZN", "KBV_PR_VoS_Medication_Ingredient", "KBV_PR_VoS_Medication_FreeText"});
    const std::vector<std::string> prescriptions = urlsOf(document, {"KBV_PR_VoS_Prescription"});
    medications.insert(medications.end(), prescriptions.begin(), prescriptions.end());
    EXPECT_EQ(sections[1].references, medications);
    EXPECT_EQ(sections[2].code, "Documents");
    EXPECT_EQ(sections[2].references, urlsOf(document, {"KBV_PR_VoS_DocumentReference"}));
}

TEST_F(VosBundle, EmptyListsGiveNoResourcesAndNoSections) {
    const Document document(vostest::documentText(vossamples::minimalRecord()));
    const Profiles expected = {"KBV_PR_VoS_Composition",  "KBV_PR_VoS_Patient",      "KBV_PR_VoS_User",
                               "KBV_PR_VoS_Device_PVS",   "KBV_PR_VoS_Practitioner", "KBV_PR_VoS_Organization",
                               "KBV_PR_VoS_PractitionerRole"};
    EXPECT_EQ(document.profiles(), expected);
    EXPECT_TRUE(sectionsOf(document).empty());
}

// One entry in each list gives one resource of its kind and one section.
struct SingleEntryCase {
    const char* name;
    void (*add)(VosRecord&);
    Profiles added;
    const char* section;
};

const SingleEntryCase kSingleEntries[] = {
    {"allergy", [](VosRecord& r) { r.allergien.push_back(vossamples::fullRecord().allergien[0]); },
     {"KBV_PR_VoS_AllergyIntolerance"}, "Additional patient information"},
    {"condition", [](VosRecord& r) { r.diagnosen.push_back(vossamples::fullRecord().diagnosen[0]); },
     {"KBV_PR_VoS_Condition"}, "Additional patient information"},
    {"coverage_from_second_number_alone", [](VosRecord& r) { r.patient.versicherung.zweitnummer = "1"; },
     {"KBV_PR_VoS_Coverage"}, "Additional patient information"},
    {"body_height", [](VosRecord& r) { r.messwerte.koerpergroesse = "170"; },
     {"KBV_PR_VoS_Observation_Body_Height"}, "Additional patient information"},
    {"creatinine", [](VosRecord& r) { r.messwerte.kreatinin = "0.9"; },
     {"KBV_PR_VoS_Observation_Creatinine_Level"}, "Additional patient information"},
    {"medication", [](VosRecord& r) { r.medikamente.push_back(vossamples::freeTextMedication()); },
     {"KBV_PR_VoS_Medication_FreeText", "KBV_PR_VoS_Prescription"}, "Medications"},
    {"document", [](VosRecord& r) { r.dokumente.push_back(vossamples::fullRecord().dokumente[0]); },
     {"KBV_PR_VoS_DocumentReference"}, "Documents"},
};

class VosSingleEntry : public vostest::PinnedIdentity, public testing::WithParamInterface<SingleEntryCase> {};

TEST_P(VosSingleEntry, AddsItsResourcesAndItsSection) {
    VosRecord record = vossamples::minimalRecord();
    GetParam().add(record);
    const Document document(vostest::documentText(record));
    Profiles expected = Document(vostest::documentText(vossamples::minimalRecord())).profiles();
    expected.insert(expected.end(), GetParam().added.begin(), GetParam().added.end());
    EXPECT_EQ(document.profiles(), expected);
    const std::vector<Section> sections = sectionsOf(document);
    ASSERT_EQ(sections.size(), 1u);
    EXPECT_EQ(sections[0].code, GetParam().section);
    EXPECT_EQ(sections[0].references, urlsOf(document, GetParam().added));
}

INSTANTIATE_TEST_SUITE_P(Lists, VosSingleEntry, testing::ValuesIn(kSingleEntries), tevo::test::CaseName());

// The form of a medication: the first whose fields are given.
struct MedicationCase {
    const char* name;
    void (*fill)(VosMedication&);
    const char* profile;  // "" for none
};

const MedicationCase kMedicationForms[] = {
    {"pzn_by_name", [](VosMedication& m) { m.pzn.name = "A"; }, "KBV_PR_VoS_Medication_PZN"},
    {"pzn_by_number_before_the_others",
     [](VosMedication& m) {
         m.pzn.pzn = "1";
         m.wirkstoff.kategorie = "00";
         m.freitext.name = "F";
     },
     "KBV_PR_VoS_Medication_PZN"},
    {"ingredient_by_form", [](VosMedication& m) { m.wirkstoff.darreichungsform = "Tabletten"; },
     "KBV_PR_VoS_Medication_Ingredient"},
    {"ingredient_by_category_before_free_text",
     [](VosMedication& m) {
         m.wirkstoff.kategorie = "01";
         m.freitext.name = "F";
     },
     "KBV_PR_VoS_Medication_Ingredient"},
    {"free_text", [](VosMedication& m) { m.freitext.name = "F"; }, "KBV_PR_VoS_Medication_FreeText"},
    {"ingredient_name_alone_is_none", [](VosMedication& m) { m.wirkstoff.wirkstoffname = "Ramipril"; }, ""},
    {"empty_entry_is_none", [](VosMedication&) {}, ""},
};

class VosMedicationForm : public vostest::PinnedIdentity, public testing::WithParamInterface<MedicationCase> {};

TEST_P(VosMedicationForm, ChoosesTheFirstGivenForm) {
    VosRecord record = vossamples::minimalRecord();
    VosMedication entry;
    GetParam().fill(entry);
    record.medikamente.push_back(entry);
    const Profiles profiles = Document(vostest::documentText(record)).profiles();
    const Profiles tail(profiles.begin() + 7, profiles.end());
    if (std::string(GetParam().profile).empty()) {
        EXPECT_TRUE(tail.empty());
    } else {
        EXPECT_EQ(tail, (Profiles{GetParam().profile, "KBV_PR_VoS_Prescription"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, VosMedicationForm, testing::ValuesIn(kMedicationForms), tevo::test::CaseName());

TEST_F(VosBundle, PatientNeedsNumberOrName) {
    VosRecord record = vossamples::minimalRecord();
    record.patient.person.patientennummer = "  ";
    record.patient.person.nachname = "";
    record.patient.person.vorname = "";
    const Document document(vostest::documentText(record));
    EXPECT_EQ(document.first("KBV_PR_VoS_Patient"), nullptr);
    EXPECT_EQ(xml::firstChildElement(document.first("KBV_PR_VoS_Composition"), "subject"), nullptr);
}

// Gender and the official German code of "other".
struct GenderCase {
    const char* name;
    const char* host;
    const char* gender;  // "" for none
    const char* official;  // "" for none
};

const GenderCase kGenders[] = {
    {"unknown", "0", "unknown", ""}, {"male", "m", "male", ""},   {"female", "f", "female", ""},
    {"diverse", "d", "other", "D"},  {"unset", "x", "other", "X"}, {"other_host_code", "M", "", ""},
};

class VosGender : public vostest::PinnedIdentity, public testing::WithParamInterface<GenderCase> {};

TEST_P(VosGender, MapsTheHostCode) {
    VosRecord record = vossamples::minimalRecord();
    record.patient.person.geschlecht = GetParam().host;
    const Document document(vostest::documentText(record));
    const xml::Node* gender = xml::firstChildElement(document.first("KBV_PR_VoS_Patient"), "gender");
    EXPECT_EQ(xml::attributeValue(gender, "value"), GetParam().gender);
    const xml::Node* official = xml::firstChildElement(xml::firstChildElement(gender, "extension"), "valueCoding");
    EXPECT_EQ(xml::childValue(official, "code"), GetParam().official);
}

INSTANTIATE_TEST_SUITE_P(Codes, VosGender, testing::ValuesIn(kGenders), tevo::test::CaseName());

// A birth date that is empty or of year "0000" is marked unknown.
struct BirthDateCase {
    const char* name;
    const char* host;
    const char* written;  // "" for none
    bool absent;
};

const BirthDateCase kBirthDates[] = {
    {"known", "19650412", "1965-04-12", false},
    {"year_zero", "00000000", "", true},
    {"empty", "", "", true},
};

class VosBirthDate : public vostest::PinnedIdentity, public testing::WithParamInterface<BirthDateCase> {};

TEST_P(VosBirthDate, IsWrittenOrMarkedUnknown) {
    VosRecord record = vossamples::minimalRecord();
    record.patient.person.geburtsdatum = GetParam().host;
    const Document document(vostest::documentText(record));
    const xml::Node* birthDate = xml::firstChildElement(document.first("KBV_PR_VoS_Patient"), "birthDate");
    ASSERT_NE(birthDate, nullptr);
    EXPECT_EQ(xml::attributeValue(birthDate, "value"), GetParam().written);
    const xml::Node* reason = xml::firstChildElement(birthDate, "extension");
    EXPECT_EQ(reason != nullptr, GetParam().absent);
    EXPECT_EQ(xml::childValue(reason, "valueCode"), GetParam().absent ? "unknown" : "");
}

INSTANTIATE_TEST_SUITE_P(Dates, VosBirthDate, testing::ValuesIn(kBirthDates), tevo::test::CaseName());

// The legal basis of the call: the record's own, else the first prescription
// that names one, else "00".
struct LegalBasisCase {
    const char* name;
    const char* record;
    std::vector<const char*> prescriptions;
    const char* written;
};

const LegalBasisCase kLegalBases[] = {
    {"from_the_record", "04", {"00"}, "04"},
    {"from_the_first_prescription_naming_one", "", {"", "11", "01"}, "11"},
    {"none", "", {"", ""}, "00"},
};

class VosLegalBasis : public vostest::PinnedIdentity, public testing::WithParamInterface<LegalBasisCase> {};

TEST_P(VosLegalBasis, IsChosenInOrder) {
    VosRecord record = vossamples::minimalRecord();
    record.rechtsgrundlage = GetParam().record;
    for (const char* basis : GetParam().prescriptions) {
        VosMedication entry = vossamples::freeTextMedication();
        entry.verordnung.rechtsgrundlage = basis;
        record.medikamente.push_back(entry);
    }
    const Document document(vostest::documentText(record));
    const xml::Node* extension = xml::firstChildElement(document.first("KBV_PR_VoS_Composition"), "extension");
    EXPECT_EQ(xml::attributeValue(extension, "url"), "https://fhir.kbv.de/StructureDefinition/KBV_EX_FOR_Legal_basis");
    EXPECT_EQ(xml::childValue(xml::firstChildElement(extension, "valueCoding"), "code"), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Sources, VosLegalBasis, testing::ValuesIn(kLegalBases), tevo::test::CaseName());

TEST_F(VosBundle, TextsTurnIntoUtf8OnceAndFixedTextsStayIntact) {
    const std::string text = vostest::documentText(vossamples::fullRecord());
    EXPECT_NE(text.find("<given value=\"J\xC3\xB6rg\"/>"), std::string::npos);
    EXPECT_NE(text.find("Hauptstra\xC3\x9F" "e 12a"), std::string::npos);
    EXPECT_NE(text.find("<title value=\"Aufruf der VoS\"/>"), std::string::npos);
    // No byte of the host's code page is left, and nothing was converted twice.
    EXPECT_EQ(text.find("\xF6"), std::string::npos);
    EXPECT_EQ(text.find("\xC3\x83"), std::string::npos);
}

// Control characters XML cannot carry are left out of host text; tab, line
// feed and carriage return stay.
TEST_F(VosBundle, HostTextLosesTheControlCharactersXmlCannotCarry) {
    VosRecord record = vossamples::fullRecord();
    record.patient.person.vorname = "J\x01\xF6\x1Fr\x7Fg";
    record.praxis.name = "Praxis\tam Dom\x0B";
    const std::string text = vostest::documentText(record);
    EXPECT_NE(text.find("<given value=\"J\xC3\xB6r\x7Fg\"/>"), std::string::npos);
    EXPECT_NE(text.find("<name value=\"Praxis\tam Dom\"/>"), std::string::npos);
    EXPECT_EQ(Document(text).profiles(), Document(vostest::documentText(vossamples::fullRecord())).profiles());
}

TEST_F(VosBundle, ClockValuesComeFromTheClockHook) {
    const Document document(vostest::documentText(vossamples::minimalRecord()));
    EXPECT_NE(document.text().find("<timestamp value=\"2025-10-15T09:30:05Z\"/>"), std::string::npos);
    EXPECT_EQ(xml::attributeValue(xml::firstChildElement(document.first("KBV_PR_VoS_Composition"), "date"), "value"),
              "2025-10-15");
}

TEST_F(VosBundle, MeasurementTakesADecimalComma) {
    VosRecord record = vossamples::minimalRecord();
    record.messwerte.koerpergewicht = "82,5";
    const Document document(vostest::documentText(record));
    const xml::Node* quantity =
        xml::firstChildElement(document.first("KBV_PR_VoS_Observation_Body_Weight"), "valueQuantity");
    EXPECT_EQ(xml::childValue(quantity, "value"), "82.5");
    EXPECT_EQ(xml::childValue(quantity, "code"), "kg");
}

TEST_F(VosBundle, DocumentContentIsBase64) {
    VosRecord record = vossamples::minimalRecord();
    VosDocument attached;
    attached.inhalt = HostString(std::string("Ma\xFF\0", 4));
    record.dokumente.push_back(attached);
    const Document document(vostest::documentText(record));
    const xml::Node* content = xml::firstChildElement(document.first("KBV_PR_VoS_DocumentReference"), "content");
    EXPECT_EQ(xml::childValue(xml::firstChildElement(content, "attachment"), "data"), "TWH/AA==");
}

TEST_F(VosBundle, NullRecordIsBuiltLikeAnEmptyOne) {
    ExportResult result;
    HostString messages("kept");
    EXPECT_EQ(TevoCreateVOSBundle(nullptr, &result, &messages), 0);
    eautest::uuidCounter() = 0;
    EXPECT_EQ(result.document.str(), vostest::documentText(VosRecord()));
    EXPECT_EQ(messages.str(), "kept");
    EXPECT_EQ(TevoCreateVOSBundle(nullptr, nullptr, nullptr), 0);
}

}  // namespace
