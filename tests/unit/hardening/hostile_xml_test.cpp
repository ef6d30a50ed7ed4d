// Every reader of received documents, in its host and its flat-text form,
// against hostile XML: each input ends in the reader's defined result code
// and message, within a bound of time and heap that only a runaway (a parser
// off the stack, an expanded entity, a quadratic walk) would break.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "boundary/clock.h"
#include "fhir/XmlNesting.h"
#include "support/AllocationCounter.h"
#include "support/CaseName.h"
#include "support/Repeated.h"
#include "support/ExampleFile.h"
#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"

namespace {

using tevo::test::repeated;

struct Outcome {
    std::int32_t code;
    std::string message;
};

bool operator==(const Outcome& a, const Outcome& b) {
    return a.code == b.code && a.message == b.message;
}

void PrintTo(const Outcome& outcome, std::ostream* out) {
    *out << outcome.code << " \"" << outcome.message << '"';
}

// The flat-text readers get buffers of this size: room for every example's
// values, too small for the huge ones.
constexpr std::size_t kBufferSize = 64 * 1024;

Outcome eauHost(const std::string& text) {
    HostString answer(text);
    ExportResult result;
    HostString messages;
    const std::int32_t code = TevoReadEAUOperationOutcome(&answer, &result, &messages);
    return {code, messages.str()};
}

Outcome eauFlat(const std::string& text) {
    std::vector<char> output(kBufferSize), message(kBufferSize), error(kBufferSize);
    const std::int32_t code = LumoReadEAUOperationOutcome(kBufferSize, output.data(), text.c_str(), kBufferSize,
                                                          message.data(), kBufferSize, error.data());
    return {code, message.data()};
}

Outcome eebCertificate(const std::string& text) {
    HostString certificate(text);
    EebBescheinigungRecord record;
    HostString messages;
    const std::int32_t code = TevoReadEEBBescheinigungBundle(&certificate, &record, &messages);
    return {code, messages.str()};
}

Outcome eebAnswer(const std::string& text) {
    HostString answer(text);
    EebAnswerRecord record;
    HostString messages;
    const std::int32_t code = TevoReadEEBOperationOutcome(&answer, &record, &messages);
    return {code, messages.str()};
}

// The two readers below hand over no messages.
Outcome vmcaAnswer(const std::string& text) {
    HostString answer(text);
    ExportResult result;
    return {TevoReadVMCA_REQUESTOperationOutcome(&answer, &result), ""};
}

Outcome vosAnswer(const std::string& text) {
    HostString answer(text);
    ExportResult result;
    return {TevoReadVOSOperationOutcome(&answer, &result), ""};
}

Outcome zaebHost(const std::string& text) {
    ZaebRecord record;
    HostString messages;
    const std::int32_t code = TevoExtractMIOZAEBBundle(&record, text, &messages);
    return {code, messages.str()};
}

Outcome zaebFlat(const std::string& text) {
    std::vector<char> output(kBufferSize), message(kBufferSize);
    const std::int32_t code =
        LumoExtractMIOZAEBBundle(kBufferSize, output.data(), text.c_str(), kBufferSize, message.data());
    return {code, message.data()};
}

Outcome checkHost(const std::string& text) {
    HostString document(text);
    HostString messages;
    const std::int32_t code = TevoCheckDocument(&document, &messages);
    return {code, messages.str()};
}

Outcome checkFlat(const std::string& text) {
    std::vector<char> message(kBufferSize);
    const std::int32_t code = LumoCheckDocument(text.c_str(), kBufferSize, message.data());
    return {code, message.data()};
}

struct Reader {
    const char* name;
    Outcome (*read)(const std::string& text);
    const char* example;  // a document it reads with 0
};

const Reader kReaders[] = {
    {"eau_answer", &eauHost, "eau_answer.xml"},
    {"eau_answer_flat", &eauFlat, "eau_answer.xml"},
    {"eeb_certificate", &eebCertificate, "eeb_certificate.xml"},
    {"eeb_answer", &eebAnswer, "eeb_answer.xml"},
    {"vmca_answer", &vmcaAnswer, "vmca_answer_parameters.xml"},
    {"vos_answer", &vosAnswer, "vos_answer.xml"},
    {"zaeb_extraction", &zaebHost, "zaeb_received.xml"},
    {"zaeb_extraction_flat", &zaebFlat, "zaeb_received.xml"},
    {"document_check", &checkHost, "zaeb_received.xml"},
    {"document_check_flat", &checkFlat, "zaeb_received.xml"},
};

// Every attribute value of the document starts with `prefix`.
std::string prefixValues(std::string text, const std::string& prefix) {
    const std::string marker = "value=\"";
    for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at)) {
        at += marker.size();
        text.insert(at, prefix);
        at += prefix.size();
    }
    return text;
}

