// Calls every export from several threads at once and compares each result
// with the one a serial call gave for the same input.
//
//   tevofhir_threads [CALLS_PER_THREAD [THREADS]]     (defaults: $TEVO_THREAD_CALLS or 250, 8)
//
// Two rounds: first with resource ids counted per call (a thread-local
// counter behind the id hook) so that documents must match byte for byte,
// then with the library's own random ids, compared with every UUID masked.
// The clock is pinned in both. Exit status 1 on any difference.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "boundary/clock.h"
#include "cli/EebKeys.h"
#include "fhir/Identity.h"
#include "flattext/ZaebKeys.h"
#include "support/ExampleFile.h"
#include "support/PinnedIdentity.h"
#include "tests/conformance/eauSamples.h"
#include "tests/conformance/eebSamples.h"
#include "tests/conformance/erezeptSamples.h"
#include "tests/conformance/vmcaSamples.h"
#include "tests/conformance/vosSamples.h"
#include "tests/conformance/zaebSamples.h"
#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"

namespace {

std::int64_t pinnedClock() {
    static const std::int64_t now = pinned::localSeconds(2025, 10, 15, 9, 30, 5);
    return now;
}

std::string fileText(const std::string& path) {
    std::ifstream in(std::string(TEVO_SOURCE_DIR) + "/" + path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string resultText(std::int32_t code, const ExportResult& r, const HostString& messages) {
    std::string text = std::to_string(code) + (r.errorFlag ? " error\n" : "\n");
    for (const HostString* field : {&r.errorCode, &r.errorText, &r.exceptionMessage, &r.exceptionCause,
                                    &r.exceptionStackTrace, &r.document, &r.validation, &r.answerCode,
                                    &r.answerText, &messages}) {
        text += field->str() + '\n';
    }
    return text;
}

std::string listText(std::int32_t code, const VmcaCodeList& list) {
    std::string text = std::to_string(code) + '\n';
    for (const auto& [display, value] : list) {
        text += display.str() + '\t' + value.str() + '\n';
    }
    return text;
}

// A flat-text export with roomy buffers: result code and the three buffers.
std::string lumoText(const std::function<std::int32_t(int, char*, int, char*, int, char*)>& call) {
    std::vector<char> output(256 * 1024), message(32 * 1024), error(8 * 1024);
    const std::int32_t code = call(static_cast<int>(output.size()), output.data(), static_cast<int>(message.size()),
                                   message.data(), static_cast<int>(error.size()), error.data());
    return std::to_string(code) + '\n' + output.data() + '\n' + message.data() + '\n' + error.data();
}

struct Call {
    std::string name;
    std::function<std::string()> run;
};

template <class Record, class Build>
Call building(std::string name, Record record, Build build) {
    return {std::move(name), [record, build] {
                Record copy = record;
                ExportResult result;
                HostString messages;
                const std::int32_t code = build(&copy, &result, &messages);
                return resultText(code, result, messages);
            }};
}

template <class Read>
Call reading(std::string name, std::string answer, Read read) {
    return {std::move(name), [answer, read] {
                HostString text(answer);
                ExportResult result;
                HostString messages;
                const std::int32_t code = read(&text, &result, &messages);
                return resultText(code, result, messages);
            }};
}

// Exports that hand the document back in a host string of its own.
template <class Record>
Call buildingText(std::string name, Record record, std::int32_t (*build)(Record*, HostString*, HostString*)) {
    return {std::move(name), [record, build] {
                Record copy = record;
                HostString document;
                HostString messages;
                const std::int32_t code = build(&copy, &document, &messages);
                return std::to_string(code) + '\n' + document.str() + '\n' + messages.str();
            }};
}

// Readers that fill a record of their own, shown as flat text by `show`.
template <class Record>
Call readingRecord(std::string name, std::string text, std::int32_t (*read)(HostString*, Record*, HostString*),
                   std::string (*show)(const Record&)) {
    return {std::move(name), [text, read, show] {
                HostString input(text);
                Record record;
                HostString messages;
                const std::int32_t code = read(&input, &record, &messages);
                return std::to_string(code) + '\n' + show(record) + messages.str();
            }};
}

Call creatingLumo(std::string name, std::string input,
                  std::int32_t (*create)(const char*, int, char*, int, char*, int, char*)) {
    return {std::move(name), [input, create] {
                return lumoText([&](int os, char* o, int ms, char* m, int es, char* e) {
                    return create(input.c_str(), os, o, ms, m, es, e);
                });
            }};
}

std::vector<Call> everyExport() {
    using namespace std::string_literals;
    std::vector<Call> calls;
    const auto eau = [](EauRecord* r, ExportResult* x, HostString* m) { return TevoCreateEAUBundle(r, x, m, true); };
    calls.push_back(building("TevoCreateEAUBundle 1.1.0", eausamples::gkvCertificate(eausamples::kDate110), eau));
    calls.push_back(building("TevoCreateEAUBundle 1.2.0", eausamples::pkvFollowUp(eausamples::kDate120), eau));
    calls.push_back(building("TevoCreateEAUStornoBundle", eausamples::cancellation(eausamples::kDate120),
                             [](EauStornoRecord* r, ExportResult* x, HostString*) {
                                 return TevoCreateEAUStornoBundle(r, x);
                             }));
    calls.push_back(reading("TevoReadEAUOperationOutcome", tevo::test::exampleFile("eau_answer.xml"),
                            TevoReadEAUOperationOutcome));
    calls.push_back(buildingText("TevoCreateVMCA_REQUEST", vmcasamples::requestWithPatient(), TevoCreateVMCA_REQUEST));
    for (const char* answer : {"vmca_answer_parameters.xml", "vmca_answer_error.xml"}) {
        calls.push_back(reading("TevoReadVMCA_REQUESTOperationOutcome "s + answer, tevo::test::exampleFile(answer),
                                [](HostString* a, ExportResult* x, HostString*) {
                                    return TevoReadVMCA_REQUESTOperationOutcome(a, x);
                                }));
    }
    calls.push_back({"TevoGetVMCAZusatzbezeichnungen", [] {
                         VmcaCodeList list;
                         return listText(TevoGetVMCAZusatzbezeichnungen(&list), list);
                     }});
    calls.push_back({"TevoGetVMCAFacharztgruppen", [] {
                         VmcaCodeList list;
                         return listText(TevoGetVMCAFacharztgruppen(&list), list);
                     }});
    calls.push_back(building("TevoCreateMIOZAEBBundle", zaebsamples::both(), TevoCreateMIOZAEBBundle));
    calls.push_back({"TevoExtractMIOZAEBBundle", [bundle = tevo::test::exampleFile("zaeb_received.xml")] {
                         ZaebRecord record;
                         HostString messages;
                         const std::int32_t code = TevoExtractMIOZAEBBundle(&record, bundle, &messages);
                         return std::to_string(code) + '\n' + tevo::flattext::zaebText(record) + messages.str();
                     }});
    calls.push_back(buildingText("TevoCreateEEBAnfrageBundle", eebsamples::fullPatient(), TevoCreateEEBAnfrageBundle));
    calls.push_back(readingRecord<EebBescheinigungRecord>("TevoReadEEBBescheinigungBundle",
                                                          fileText("tests/fixtures/eeb/certificate_full.xml"),
                                                          TevoReadEEBBescheinigungBundle, cli::certificateEntries));
    calls.push_back(readingRecord<EebAnswerRecord>("TevoReadEEBOperationOutcome",
                                                   fileText("tests/fixtures/eeb/answer_message.xml"),
                                                   TevoReadEEBOperationOutcome, cli::answerEntries));
    calls.push_back(building("TevoCreateERezeptBundle PZN 1.1.0",
                             erezeptsamples::pznPrescription(erezeptsamples::kDate110), TevoCreateERezeptBundle));
    calls.push_back(building("TevoCreateERezeptBundle compounding 1.3.2",
                             erezeptsamples::compoundingPrescription(erezeptsamples::kDate132),
                             TevoCreateERezeptBundle));
    calls.push_back(building("TevoCreateVOSBundle full", vossamples::fullRecord(), TevoCreateVOSBundle));
    calls.push_back(building("TevoCreateVOSBundle minimal", vossamples::minimalRecord(), TevoCreateVOSBundle));
    calls.push_back(reading("TevoReadVOSOperationOutcome", tevo::test::exampleFile("vos_answer.xml"),
                            [](HostString* a, ExportResult* x, HostString*) { return TevoReadVOSOperationOutcome(a, x); }));
    calls.push_back(creatingLumo("LumoCreateEAUBundle", tevo::test::exampleFlatText("eau_gkv_1_2_0.txt"),
                                 LumoCreateEAUBundle));
    calls.push_back(creatingLumo("LumoCreateEAUBundle with faults", tevo::test::exampleFlatText("eau_with_faults.txt"),
                                 LumoCreateEAUBundle));
    calls.push_back(creatingLumo("LumoCreateEAUStornoBundle", tevo::test::exampleFlatText("eau_cancel.txt"),
                                 LumoCreateEAUStornoBundle));
    calls.push_back({"LumoReadEAUOperationOutcome", [answer = tevo::test::exampleFile("eau_answer.xml")] {
                         return lumoText([&](int os, char* o, int ms, char* m, int es, char* e) {
                             return LumoReadEAUOperationOutcome(os, o, answer.c_str(), ms, m, es, e);
                         });
                     }});
    calls.push_back(creatingLumo("LumoCreateMIOZAEBBundle", tevo::test::exampleFlatText("zaeb_both.txt"),
                                 LumoCreateMIOZAEBBundle));
    calls.push_back({"LumoExtractMIOZAEBBundle", [bundle = tevo::test::exampleFile("zaeb_received.xml")] {
                         return lumoText([&](int os, char* o, int ms, char* m, int, char*) {
                             return LumoExtractMIOZAEBBundle(os, o, bundle.c_str(), ms, m);
                         });
                     }});
    for (const char* example : {"erezept_pzn_1_1_0.txt", "erezept_freetext_1_3_2.txt"}) {
        calls.push_back(creatingLumo("LumoCreateERezeptBundle "s + example, tevo::test::exampleFlatText(example),
                                     LumoCreateERezeptBundle));
    }
    calls.push_back(creatingLumo("LumoCreateERezeptBundle with faults",
                                 tevo::test::exampleFlatText("erezept_with_faults.txt"), LumoCreateERezeptBundle));
    // A document that breaks profile rules.
    const std::string broken =
        fileText("../shared/tools/fhircheck/calibration/examples/KBV_PR_EAU_Bundle/1.2.1/invalid/"
                 "Beispiel_1-eAU_ERST_GKV-KZVA.xml");
    calls.push_back({"TevoCheckDocument", [broken] {
                         HostString document(broken);
                         HostString messages;
                         return std::to_string(TevoCheckDocument(&document, &messages)) + '\n' + messages.str();
                     }});
    calls.push_back({"LumoCheckDocument", [broken] {
                         char message[4096];
                         const std::int32_t code = LumoCheckDocument(broken.c_str(), sizeof message, message);
                         return std::to_string(code) + '\n' + message;
                     }});
    return calls;
}

bool isHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

// Every lower-case UUID (8-4-4-4-12 hex digits) replaced by "<uuid>".
std::string maskUuids(const std::string& text) {
    static constexpr char kShape[] = "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx";
    constexpr std::size_t kLength = sizeof kShape - 1;
    std::string masked;
    std::size_t at = 0;
    while (at < text.size()) {
        bool uuid = text.size() - at >= kLength;
        for (std::size_t i = 0; uuid && i < kLength; ++i) {
            uuid = kShape[i] == '-' ? text[at + i] == '-' : isHex(text[at + i]);
        }
        masked += uuid ? std::string("<uuid>") : std::string(1, text[at]);
        at += uuid ? kLength : 1;
    }
    return masked;
}

struct Round {
    const char* name;
    fhir::UuidSource ids;  // nullptr: the library's random ids
    std::string (*normalise)(const std::string&);
};

std::string asIs(const std::string& text) { return text; }

// One call with the round's ids: counted from 1 for every call.
std::string callOnce(const Call& call, const Round& round) {
    pinned::restartThreadIds();
    return round.normalise(call.run());
}

bool runRound(const std::vector<Call>& calls, const Round& round, int threads, int callsPerThread) {
    fhir::setUuidSource(round.ids);
    std::vector<std::string> expected;
    for (const Call& call : calls) {
        expected.push_back(callOnce(call, round));
    }
    std::atomic<bool> go{false};
    std::atomic<int> differences{0};
    std::mutex reportGuard;
    std::vector<std::string> reports;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            while (!go.load()) {
                std::this_thread::yield();
            }
            // Each thread walks the calls from its own start with its own
            // stride, so that different exports overlap.
            const std::size_t stride = 1 + static_cast<std::size_t>(t) % 5;
            for (int i = 0; i < callsPerThread; ++i) {
                const std::size_t index = (static_cast<std::size_t>(t) * 3 + static_cast<std::size_t>(i) * stride) %
                                          calls.size();
                if (callOnce(calls[index], round) != expected[index]) {
                    differences.fetch_add(1);
                    const std::lock_guard<std::mutex> lock(reportGuard);
                    if (reports.size() < 10) {
                        reports.push_back(calls[index].name);
                    }
                }
            }
        });
    }
    const auto start = std::chrono::steady_clock::now();
    go.store(true);
    for (std::thread& worker : workers) {
        worker.join();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    fhir::setUuidSource(nullptr);
    std::printf("%s: %d threads x %d calls over %zu exports and inputs, %.1f s, %d differences\n", round.name,
                threads, callsPerThread, calls.size(), seconds, differences.load());
    for (const std::string& name : reports) {
        std::printf("  differs from the serial call: %s\n", name.c_str());
    }
    return differences.load() == 0;
}

int countFrom(const char* text, int fallback) {
    const int value = text ? std::atoi(text) : 0;
    return value > 0 ? value : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    const int callsPerThread = countFrom(argc > 1 ? argv[1] : std::getenv("TEVO_THREAD_CALLS"), 250);
    const int threads = countFrom(argc > 2 ? argv[2] : nullptr, 8);
    tevo::setClockSource(&pinnedClock);
    const std::vector<Call> calls = everyExport();
    const Round kRounds[] = {
        {"ids counted per call", &pinned::threadCountingUuid, &asIs},
        {"random ids, masked", nullptr, &maskUuids},
    };
    bool same = true;
    for (const Round& round : kRounds) {
        same = runRound(calls, round, threads, callsPerThread) && same;
    }
    tevo::setClockSource(nullptr);
    return same ? 0 : 1;
}
