// Heap use of a whole eAU export: the tree lives in one arena, the texts of
// the profiles are not copied per use, and the writer fills one buffer.
#include <gtest/gtest.h>

#include <string>

#include "conformance/eauSamples.h"
#include "support/AllocationCounter.h"
#include "tevofhir/tevo.h"

namespace {

struct ExportUse {
    tevo::test::HeapUse heap;
    std::size_t documentBytes = 0;
};

ExportUse measureExport(const char* issueDate) {
    EauRecord record = eausamples::pkvFollowUp(issueDate);
    ExportResult result;
    HostString messages;
    // Once before counting: first-use statics and the thread's first block.
    TevoCreateEAUBundle(&record, &result, &messages, true);
    ExportUse use;
    {
        ExportResult counted;
        tevo::test::HeapCount count;
        const std::int32_t code = TevoCreateEAUBundle(&record, &counted, &messages, true);
        use.heap = count.stop();
        EXPECT_EQ(code, 0);
        use.documentBytes = counted.document.str().size();
    }
    return use;
}

class EauExportHeap : public testing::TestWithParam<const char*> {};

// About 90 allocations (down from about 4,800) and a peak of little more
// than the document itself; the budget is 200 and four times the document.
TEST_P(EauExportHeap, StaysWithinItsHeapBudget) {
    const ExportUse use = measureExport(GetParam());
    ASSERT_GT(use.documentBytes, 20000u);
    EXPECT_LE(use.heap.allocations, 200u);
    EXPECT_LE(use.heap.peakBytes, 4 * use.documentBytes);
}

INSTANTIATE_TEST_SUITE_P(Versions, EauExportHeap, testing::Values(eausamples::kDate110, eausamples::kDate120),
                         [](const testing::TestParamInfo<const char*>& row) {
                             return std::string("IssuedOn") + row.param;
                         });

}  // namespace
