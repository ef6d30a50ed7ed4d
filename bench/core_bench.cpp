// Writing and parsing a document bundle of about 30 KB through the core classes.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "fhir/TreeMemory.h"
#include "fhir/XmlReader.h"
#include "fhir/r4/core/v4_0_1/Bundle.h"
#include "support/SampleBundle.h"

namespace {

constexpr int kGroups = 6;  // about 30 KB of XML

void BM_CoreBundleBuildAndWrite(benchmark::State& state) {
    std::string out;
    for (auto _ : state) {
        const fhir::DocumentArena arena;
        tevo::test::buildSampleBundle(kGroups)->writeXml(out, true);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * out.size()));
}
BENCHMARK(BM_CoreBundleBuildAndWrite);

void BM_CoreBundleParse(benchmark::State& state) {
    std::string text;
    tevo::test::buildSampleBundle(kGroups)->writeXml(text, true);
    for (auto _ : state) {
        const fhir::DocumentArena arena;
        const fhir::xml::ParsedDocument document(text);
        const std::unique_ptr<fhir::r4::core::v4_0_1::Bundle> bundle(
            fhir::r4::core::v4_0_1::Bundle::parse(document.root()));
        benchmark::DoNotOptimize(bundle.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CoreBundleParse);

}  // namespace
