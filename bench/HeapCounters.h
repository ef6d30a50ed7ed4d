// The heap counters of the benchmarks that report them.
#pragma once

#include <benchmark/benchmark.h>

#include "support/AllocationCounter.h"

namespace tevo::bench {

// Heap use of one more call of `call`, as the counters "allocs" and "peak_KiB".
template <class Call>
void countHeap(benchmark::State& state, const Call& call) {
    tevo::test::HeapCount count;
    call();
    const tevo::test::HeapUse use = count.stop();
    state.counters["allocs"] = static_cast<double>(use.allocations);
    state.counters["peak_KiB"] = static_cast<double>(use.peakBytes) / 1024.0;
}

// Times `call` for the benchmark's iterations, then counts the heap use of one
// more call.
template <class Call>
void measureCalls(benchmark::State& state, const Call& call) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(call());
    }
    countHeap(state, call);
}

}  // namespace tevo::bench
