// The public C++ header stands alone and declares the exports with the
// signatures the flat-text adapters and the host rely on.
#include "tevofhir/tevo.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "flattext/EauAdapters.h"

static_assert(std::is_same_v<decltype(&TevoCreateEAUBundle), tevo::flattext::CreateEau>);
static_assert(std::is_same_v<decltype(&TevoCreateEAUStornoBundle), tevo::flattext::CreateEauStorno>);
static_assert(std::is_same_v<decltype(&TevoReadEAUOperationOutcome), tevo::flattext::ReadEauAnswer>);

TEST(EauPublicHeader, RecordsStartEmpty) {
    const EauRecord record;
    EXPECT_TRUE(record.angaben.diagnosen.empty());
    EXPECT_FALSE(record.angaben.erstbescheinigung || record.angaben.folgebescheinigung ||
                 record.angaben.endbescheinigung || record.angaben.siebteauwoche);
    EXPECT_TRUE(EauStornoRecord().stornodatum.IsEmpty());
}
