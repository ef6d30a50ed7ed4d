// Counts the heap use of the calling thread: the test and benchmark programs
// replace the global operator new and delete with versions that count.
#pragma once

#include <cstddef>

namespace tevo::test {

struct HeapUse {
    std::size_t allocations = 0;
    // Most bytes in use at once since the count started, above what was in
    // use at its start.
    std::size_t peakBytes = 0;
};

// Counts from construction until `stop` (or destruction); counts do not nest.
class HeapCount {
public:
    HeapCount();
    ~HeapCount();
    HeapCount(const HeapCount&) = delete;
    HeapCount& operator=(const HeapCount&) = delete;

    HeapUse stop();

private:
    bool running_ = true;
};

}  // namespace tevo::test
