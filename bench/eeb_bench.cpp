// Building and writing an EEB request, and reading the insurer's certificate
// and error answer, each through its export.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/HeapCounters.h"
#include "tests/conformance/eebSamples.h"
#include "tevofhir/tevo.h"

namespace {

std::string fixture(const char* name) {
    std::ifstream in(std::string(TEVO_SOURCE_DIR) + "/tests/fixtures/eeb/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Conversion, checks, building and writing.
void BM_EebRequestExport(benchmark::State& state, EebRecord (*sample)()) {
    const EebRecord original = sample();
    std::size_t bytes = 0;
    auto call = [&] {
        EebRecord record = original;
        HostString document;
        HostString messages;
        const std::int32_t code = TevoCreateEEBAnfrageBundle(&record, &document, &messages);
        bytes = document.str().size();
        return code;
    };
    tevo::bench::measureCalls(state, call);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(BM_EebRequestExport, full_patient, eebsamples::fullPatient);
BENCHMARK_CAPTURE(BM_EebRequestExport, known_patient, eebsamples::knownPatient);

void BM_EebCertificateExport(benchmark::State& state, const char* name) {
    const HostString text(fixture(name));
    auto call = [&] {
        HostString input = text;
        EebBescheinigungRecord record;
        HostString messages;
        return TevoReadEEBBescheinigungBundle(&input, &record, &messages);
    };
    tevo::bench::measureCalls(state, call);
    state.counters["bytes"] = static_cast<double>(text.GetLength());
}
BENCHMARK_CAPTURE(BM_EebCertificateExport, full, "certificate_full.xml");
BENCHMARK_CAPTURE(BM_EebCertificateExport, egk, "certificate_egk.xml");

void BM_EebAnswerExport(benchmark::State& state) {
    const HostString text(fixture("answer_message.xml"));
    auto call = [&] {
        HostString input = text;
        EebAnswerRecord answer;
        HostString messages;
        return TevoReadEEBOperationOutcome(&input, &answer, &messages);
    };
    tevo::bench::measureCalls(state, call);
}
BENCHMARK(BM_EebAnswerExport);

}  // namespace
