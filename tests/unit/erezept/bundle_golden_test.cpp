// The written prescriptions of every medication kind in both versions and a
// practice supply, compared byte for byte with the golden files (ids and
// clock pinned). Set TEVO_WRITE_GOLDEN=1 to rewrite them after a deliberate
// change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "conformance/erezeptSamples.h"
#include "unit/eau/bundle_support.h"

namespace {

using erezeptsamples::kDate110;
using erezeptsamples::kDate132;

struct GoldenCase {
    const char* file;
    ERezeptRecord (*make)(const char*);
    const char* date;
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string prescriptionText(ERezeptRecord record) {
    ExportResult result;
    HostString messages;
    if (TevoCreateERezeptBundle(&record, &result, &messages) != 0) {
        return "FAILED:" + messages.str();
    }
    return result.document.str();
}

const GoldenCase kGoldenCases[] = {
    {"erezept_pzn_110.xml", erezeptsamples::pznPrescription, kDate110},
    {"erezept_pzn_132.xml", erezeptsamples::pznPrescription, kDate132},
    {"erezept_freetext_110.xml", erezeptsamples::freeTextPrescription, kDate110},
    {"erezept_freetext_132.xml", erezeptsamples::freeTextPrescription, kDate132},
    {"erezept_ingredient_110.xml", erezeptsamples::activeIngredientPrescription, kDate110},
    {"erezept_ingredient_132.xml", erezeptsamples::activeIngredientPrescription, kDate132},
    {"erezept_compounding_110.xml", erezeptsamples::compoundingPrescription, kDate110},
    {"erezept_compounding_132.xml", erezeptsamples::compoundingPrescription, kDate132},
    {"erezept_supply_132.xml", erezeptsamples::practiceSupply, kDate132},
};

class ERezeptGoldenDocument : public eautest::PinnedIdentity, public testing::WithParamInterface<GoldenCase> {};

TEST_P(ERezeptGoldenDocument, MatchesByteForByte) {
    const std::string path = std::string(TEVO_GOLDEN_DIR) + "/" + GetParam().file;
    const std::string written = prescriptionText(GetParam().make(GetParam().date));
    const char* rewrite = std::getenv("TEVO_WRITE_GOLDEN");
    if (rewrite && std::string(rewrite) == "1") {
        std::ofstream(path, std::ios::binary) << written;
    }
    EXPECT_EQ(written, readFile(path));
}

std::string goldenName(const testing::TestParamInfo<GoldenCase>& param) {
    const std::string name = param.param.file;
    return name.substr(0, name.find('.'));
}

INSTANTIATE_TEST_SUITE_P(Samples, ERezeptGoldenDocument, testing::ValuesIn(kGoldenCases), goldenName);

}  // namespace
