// The bonus booklet's flat-text exports end to end: what goes in through
// LumoCreateMIOZAEBBundle comes back out of LumoExtractMIOZAEBBundle.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "boundary/ResultCode.h"
#include "boundary/quillkit.h"
#include "fhir/Identity.h"
#include "support/LumoBuffers.h"
#include "tevofhir/lumo.h"

namespace {

using Buffers = tevo::test::LumoBuffers;
using tevo::test::allZero;
using tevo::test::flat;
using tevo::test::untouched;

std::string pinnedUuid() { return "00000000-0000-4000-8000-000000000001"; }

class LumoZaeb : public testing::Test {
protected:
    void SetUp() override { fhir::setUuidSource(&pinnedUuid); }
    void TearDown() override { fhir::setUuidSource(nullptr); }
};

// Every key once, values in code page 1252; the key of the given name in
// upper case. Every value but "org.url" is written into the document.
std::vector<std::pair<std::string, std::string>> entry() {
    return {
        {"documentid", "7b1c6a0e-3f3d-4c55-9a43-2f1d9c0e5b11"},
        {"timestamp", "2025-10-15T09:30:05+02:00"},
        {"gaplessdocumentation.date", "2019-01-01"},
        {"dentalcheckup.effective", "2025-10-14"},
        {"dentalcheckup.type", "63963009"},
        {"pat.idgkv", "X234567890"},
        {"PAT.FIRSTNAME", "J\xFCrgen"},
        {"pat.lastname", "Freiherr von M\xFCller"},
        {"pat.lastnamemain", "M\xFCller"},
        {"pat.title", "Dr."},
        {"pat.nameadd", "Freiherr"},
        {"pat.vorsatz", "von"},
        {"pat.gebdat", "1978-05-23"},
        {"pat.adr.country", "D"},
        {"pat.adr.zip", "10117"},
        {"pat.adr.city", "Berlin"},
        {"pat.adr.street", "Stra\xDF" "e des 17. Juni"},
        {"pat.adr.number", "12a"},
        {"pat.adr.addition", "Hinterhaus"},
        {"org.id.kzvabr", "123456789"},
        {"org.name", "Zahnarztpraxis Sonnenschein"},
        {"org.adr.country", "D"},
        {"org.adr.zip", "50667"},
        {"org.adr.city", "K\xF6ln"},
        {"org.adr.street", "Hohe Stra\xDF" "e"},
        {"org.adr.number", "5"},
        {"org.adr.addition", "3. Etage"},
        {"org.phone", "0221 123456"},
        {"org.fax", "0221 123457"},
        {"org.email", "praxis@sonnenschein.example"},
        {"org.url", "https://sonnenschein.example"},
    };
}

std::int32_t create(const std::string& input, Buffers& b) {
    return LumoCreateMIOZAEBBundle(input.c_str(), b.outputSize(), b.output.data(), b.messageSize(), b.message.data(),
                                   b.errorSize(), b.error.data());
}

std::int32_t extract(const char* xml, Buffers& b) {
    return LumoExtractMIOZAEBBundle(b.outputSize(), b.output.data(), xml, b.messageSize(), b.message.data());
}

// The document of the "bundle" entry.
std::string documentOf(const Buffers& b) {
    const std::string output(b.output.data());
    const std::string head = std::string("bundle") + '\x02';
    return output.rfind(head, 0) == 0 ? output.substr(head.size(), output.size() - head.size() - 1) : "";
}

std::map<std::string, std::string> entriesOf(const std::string& text) {
    std::map<std::string, std::string> entries;
    std::size_t start = 0;
    for (std::size_t end = text.find('\x01'); end != std::string::npos; end = text.find('\x01', start)) {
        const std::string item = text.substr(start, end - start);
        const std::size_t separator = item.find('\x02');
        entries[item.substr(0, separator)] = item.substr(separator + 1);
        start = end + 1;
    }
    return entries;
}

std::string createdDocument() {
    Buffers b(64 * 1024);
    return create(flat(entry()), b) == 0 ? documentOf(b) : "FAILED:" + std::string(b.message.data());
}

TEST_F(LumoZaeb, ExtractionGivesBackEveryValueCreated) {
    const std::string document = createdDocument();
    Buffers b(8 * 1024);
    ASSERT_EQ(extract(document.c_str(), b), 0) << document;
    EXPECT_TRUE(allZero(b.message));

    std::map<std::string, std::string> expected;
    for (const auto& [key, value] : entry()) {
        expected[HostString(key).MakeLower().str()] = AnsiToUTF8(HostString(value)).str();
    }
    expected.erase("org.url");  // the fourth contact field is not part of the document
    EXPECT_EQ(entriesOf(b.output.data()), expected);
}

TEST_F(LumoZaeb, ExtractedTextFitsExactlyOrGives9998) {
    const std::string document = createdDocument();
    Buffers probe(8 * 1024);
    ASSERT_EQ(extract(document.c_str(), probe), 0);
    const std::size_t length = std::string(probe.output.data()).size();

    Buffers exact(length + 1, 8);
    EXPECT_EQ(extract(document.c_str(), exact), 0);
    EXPECT_EQ(std::string(exact.output.data()), std::string(probe.output.data()));

    Buffers oneShort(length, 8);
    EXPECT_EQ(extract(document.c_str(), oneShort), tevo::result::kDocumentTooLarge);
    EXPECT_TRUE(allZero(oneShort.output));
    EXPECT_TRUE(untouched(oneShort.message));
}

TEST_F(LumoZaeb, FailedChecksFillOnlyTheMessagesCutToTheirBuffer) {
    Buffers b(1024, 20);
    EXPECT_EQ(create(flat({{"pat.idgkv", "X234567890"}}), b), tevo::result::kChecksFailed);
    EXPECT_STREQ(b.message.data(), "Der Vorname des Ver");
    EXPECT_TRUE(allZero(b.output));
}

TEST_F(LumoZaeb, EmptyInput) {
    Buffers b(16, 64, 16);
    EXPECT_EQ(create("", b), tevo::result::kNoInput);
    EXPECT_EQ(LumoCreateMIOZAEBBundle(nullptr, b.outputSize(), b.output.data(), b.messageSize(), b.message.data(),
                                      b.errorSize(), b.error.data()),
              tevo::result::kNoInput);
    EXPECT_TRUE(untouched(b.output) && untouched(b.message) && untouched(b.error));

    for (const char* xml : {"", static_cast<const char*>(nullptr)}) {
        Buffers read(16, 64);
        EXPECT_EQ(extract(xml, read), tevo::result::kDocumentIncomplete);
        EXPECT_STREQ(read.message.data(), "Input document is empty.");
        EXPECT_TRUE(allZero(read.output));
    }
}

TEST_F(LumoZaeb, BuffersThatHoldNothingAreNeverWritten) {
    const std::string document = createdDocument();
    for (const int size : {0, -1}) {
        EXPECT_EQ(LumoExtractMIOZAEBBundle(size, nullptr, document.c_str(), size, nullptr),
                  tevo::result::kDocumentTooLarge);
        EXPECT_EQ(LumoCreateMIOZAEBBundle(flat(entry()).c_str(), size, nullptr, size, nullptr, size, nullptr),
                  tevo::result::kDocumentTooLarge);
    }
    EXPECT_EQ(LumoExtractMIOZAEBBundle(0, nullptr, "<Parameters/>", 0, nullptr), tevo::result::kDocumentIncomplete);
}

}  // namespace