// `inside` placed just before the closing tag of the root element.
std::string beforeRootEnd(std::string text, const std::string& inside) {
    return text.insert(text.rfind("</"), inside);
}

const char* const kBillionLaughs =
    "<!DOCTYPE lolz [<!ENTITY lol \"lol\">"
    "<!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">"
    "<!ENTITY lol2 \"&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;\">"
    "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">"
    "<!ENTITY lol4 \"&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;\">"
    "<!ENTITY lol5 \"&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;\">"
    "<!ENTITY lol6 \"&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;\">"
    "<!ENTITY lol7 \"&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;\">"
    "<!ENTITY lol8 \"&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;\">"
    "<!ENTITY lol9 \"&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;\">]>";

const Outcome kRead{0, ""};
const Outcome kTooDeep{1465, fhir::xml::kNestingTooDeep};
const Outcome kTooLong{1465, fhir::xml::kDocumentTooLong};
const Outcome kTooManyNodes{1465, fhir::xml::kTooManyNodes};
const Outcome kDoctype{1465, fhir::xml::kDoctypeRefused};
const Outcome kEndOfData{1465, "unexpected end of data"};
const Outcome kTooLargeForBuffer{9998, ""};
const Outcome kBeyondUnicode{1465, "invalid numeric character entity"};

struct HostileCase {
    const char* name;
    std::string (*make)(const std::string& example);
    Outcome expected;  // of every reader not named below
    std::vector<std::pair<const char*, Outcome>> differing;
};

// The VoS reader reports nothing: an unreadable answer is one without error.
const std::pair<const char*, Outcome> kVosReadsAnything{"vos_answer", kRead};
// The certificate reader recognises its parts by their profile URLs, which
// the cases that change every value change too.
const std::pair<const char*, Outcome> kCertificatePartsUnknown{
    "eeb_certificate", {13, "FHIR EEB BescheinigungBundle is incomplete. Missing: Header, Patient, Coverage"}};
// The appointment-service reader has no message output.
std::pair<const char*, Outcome> vmcaCode(const Outcome& outcome) {
    return {"vmca_answer", {outcome.code, ""}};
}

