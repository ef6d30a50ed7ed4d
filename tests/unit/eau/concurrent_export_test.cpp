// Exports running on several threads at once each build their own document:
// with the same record and ids they write the same bytes as a lone export.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "conformance/eauSamples.h"
#include "support/PinnedIdentity.h"
#include "unit/eau/bundle_support.h"

namespace {

std::string certificate(const char* issueDate) {
    pinned::restartThreadIds();
    return eautest::certificateText(eausamples::pkvFollowUp(issueDate));
}

class ConcurrentExports : public eautest::PinnedIdentity {
protected:
    void SetUp() override {
        PinnedIdentity::SetUp();
        fhir::setUuidSource(&pinned::threadCountingUuid);
    }
};

TEST_F(ConcurrentExports, WriteTheSameDocumentAsALoneExport) {
    const char* const dates[] = {eausamples::kDate110, eausamples::kDate120};
    const std::string expected[] = {certificate(dates[0]), certificate(dates[1])};
    ASSERT_EQ(expected[1].rfind("FAILED", 0), std::string::npos) << expected[1];

    constexpr int kThreads = 4;
    constexpr int kRounds = 25;
    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                const int version = (t + round) % 2;
                if (certificate(dates[version]) != expected[version]) {
                    ++mismatches[static_cast<std::size_t>(t)];
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(mismatches, std::vector<int>(kThreads, 0));
}

}  // namespace
