// The written documents of representative certificates and cancellations,
// compared byte for byte with the golden files. Set TEVO_WRITE_GOLDEN=1 to
// rewrite the golden files from the current output after a deliberate change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "conformance/eauSamples.h"
#include "unit/eau/bundle_support.h"

namespace {

using eautest::PinnedIdentity;

struct GoldenCase {
    const char* file;
    std::string (*write)();
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string cancellationText(const char* date) {
    EauStornoRecord record = eausamples::cancellation(date);
    ExportResult result;
    return TevoCreateEAUStornoBundle(&record, &result) == 0 ? result.document.str() : "FAILED";
}

const GoldenCase kGoldenCases[] = {
    {"eau_gkv_110.xml", [] { return eautest::certificateText(eausamples::gkvCertificate(eausamples::kDate110)); }},
    {"eau_gkv_120.xml", [] { return eautest::certificateText(eausamples::gkvCertificate(eausamples::kDate120)); }},
    {"eau_pkv_followup_110.xml",
     [] { return eautest::certificateText(eausamples::pkvFollowUp(eausamples::kDate110)); }},
    {"eau_pkv_followup_120.xml",
     [] { return eautest::certificateText(eausamples::pkvFollowUp(eausamples::kDate120)); }},
    {"eau_storno_110.xml", [] { return cancellationText(eausamples::kDate110); }},
    {"eau_storno_120.xml", [] { return cancellationText(eausamples::kDate120); }},
};

class EauGoldenDocument : public PinnedIdentity, public testing::WithParamInterface<GoldenCase> {};

TEST_P(EauGoldenDocument, MatchesByteForByte) {
    const std::string path = std::string(TEVO_GOLDEN_DIR) + "/" + GetParam().file;
    const std::string written = GetParam().write();
    const char* rewrite = std::getenv("TEVO_WRITE_GOLDEN");
    if (rewrite && std::string(rewrite) == "1") {
        std::ofstream(path, std::ios::binary) << written;
    }
    EXPECT_EQ(written, readFile(path));
}

std::string goldenName(const testing::TestParamInfo<GoldenCase>& param) {
    std::string name = param.param.file;
    name = name.substr(0, name.find('.'));
    return name;
}

INSTANTIATE_TEST_SUITE_P(Samples, EauGoldenDocument, testing::ValuesIn(kGoldenCases), goldenName);

}  // namespace
