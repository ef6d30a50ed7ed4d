// Damaged and hostile appointment-service answers must end in one of the
// reader's status codes with the result fields either read or empty, never in
// a crash. The mutations are drawn from a fixed seed, so a failure repeats.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <string>

#include "support/CaseName.h"
#include "support/ExampleFile.h"
#include "support/XmlMutation.h"
#include "tevofhir/tevo.h"

namespace {

struct ExampleCase {
    const char* name;
    const char* file;
};

class DamagedVmcaAnswers : public testing::TestWithParam<ExampleCase> {};

TEST_P(DamagedVmcaAnswers, EndInADefinedStatus) {
    const std::set<std::int32_t> allowed = {0, 13, 1465, 1359, 574};
    const std::string original = tevo::test::exampleFile(GetParam().file);
    ASSERT_FALSE(original.empty());
    std::mt19937 random(20261206);
    for (int round = 0; round < 1500; ++round) {
        const std::string text = tevo::test::mutateXml(original, random);
        HostString answer(text);
        ExportResult result;
        const std::int32_t status = TevoReadVMCA_REQUESTOperationOutcome(&answer, &result);
        ASSERT_TRUE(allowed.count(status)) << "status " << status << " for:\n" << text;
        if (status != 0) {
            ASSERT_TRUE(result.errorCode.IsEmpty() && result.document.IsEmpty() && result.validation.IsEmpty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, DamagedVmcaAnswers,
                         testing::Values(ExampleCase{"parameters", "vmca_answer_parameters.xml"},
                                         ExampleCase{"error", "vmca_answer_error.xml"}),
                         tevo::test::CaseName());

struct HostileCase {
    const char* name;
    std::string text;
    std::int32_t status;
};

const HostileCase kHostile[] = {
    {"nul_bytes_only", std::string(64, '\0'), 13},
    {"document_type_declaration_is_refused",
     "<!DOCTYPE p [<!ENTITY a \"aaaa\">]><Parameters><parameter><valueUrl value=\"&a;&a;\"/></parameter>"
     "</Parameters>",
     1465},
    {"ten_megabyte_value",
     "<Parameters><parameter><valueUrl value=\"" + std::string(10 * 1024 * 1024, 'u') + "\"/></parameter></Parameters>",
     0},
};

class HostileVmcaAnswers : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileVmcaAnswers, EndInTheirStatus) {
    HostString answer(GetParam().text);
    ExportResult result;
    EXPECT_EQ(TevoReadVMCA_REQUESTOperationOutcome(&answer, &result), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(Table, HostileVmcaAnswers, testing::ValuesIn(kHostile), tevo::test::CaseName());

}  // namespace
