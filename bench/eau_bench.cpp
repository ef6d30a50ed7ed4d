// Building and writing a full eAU certificate in each generation, and
// reading an answer.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "boundary/quillkit.h"
#include "fhir/TreeMemory.h"
#include "fhir/XmlReader.h"
#include "fhir/r4/core/v4_0_1/Bundle.h"
#include "bench/HeapCounters.h"
#include "support/ExampleFile.h"
#include "tevofhir/lumo.h"
#include "tests/conformance/eauSamples.h"
#include "tevofhir/tevo.h"
#include "usecases/eau/EauProfiles.h"
#include "usecases/eau/convert.h"
#include "usecases/eau/eauBuilders.h"
#include "usecases/shared/Document.h"
#include "usecases/eau/eauOperationOutcome1_2_0_Wrapper.h"

namespace {

using tevo::bench::measureCalls;

// The whole export: conversion, checks, building and writing.
void BM_EauExport(benchmark::State& state, const char* issueDate) {
    const EauRecord sample = eausamples::pkvFollowUp(issueDate);
    std::size_t bytes = 0;
    auto call = [&] {
        EauRecord record = sample;
        ExportResult result;
        HostString messages;
        const std::int32_t code = TevoCreateEAUBundle(&record, &result, &messages, true);
        bytes = result.document.str().size();
        return code;
    };
    measureCalls(state, call);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(BM_EauExport, v1_1_0, eausamples::kDate110);
BENCHMARK_CAPTURE(BM_EauExport, v1_2_0, eausamples::kDate120);

// Building the tree and writing it, from converted data.
template <class P>
void buildWrite(benchmark::State& state, const char* issueDate) {
    const fhir::EauData data = fhir::convertEauRecord(eausamples::pkvFollowUp(issueDate), true);
    for (auto _ : state) {
        const fhir::DocumentArena arena;
        benchmark::DoNotOptimize(fhir::eau::writeDocument(fhir::eau::buildEauBundle<P>(data)));
    }
}
void BM_EauBuildWrite_v1_1_0(benchmark::State& state) {
    buildWrite<fhir::eau::Eau110>(state, eausamples::kDate110);
}
void BM_EauBuildWrite_v1_2_0(benchmark::State& state) {
    buildWrite<fhir::eau::Eau120>(state, eausamples::kDate120);
}
BENCHMARK(BM_EauBuildWrite_v1_1_0);
BENCHMARK(BM_EauBuildWrite_v1_2_0);

const char* const kAnswer =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<OperationOutcome xmlns=\"http://hl7.org/fhir\">\n"
    "\t<meta><profile value=\"https://fhir.kbv.de/StructureDefinition/"
    "KBV_PR_EAU_health_insurance_Practitioner|1.2\"/></meta>\n"
    "\t<issue>\n"
    "\t\t<extension url=\"https://fhir.kbv.de/StructureDefinition/"
    "KBV_EX_EAU_health_insurance_Practitioner_Identifier\">\n"
    "\t\t\t<extension url=\"Bundle-Identifier\"><valueIdentifier><system value=\"urn:ietf:rfc:3986\"/>"
    "<value value=\"urn:uuid:5af39963-9272-4e2f-9dca-b917ba485ca1\"/></valueIdentifier></extension>\n"
    "\t\t</extension>\n"
    "\t\t<severity value=\"fatal\"/>\n"
    "\t\t<code value=\"processing\"/>\n"
    "\t\t<details><coding><system value=\"https://fhir.kbv.de/CodeSystem/KBV_CS_EAU_Fehler\"/>"
    "<code value=\"E-123\"/><display value=\"Ung\xC3\xBCltige Signatur\"/></coding></details>\n"
    "\t</issue>\n"
    "</OperationOutcome>\n";

// The export: reader of today's generation and the result record.
void BM_EauAnswerExport(benchmark::State& state) {
    HostString answer(kAnswer);
    auto call = [&] {
        ExportResult result;
        HostString messages;
        return TevoReadEAUOperationOutcome(&answer, &result, &messages);
    };
    measureCalls(state, call);
}
BENCHMARK(BM_EauAnswerExport);

// The 1.2.0 reader alone.
void BM_EauAnswerRead(benchmark::State& state) {
    const std::string text = kAnswer;
    for (auto _ : state) {
        fhir::eauOperationOutcome1_2_0_Wrapper reader;
        benchmark::DoNotOptimize(reader.read(text));
    }
}
BENCHMARK(BM_EauAnswerRead);

// The flat-text export: reading the keys, the export, the answer text.
void BM_EauLumoExport(benchmark::State& state) {
    const std::string input = tevo::test::exampleFlatText("eau_gkv_1_2_0.txt");
    std::vector<char> output(64 * 1024), message(4096), error(1024);
    auto call = [&] {
        return LumoCreateEAUBundle(input.c_str(), static_cast<int>(output.size()), output.data(),
                                   static_cast<int>(message.size()), message.data(),
                                   static_cast<int>(error.size()), error.data());
    };
    measureCalls(state, call);
}
BENCHMARK(BM_EauLumoExport);

// The cancellation of a certificate.
void BM_EauCancellation(benchmark::State& state) {
    const EauStornoRecord sample = eausamples::cancellation(eausamples::kDate120);
    auto call = [&] {
        EauStornoRecord record = sample;
        ExportResult result;
        return TevoCreateEAUStornoBundle(&record, &result);
    };
    measureCalls(state, call);
}
BENCHMARK(BM_EauCancellation);

// Parsing the written 28 KB eAU 1.2.0 document into the element tree.
void BM_EauBundleParse(benchmark::State& state) {
    EauRecord record = eausamples::pkvFollowUp(eausamples::kDate120);
    ExportResult result;
    HostString messages;
    TevoCreateEAUBundle(&record, &result, &messages, true);
    const std::string text = result.document.str();
    auto call = [&] {
        const fhir::DocumentArena arena;
        const fhir::xml::ParsedDocument document(text);
        const std::unique_ptr<fhir::r4::core::v4_0_1::Bundle> bundle(
            fhir::r4::core::v4_0_1::Bundle::parse(document.root()));
        return bundle->hasChildren();
    };
    measureCalls(state, call);
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_EauBundleParse);

}  // namespace
