// Answers nested deeper than the parser may descend: every answer export
// reports them as malformed XML instead of running off the stack, and an
// answer nested exactly to the limit is still read.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "boundary/clock.h"
#include "fhir/XmlNesting.h"
#include "support/CaseName.h"
#include "support/Repeated.h"
#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"

namespace {

using tevo::test::repeated;

constexpr const char* kTooDeep = "elements nested deeper than 512 levels";

// An answer whose issue carries a chain of nested extensions, so that the
// whole document reaches `depth` levels (OperationOutcome, issue, then the
// chain).
std::string answerNestedTo(std::size_t depth) {
    const std::size_t chain = depth - 2;
    return "<OperationOutcome xmlns=\"http://hl7.org/fhir\"><issue>" +
           repeated("<extension url=\"x\">", chain - 1) + "<extension url=\"y\"/>" +
           repeated("</extension>", chain - 1) +
           "<severity value=\"error\"/><code value=\"processing\"/><details><coding>"
           "<code value=\"E-7\"/><display value=\"Abgelehnt\"/></coding></details></issue></OperationOutcome>";
}

struct NestingCase {
    const char* name;
    std::string text;
    int code;
    const char* message;
};

const NestingCase kNestingCases[] = {
    {"hundred_thousand_nested", "<OperationOutcome>" + repeated("<a>", 100'000) + repeated("</a>", 100'000) +
                                    "</OperationOutcome>",
     1465, kTooDeep},
    {"million_unclosed_tags", "<OperationOutcome>" + repeated("<a>", 1'000'000), 1465, kTooDeep},
    {"one_above_the_limit", answerNestedTo(fhir::xml::kMaxNestingDepth + 1), 1465, kTooDeep},
    {"at_the_limit", answerNestedTo(fhir::xml::kMaxNestingDepth), 0, ""},
};

class DeeplyNestedAnswers : public testing::TestWithParam<NestingCase> {
protected:
    void SetUp() override {
        tevo::setClockSource([] { return std::int64_t{1767225600}; });  // 2026-01-01
    }
    void TearDown() override { tevo::setClockSource(nullptr); }
};

TEST_P(DeeplyNestedAnswers, HostExport) {
    HostString answer(GetParam().text);
    ExportResult result;
    HostString messages;
    EXPECT_EQ(TevoReadEAUOperationOutcome(&answer, &result, &messages), GetParam().code);
    EXPECT_EQ(messages.str(), GetParam().message);
    if (GetParam().code == 0) {
        EXPECT_EQ(result.errorCode.str(), "E-7");
        EXPECT_EQ(result.errorText.str(), "Abgelehnt");
    }
}

TEST_P(DeeplyNestedAnswers, FlatTextExport) {
    char output[512] = {};
    char message[128] = {};
    char error[128] = {};
    EXPECT_EQ(LumoReadEAUOperationOutcome(sizeof output, output, GetParam().text.c_str(), sizeof message, message,
                                          sizeof error, error),
              GetParam().code);
    EXPECT_EQ(std::string(message), GetParam().message);
    if (GetParam().code == 0) {
        EXPECT_NE(std::string(output).find("operationoutcome.fehlercode\x02" "E-7"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, DeeplyNestedAnswers, testing::ValuesIn(kNestingCases), tevo::test::CaseName());

}  // namespace
