// Building and writing a full VoS document (a patient with ten medications)
// through the export, and reading an answer.
#include <benchmark/benchmark.h>

#include <string>

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
    for (auto _ : state) {
        ExportResult result;
        HostString messages;
        benchmark::DoNotOptimize(TevoCreateVOSBundle(&record, &result, &messages));
        bytes = result.document.str().size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_VosExport);

void BM_VosReadAnswer(benchmark::State& state) {
    HostString answer(tevo::test::exampleFile("vos_answer.xml"));
    for (auto _ : state) {
        ExportResult result;
        benchmark::DoNotOptimize(TevoReadVOSOperationOutcome(&answer, &result));
    }
}
BENCHMARK(BM_VosReadAnswer);

}  // namespace
