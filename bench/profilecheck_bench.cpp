// Checking the written 28 KB eAU 1.2.0 document against the rules of its
// profiles: reading it into the node model, and the whole check.
#include <benchmark/benchmark.h>

#include <string>

#include "fhir/fhirpath/ProfileCheck.h"
#include "support/AllocationCounter.h"
#include "tests/conformance/eauSamples.h"
#include "tevofhir/tevo.h"

namespace {

std::string writtenEau() {
    EauRecord record = eausamples::pkvFollowUp(eausamples::kDate120);
    ExportResult result;
    HostString messages;
    TevoCreateEAUBundle(&record, &result, &messages, true);
    return result.document.str();
}

template <class Call>
void run(benchmark::State& state, const std::string& text, const Call& call) {
    call();  // the rule tables are parsed once per process, before the timing
    for (auto _ : state) {
        benchmark::DoNotOptimize(call());
    }
    tevo::test::HeapCount count;
    call();
    const tevo::test::HeapUse use = count.stop();
    state.counters["allocs"] = static_cast<double>(use.allocations);
    state.counters["peak_KiB"] = static_cast<double>(use.peakBytes) / 1024.0;
    state.counters["bytes"] = static_cast<double>(text.size());
}

void BM_EauNodeRead(benchmark::State& state) {
    const std::string text = writtenEau();
    run(state, text, [&] { return fhir::path::NodeDocument(text).size(); });
}
BENCHMARK(BM_EauNodeRead);

void BM_EauProfileCheck(benchmark::State& state) {
    const std::string text = writtenEau();
    run(state, text, [&] {
        const fhir::path::NodeDocument document(text);
        return fhir::path::checkProfiles(document).size();
    });
}
BENCHMARK(BM_EauProfileCheck);

}  // namespace
