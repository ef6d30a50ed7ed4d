// Damaged and hostile answers of prescribing software: the export returns 0
// and the result holds either values of the answer or nothing, never a crash.
// The mutations are drawn from a fixed seed, so a failure repeats.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/ExampleFile.h"
#include "support/XmlMutation.h"
#include "tevofhir/tevo.h"
#include "usecases/vos/vosOperationOutcome2_1_0_Wrapper.h"

namespace {

TEST(DamagedVosAnswers, ReturnZeroAndKeepOnlyValuesOfTheAnswer) {
    const std::string original = tevo::test::exampleFile("vos_answer.xml");
    ASSERT_FALSE(original.empty());
    std::mt19937 random(20261207);
    for (int round = 0; round < 1500; ++round) {
        const std::string text = tevo::test::mutateXml(original, random);
        HostString answer(text);
        ExportResult result;
        ASSERT_EQ(TevoReadVOSOperationOutcome(&answer, &result), 0) << text;
        ASSERT_EQ(result.errorFlag, !result.errorCode.IsEmpty());
        // Whatever was read stands in the answer; a failed read leaves nothing.
        fhir::vosOperationOutcome2_1_0_Wrapper reader;
        if (reader.read(text) != 0) {
            ASSERT_TRUE(result.errorCode.IsEmpty() && result.errorText.IsEmpty() && result.document.IsEmpty());
        }
    }
}

TEST(HostileVosAnswers, EndWithoutValues) {
    const std::string kHostile[] = {
        std::string(200000, '<'),
        "<OperationOutcome>" + std::string(2000, 'x') + std::string(1, '\0') + "</OperationOutcome>",
        "<!DOCTYPE x [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;\">]><OperationOutcome>&b;</OperationOutcome>",
        std::string("<OperationOutcome><issue><details><coding><code value=\"") + std::string(1 << 20, 'C') +
            "\"/></coding></details></issue></OperationOutcome>",
    };
    for (const std::string& text : kHostile) {
        HostString answer(text);
        ExportResult result;
        EXPECT_EQ(TevoReadVOSOperationOutcome(&answer, &result), 0);
        EXPECT_TRUE(result.document.IsEmpty());
    }
}

}  // namespace
