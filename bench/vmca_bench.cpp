// The appointment-service request (the whole export and the building alone),
// reading each kind of answer, and filling the two code lists.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/HeapCounters.h"
#include "tests/conformance/vmcaSamples.h"
#include "tevofhir/tevo.h"
#include "usecases/vmca/convert.h"
#include "usecases/vmca/kvdigital_vmca1_1_0_Wrapper.h"

namespace {

// The whole export: conversion, checks, building and writing.
void BM_VmcaRequestExport(benchmark::State& state) {
    const VmcaRecord sample = vmcasamples::requestWithPatient();
    std::size_t bytes = 0;
    auto call = [&] {
        VmcaRecord record = sample;
        HostString document;
        HostString messages;
        const std::int32_t code = TevoCreateVMCA_REQUEST(&record, &document, &messages);
        bytes = document.str().size();
        return code;
    };
    tevo::bench::measureCalls(state, call);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_VmcaRequestExport);

// Building the tree and writing it, from converted data.
void BM_VmcaRequestBuildWrite(benchmark::State& state) {
    fhir::kvdigital_vmca1_1_0_Wrapper request;
    request.setData(fhir::convertVmcaRecord(vmcasamples::requestWithPatient()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(request.getDocumentText());
    }
}
BENCHMARK(BM_VmcaRequestBuildWrite);

std::string example(const char* name) {
    std::ifstream in(std::string(TEVO_SOURCE_DIR) + "/examples/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The export on one of the example answers.
void BM_VmcaAnswerExport(benchmark::State& state, const char* file) {
    HostString answer(example(file));
    auto call = [&] {
        ExportResult result;
        return TevoReadVMCA_REQUESTOperationOutcome(&answer, &result);
    };
    tevo::bench::measureCalls(state, call);
}
BENCHMARK_CAPTURE(BM_VmcaAnswerExport, parameters, "vmca_answer_parameters.xml");
BENCHMARK_CAPTURE(BM_VmcaAnswerExport, operation_outcome, "vmca_answer_error.xml");

void BM_VmcaCodeLists(benchmark::State& state) {
    for (auto _ : state) {
        VmcaCodeList groups;
        VmcaCodeList qualifications;
        TevoGetVMCAFacharztgruppen(&groups);
        TevoGetVMCAZusatzbezeichnungen(&qualifications);
        benchmark::DoNotOptimize(groups.size() + qualifications.size());
    }
}
BENCHMARK(BM_VmcaCodeLists);

}  // namespace
