// The written requests (known and full patient), compared byte for byte with
// the golden files; ids and clock pinned. Set TEVO_WRITE_GOLDEN=1 to rewrite
// the golden files after a deliberate change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "conformance/eebSamples.h"
#include "support/CaseName.h"
#include "unit/eau/bundle_support.h"

namespace {

struct GoldenCase {
    const char* name;
    EebRecord (*record)();
};

const GoldenCase kGoldenCases[] = {
    {"eeb_known_patient", eebsamples::knownPatient},
    {"eeb_full_patient", eebsamples::fullPatient},
};

class EebGoldenDocument : public eautest::PinnedIdentity, public testing::WithParamInterface<GoldenCase> {};

TEST_P(EebGoldenDocument, MatchesByteForByte) {
    const std::string path = std::string(TEVO_GOLDEN_DIR) + "/" + GetParam().name + ".xml";
    EebRecord record = GetParam().record();
    HostString document;
    HostString messages;
    ASSERT_EQ(TevoCreateEEBAnfrageBundle(&record, &document, &messages), 0) << messages.str();
    const char* rewrite = std::getenv("TEVO_WRITE_GOLDEN");
    if (rewrite && std::string(rewrite) == "1") {
        std::ofstream(path, std::ios::binary) << document.str();
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream golden;
    golden << in.rdbuf();
    EXPECT_EQ(document.str(), golden.str());
}

INSTANTIATE_TEST_SUITE_P(Samples, EebGoldenDocument, testing::ValuesIn(kGoldenCases), tevo::test::CaseName());

}  // namespace
