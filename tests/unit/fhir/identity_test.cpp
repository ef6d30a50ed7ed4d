#include "fhir/Identity.h"

#include <gtest/gtest.h>

#include <set>

#include "boundary/clock.h"
#include "boundary/quillkit.h"
#include "support/PinnedIdentity.h"

namespace {

std::int64_t march3rd() {
    return pinned::localSeconds(2024, 3, 3, 14, 5, 9);
}

class FixedClock : public testing::Test {
protected:
    void SetUp() override { tevo::setClockSource(&march3rd); }
    void TearDown() override { tevo::setClockSource(nullptr); }
};

TEST_F(FixedClock, TimestampIsLocalTimeWithZ) {
    EXPECT_EQ(fhir::currentTimestamp(), "2024-03-03T14:05:09Z");
    EXPECT_EQ(fhir::currentRuntimeTimestamp(), "2024-03-03T14:05:09Z");
    EXPECT_EQ(fhir::currentRuntimeDate(), "2024-03-03");
    EXPECT_EQ(GetQKDate().str(), "20240303");
}

TEST(Uuid, DrawsAreDistinctVersionFourVariantTen) {
    std::set<std::string> seen;
    for (int i = 0; i < 10000; ++i) {
        const std::string uuid = fhir::newUuid();
        ASSERT_EQ(uuid.size(), 36u);
        ASSERT_EQ(uuid[8], '-');
        ASSERT_EQ(uuid[13], '-');
        ASSERT_EQ(uuid[18], '-');
        ASSERT_EQ(uuid[23], '-');
        ASSERT_EQ(uuid[14], '4');
        ASSERT_NE(std::string("89ab").find(uuid[19]), std::string::npos) << uuid;
        ASSERT_EQ(uuid.find_first_not_of("0123456789abcdef-"), std::string::npos) << uuid;
        seen.insert(uuid);
    }
    EXPECT_EQ(seen.size(), 10000u);
}

std::string pinnedUuid() {
    return "00000000-0000-4000-8000-000000000001";
}

TEST(Uuid, TestSourceReplacesTheRandomOne) {
    fhir::setUuidSource(&pinnedUuid);
    EXPECT_EQ(fhir::newUuid(), pinnedUuid());
    fhir::setUuidSource(nullptr);
    EXPECT_NE(fhir::newUuid(), pinnedUuid());
}

}  // namespace