const HostileCase kHostileCases[] = {
    {"nested_100000_levels",
     [](const std::string&) { return "<Bundle>" + repeated("<a>", 100'000) + repeated("</a>", 100'000) + "</Bundle>"; },
     kTooDeep,
     {kVosReadsAnything, vmcaCode(kTooDeep)}},
    {"fifty_megabytes", [](const std::string& example) { return example + std::string(50'000'000, ' '); }, kTooLong,
     {kVosReadsAnything, vmcaCode(kTooLong)}},
    {"too_many_nodes",
     [](const std::string& example) { return beforeRootEnd(example, repeated("<x/>", fhir::xml::kMaxNodes)); },
     kTooManyNodes,
     {kVosReadsAnything, vmcaCode(kTooManyNodes)}},
    {"internal_entity",
     [](const std::string& example) {
         return "<!DOCTYPE d [<!ENTITY e \"expanded\">]>" + prefixValues(example, "&e;");
     },
     kDoctype,
     {kVosReadsAnything, vmcaCode(kDoctype)}},
    {"billion_laughs", [](const std::string& example) { return kBillionLaughs + prefixValues(example, "&lol9;"); },
     kDoctype,
     {kVosReadsAnything, vmcaCode(kDoctype)}},
    {"external_entity",
     [](const std::string& example) {
         return "<!DOCTYPE d [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>" + prefixValues(example, "&e;");
     },
     kDoctype,
     {kVosReadsAnything, vmcaCode(kDoctype)}},
    // Without a declaration a reference is text like any other.
    {"undeclared_entity_reference", [](const std::string& example) { return prefixValues(example, "&e;"); }, kRead,
     {kCertificatePartsUnknown}},
    {"wrong_resource",
     [](const std::string&) {
         return std::string("<Patient xmlns=\"http://hl7.org/fhir\"><id value=\"1\"/><name><family value=\"M\"/>"
                            "</name></Patient>");
     },
     {13, "No FHIR OperationOutcome detected."},
     {{"eeb_certificate", {13, "No FHIR Bundle detected."}},
      {"eeb_answer", {13, "No FHIR OperationOutcome detected."}},
      kVosReadsAnything,
      vmcaCode({13, ""}),
      {"zaeb_extraction", {13, "No FHIR Bundle detected."}},
      {"zaeb_extraction_flat", {13, "No FHIR Bundle detected."}},
      // Any resource is checked: this one against the core Patient.
      {"document_check", kRead},
      {"document_check_flat", kRead}}},
    {"huge_attribute_values", [](const std::string& example) { return prefixValues(example, std::string(100'000, 'h')); },
     kRead,
     {{"eau_answer_flat", kTooLargeForBuffer}, {"zaeb_extraction_flat", kTooLargeForBuffer}, kCertificatePartsUnknown}},
    {"huge_unread_attribute",
     [](const std::string& example) {
         std::string text = example;
         return text.insert(text.find(" xmlns="), " hostile=\"" + std::string(15'000'000, 'h') + "\"");
     },
     kRead,
     {}},
    // A character reference to the zero byte or to a surrogate is decoded into
    // the value like any other; it ends nothing early.
    {"zero_byte_reference", [](const std::string& example) { return prefixValues(example, "&#0;&#xD800;"); }, kRead,
     {kCertificatePartsUnknown}},
    // Beyond the last code point it is a parse error.
    {"reference_beyond_unicode", [](const std::string& example) { return prefixValues(example, "&#x110000;"); },
     kBeyondUnicode, {kVosReadsAnything, vmcaCode(kBeyondUnicode)}},
    {"invalid_utf8", [](const std::string& example) { return prefixValues(example, "\xC3\x28\xFF\xFE\x80\xED\xA0\x80"); },
     kRead,
     {kCertificatePartsUnknown}},
    {"zero_byte_inside", [](const std::string& example) { return beforeRootEnd(example, std::string(1, '\0')); },
     kEndOfData,
     {kVosReadsAnything, vmcaCode(kEndOfData)}},
    // The text ends at its first zero byte, in both forms of every reader.
    {"zero_byte_after_the_document",
     [](const std::string& example) { return example + std::string(1, '\0') + "<<<garbage"; }, kRead, {}},
};

Outcome expectedOf(const HostileCase& hostile, const char* reader) {
    for (const auto& [name, outcome] : hostile.differing) {
        if (std::string(name) == reader) {
            return outcome;
        }
    }
    return hostile.expected;
}

class HostileXml : public testing::TestWithParam<HostileCase> {
protected:
    void SetUp() override {
        tevo::setClockSource([] { return std::int64_t{1767225600}; });  // 2026-01-01
    }
    void TearDown() override { tevo::setClockSource(nullptr); }
};

TEST_P(HostileXml, EveryReaderEndsInItsDefinedResult) {
    for (const Reader& reader : kReaders) {
        const std::string example = tevo::test::exampleFile(reader.example);
        ASSERT_FALSE(example.empty()) << reader.example;
        const std::string text = GetParam().make(example);

        const auto start = std::chrono::steady_clock::now();
        tevo::test::HeapCount count;
        const Outcome outcome = reader.read(text);
        const tevo::test::HeapUse heap = count.stop();
        const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

        EXPECT_EQ(outcome, expectedOf(GetParam(), reader.name)) << reader.name;
        // The text is copied at most a few times; what the parser builds is
        // bounded by the node limit.
        EXPECT_LT(heap.peakBytes, 4 * text.size() + (64u << 20)) << reader.name;
        EXPECT_LT(seconds, 30.0) << reader.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, HostileXml, testing::ValuesIn(kHostileCases), tevo::test::CaseName());

}  // namespace
