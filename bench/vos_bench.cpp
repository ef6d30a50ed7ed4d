// Building and writing a full VoS document (a patient with ten medications)
// through the export, and reading an answer.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/HeapCounters.h"
#include "support/ExampleFile.h"
#include "tests/conformance/vosSamples.h"
#include "tevofhir/tevo.h"

namespace {

// The full sample with ten medications: the three kinds in turn.
VosRecord tenMedications() {
    VosRecord record = vossamples::fullRecord();
    record.medikamente.clear();
    const VosMedication kinds[] = {vossamples::pznMedication(), vossamples::ingredientMedication(),
                                   vossamples::freeTextMedication()};
    for (int i = 0; i < 10; ++i) {
        record.medikamente.push_back(kinds[i % 3]);
    }
    return record;
}

void BM_VosExport(benchmark::State& state) {
    VosRecord record = tenMedications();
    std::size_t bytes = 0;
    auto call = [&] {
        ExportResult result;
        HostString messages;
        const std::int32_t code = TevoCreateVOSBundle(&record, &result, &messages);
        bytes = result.document.str().size();
        return code;
    };
    tevo::bench::measureCalls(state, call);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_VosExport);

void BM_VosReadAnswer(benchmark::State& state) {
    HostString answer(tevo::test::exampleFile("vos_answer.xml"));
    auto call = [&] {
        ExportResult result;
        return TevoReadVOSOperationOutcome(&answer, &result);
    };
    tevo::bench::measureCalls(state, call);
}
BENCHMARK(BM_VosReadAnswer);

}  // namespace
