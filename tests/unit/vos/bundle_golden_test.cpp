// The written documents of the full and the minimal sample record, compared
// byte for byte with the golden files (ids and clock pinned). Set
// TEVO_WRITE_GOLDEN=1 to rewrite them after a deliberate change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/CaseName.h"
#include "unit/vos/vos_support.h"

namespace {

struct GoldenCase {
    const char* name;
    VosRecord (*record)();
};

const GoldenCase kGoldenCases[] = {
    {"vos_full", &vossamples::fullRecord},
    {"vos_minimal", &vossamples::minimalRecord},
};

class VosGoldenDocument : public vostest::PinnedIdentity, public testing::WithParamInterface<GoldenCase> {};

TEST_P(VosGoldenDocument, MatchesByteForByte) {
    const std::string path = std::string(TEVO_GOLDEN_DIR) + "/" + GetParam().name + ".xml";
    const std::string written = vostest::documentText(GetParam().record());
    const char* rewrite = std::getenv("TEVO_WRITE_GOLDEN");
    if (rewrite && std::string(rewrite) == "1") {
        std::ofstream(path, std::ios::binary) << written;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream golden;
    golden << in.rdbuf();
    EXPECT_EQ(written, golden.str());
}

INSTANTIATE_TEST_SUITE_P(Samples, VosGoldenDocument, testing::ValuesIn(kGoldenCases), tevo::test::CaseName());

}  // namespace
