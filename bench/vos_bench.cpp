// Building and writing a full VoS document (a patient with ten medications)
// through the export, and reading an answer.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

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
    std::ifstream in(std::string(TEVO_SOURCE_DIR) + "/examples/vos_answer.xml", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    HostString answer(text.str());
    for (auto _ : state) {
        ExportResult result;
        benchmark::DoNotOptimize(TevoReadVOSOperationOutcome(&answer, &result));
    }
}
BENCHMARK(BM_VosReadAnswer);

}  // namespace
