// Building and writing a PZN prescription and a compounding in each profile
// version: the whole export, and building and writing alone.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/HeapCounters.h"
#include "boundary/ProfileVersion.h"
#include "fhir/TreeMemory.h"
#include "tests/conformance/erezeptSamples.h"
#include "tevofhir/tevo.h"
#include "usecases/erezept/ERezeptProfiles.h"
#include "usecases/erezept/convert.h"
#include "usecases/erezept/erezeptBuilders.h"
#include "usecases/shared/Document.h"

namespace {

using tevo::bench::measureCalls;
using MakeSample = ERezeptRecord (*)(const char*);

// Conversion, checks, building and writing.
void BM_ERezeptExport(benchmark::State& state, MakeSample make, const char* issueDate) {
    const ERezeptRecord sample = make(issueDate);
    std::size_t bytes = 0;
    auto call = [&] {
        ERezeptRecord record = sample;
        ExportResult result;
        HostString messages;
        const std::int32_t code = TevoCreateERezeptBundle(&record, &result, &messages);
        bytes = result.document.str().size();
        return code;
    };
    measureCalls(state, call);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(BM_ERezeptExport, pzn_v1_1_0, erezeptsamples::pznPrescription, erezeptsamples::kDate110);
BENCHMARK_CAPTURE(BM_ERezeptExport, pzn_v1_3_2, erezeptsamples::pznPrescription, erezeptsamples::kDate132);
BENCHMARK_CAPTURE(BM_ERezeptExport, compounding_v1_1_0, erezeptsamples::compoundingPrescription,
                  erezeptsamples::kDate110);
BENCHMARK_CAPTURE(BM_ERezeptExport, compounding_v1_3_2, erezeptsamples::compoundingPrescription,
                  erezeptsamples::kDate132);

// Building the tree and writing it, from converted data.
template <class P>
void buildWrite(benchmark::State& state, MakeSample make, const char* issueDate, tevo::ProfileVersion version) {
    const fhir::ERezeptData data = fhir::convertERezeptRecord(make(issueDate), version);
    auto call = [&] {
        const fhir::DocumentArena arena;
        return fhir::shared::writeDocument(fhir::erezept::buildERezeptBundle<P>(data));
    };
    measureCalls(state, call);
}
void BM_ERezeptBuildWrite_v1_1_0(benchmark::State& state, MakeSample make) {
    buildWrite<fhir::erezept::ERezept110>(state, make, erezeptsamples::kDate110, tevo::ProfileVersion::V1_1);
}
void BM_ERezeptBuildWrite_v1_3_2(benchmark::State& state, MakeSample make) {
    buildWrite<fhir::erezept::ERezept132>(state, make, erezeptsamples::kDate132, tevo::ProfileVersion::V1_2);
}
BENCHMARK_CAPTURE(BM_ERezeptBuildWrite_v1_1_0, pzn, erezeptsamples::pznPrescription);
BENCHMARK_CAPTURE(BM_ERezeptBuildWrite_v1_3_2, pzn, erezeptsamples::pznPrescription);
BENCHMARK_CAPTURE(BM_ERezeptBuildWrite_v1_1_0, compounding, erezeptsamples::compoundingPrescription);
BENCHMARK_CAPTURE(BM_ERezeptBuildWrite_v1_3_2, compounding, erezeptsamples::compoundingPrescription);

}  // namespace
