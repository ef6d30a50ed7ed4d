// The written request: golden documents with and without patient (ids pinned
// through the hook), and the values that depend on single fields.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "conformance/vmcaSamples.h"
#include "support/CaseName.h"
#include "tevofhir/tevo.h"
#include "unit/eau/bundle_support.h"

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string requestText(VmcaRecord record) {
    HostString document;
    HostString messages;
    const std::int32_t code = TevoCreateVMCA_REQUEST(&record, &document, &messages);
    return code == 0 ? document.str() : "FAILED: " + messages.str();
}

struct GoldenCase {
    const char* name;
    VmcaRecord (*sample)();
};

const GoldenCase kGoldenCases[] = {
    {"vmca_request_with_patient", vmcasamples::requestWithPatient},
    {"vmca_request_ptv11_without_patient", vmcasamples::ptv11WithoutPatient},
};

class VmcaGoldenRequest : public eautest::PinnedIdentity, public testing::WithParamInterface<GoldenCase> {};

// Set TEVO_WRITE_GOLDEN=1 to rewrite the golden files after a deliberate change.
TEST_P(VmcaGoldenRequest, MatchesByteForByte) {
    const std::string path = std::string(TEVO_GOLDEN_DIR) + "/" + GetParam().name + ".xml";
    const std::string written = requestText(GetParam().sample());
    const char* rewrite = std::getenv("TEVO_WRITE_GOLDEN");
    if (rewrite && std::string(rewrite) == "1") {
        std::ofstream(path, std::ios::binary) << written;
    }
    EXPECT_EQ(written, readFile(path));
}

INSTANTIATE_TEST_SUITE_P(Samples, VmcaGoldenRequest, testing::ValuesIn(kGoldenCases), tevo::test::CaseName());

// One field changed in the sample with patient, and a piece of XML the
// document must (or must not) hold.
struct FieldCase {
    const char* name;
    void (*change)(VmcaRecord&);
    const char* fragment;
    bool present;
};

const FieldCase kFieldCases[] = {
    {"routine_urgency", [](VmcaRecord& r) { r.dringlichkeit = "routine"; }, "<code value=\"routine\"/>", true},
    {"unknown_urgency_is_written_as_EMPTY", [](VmcaRecord& r) { r.dringlichkeit = "sofort"; },
     "<name value=\"dringlichkeit\"/>\n\t\t<valueCoding>\n\t\t\t<system "
     "value=\"https://fhir.kbv.de/ValueSet/KBV_VS_116117_TERMINSERVICE_VCA_Urgency\"/>\n\t\t\t<code value=\"EMPTY\"/>",
     true},
    {"no_urgency_no_parameter", [](VmcaRecord& r) { r.dringlichkeit = ""; }, "dringlichkeit", false},
    {"unknown_specialist_group_is_written_as_EMPTY", [](VmcaRecord& r) { r.facharztgruppe = "999"; },
     "KBV_CS_SFHIR_BAR2_WBO\"/>\n\t\t\t<code value=\"EMPTY\"/>", true},
    {"coarse_specialty_unchanged", [](VmcaRecord& r) { r.fachgebietGrob = "frei"; }, "<code value=\"frei\"/>", true},
    {"gender_m", [](VmcaRecord& r) { r.patient.geschlecht = "m"; }, "<gender value=\"male\"/>", true},
    {"gender_x", [](VmcaRecord& r) { r.patient.geschlecht = "x"; },
     "<gender value=\"other\">\n\t\t\t\t\t<extension url=\"http://fhir.de/StructureDefinition/gender-amtlich-de\">\n"
     "\t\t\t\t\t\t<valueCoding>\n\t\t\t\t\t\t\t<system value=\"http://fhir.de/CodeSystem/gender-amtlich-de\"/>\n"
     "\t\t\t\t\t\t\t<code value=\"X\"/>\n\t\t\t\t\t\t\t<display value=\"unbestimmt\"/>",
     true},
    {"gender_unknown_is_other_without_extension", [](VmcaRecord& r) { r.patient.geschlecht = "U"; },
     "<gender value=\"other\"/>", true},
    {"patient_not_sent", [](VmcaRecord& r) { r.withPatient = false; }, "<name value=\"patient\"/>", false},
    {"empty_patient_block_still_sent", [](VmcaRecord& r) { r.patient = VmcaPatient(); },
     "<name value=\"patient\"/>", true},
    {"empty_patient_block_birth_date_absent_reason",
     [](VmcaRecord& r) { r.patient = VmcaPatient(); },
     "<birthDate>\n\t\t\t\t\t<extension url=\"http://hl7.org/fhir/StructureDefinition/data-absent-reason\">\n"
     "\t\t\t\t\t\t<valueCode value=\"unknown\"/>",
     true},
    {"house_number_without_street", [](VmcaRecord& r) { r.patient.strassenadresse.strassenname = ""; },
     "<line value=\"114a\">", true},
    {"telephone_2_alone", [](VmcaRecord& r) { r.patient.telefon1 = ""; },
     "<telecom>\n\t\t\t\t\t<system value=\"phone\"/>\n\t\t\t\t\t<value value=\"0170 7654321\"/>", true},
};

class VmcaRequestField : public eautest::PinnedIdentity, public testing::WithParamInterface<FieldCase> {};

TEST_P(VmcaRequestField, ShowsInTheDocument) {
    VmcaRecord record = vmcasamples::requestWithPatient();
    GetParam().change(record);
    const std::string text = requestText(record);
    ASSERT_EQ(text.rfind("FAILED", 0), std::string::npos) << text;
    EXPECT_EQ(text.find(GetParam().fragment) != std::string::npos, GetParam().present) << text;
}

INSTANTIATE_TEST_SUITE_P(Table, VmcaRequestField, testing::ValuesIn(kFieldCases), tevo::test::CaseName());

TEST(VmcaRequest, LeavesTheHostRecordAsItWas) {
    VmcaRecord record = vmcasamples::requestWithPatient();
    HostString document;
    ASSERT_EQ(TevoCreateVMCA_REQUEST(&record, &document, nullptr), 0);
    EXPECT_EQ(record.patient.geschlecht.str(), "w");
}

}  // namespace
