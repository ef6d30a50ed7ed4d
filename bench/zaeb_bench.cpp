// Building and writing a bonus-booklet entry with both observations, and
// reading a received bundle back, through the host exports and through the
// flat-text exports.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bench/HeapCounters.h"
#include "tests/conformance/zaebSamples.h"
#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"

namespace {

std::string sampleDocument() {
    ZaebRecord record = zaebsamples::both();
    ExportResult result;
    HostString messages;
    TevoCreateMIOZAEBBundle(&record, &result, &messages);
    return result.document.str();
}

// The whole export: conversion, checks, building and writing.
void BM_ZaebCreate(benchmark::State& state) {
    const ZaebRecord sample = zaebsamples::both();
    std::size_t bytes = 0;
    auto call = [&] {
        ZaebRecord record = sample;
        ExportResult result;
        HostString messages;
        const std::int32_t code = TevoCreateMIOZAEBBundle(&record, &result, &messages);
        bytes = result.document.str().size();
        return code;
    };
    tevo::bench::measureCalls(state, call);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ZaebCreate);

void BM_ZaebExtract(benchmark::State& state) {
    const std::string document = sampleDocument();
    auto call = [&] {
        ZaebRecord record;
        HostString messages;
        return TevoExtractMIOZAEBBundle(&record, document, &messages);
    };
    tevo::bench::measureCalls(state, call);
    state.counters["bytes"] = static_cast<double>(document.size());
}
BENCHMARK(BM_ZaebExtract);

void BM_ZaebLumoExtract(benchmark::State& state) {
    const std::string document = sampleDocument();
    std::vector<char> output(4096);
    std::vector<char> message(256);
    auto call = [&] {
        return LumoExtractMIOZAEBBundle(static_cast<int>(output.size()), output.data(), document.c_str(),
                                        static_cast<int>(message.size()), message.data());
    };
    tevo::bench::measureCalls(state, call);
}
BENCHMARK(BM_ZaebLumoExtract);

}  // namespace
