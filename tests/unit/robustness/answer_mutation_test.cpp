// Damaged answers must end in a result code, never in a crash or a write past
// a buffer. The mutations are drawn from a fixed seed, so a failure repeats.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "boundary/clock.h"
#include "support/ExampleFile.h"
#include "support/XmlMutation.h"
#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"

namespace {

std::int64_t dateOfSecondGeneration() {
    return 1767225600;  // 2026-01-01
}

std::int64_t dateOfFirstGeneration() {
    return 1735732800;  // 2025-01-01
}

class DamagedAnswers : public testing::TestWithParam<tevo::ClockSource> {
protected:
    void SetUp() override { tevo::setClockSource(GetParam()); }
    void TearDown() override { tevo::setClockSource(nullptr); }
};

TEST_P(DamagedAnswers, EndInADefinedResultCode) {
    // The reader has no "no input" code: an empty text is an unusable answer.
    const std::set<std::int32_t> allowed = {0, 13, 1465, 1359, 574};
    const std::set<std::int32_t> allowedFlat = {0, 13, 1465, 1359, 574, 9998, 9997};
    const std::string original = tevo::test::exampleFile("eau_answer.xml");
    ASSERT_FALSE(original.empty());
    std::mt19937 random(20261205);
    for (int round = 0; round < 1500; ++round) {
        const std::string text = tevo::test::mutateXml(original, random);

        HostString answer(text);
        ExportResult result;
        HostString messages;
        const std::int32_t code = TevoReadEAUOperationOutcome(&answer, &result, &messages);
        ASSERT_TRUE(allowed.count(code)) << "code " << code << " for:\n" << text;

        // Small buffers with guard bytes behind them: nothing may be written there.
        const int size = static_cast<int>(random() % 64);
        std::vector<char> output(static_cast<std::size_t>(size) + 8, '#');
        std::vector<char> message(static_cast<std::size_t>(size) + 8, '#');
        std::vector<char> error(static_cast<std::size_t>(size) + 8, '#');
        const std::int32_t flatCode = LumoReadEAUOperationOutcome(size, output.data(), text.c_str(), size,
                                                                  message.data(), size, error.data());
        ASSERT_TRUE(allowedFlat.count(flatCode)) << "code " << flatCode;
        for (const std::vector<char>* buffer : {&output, &message, &error}) {
            ASSERT_EQ(std::string(buffer->end() - 8, buffer->end()), "########") << "written past size " << size;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ReaderGenerations, DamagedAnswers,
                         testing::Values(&dateOfFirstGeneration, &dateOfSecondGeneration));

}  // namespace
