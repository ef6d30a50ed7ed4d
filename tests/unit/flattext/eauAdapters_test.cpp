// Buffer handling and result codes of the certificate's flat-text adapters,
// run against stand-ins of the Tevo... exports.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "boundary/ResultCode.h"
#include "flattext/EauAdapters.h"
#include "support/CaseName.h"

namespace {

using tevo::flattext::Buffers;
using tevo::flattext::OutputBuffer;

constexpr char kFill = '#';
constexpr int kGuard = 8;  // bytes after the buffer size that must stay untouched

// A caller's buffer of `size` bytes inside a larger block filled with '#'.
struct Buffer {
    explicit Buffer(int bufferSize) : size(bufferSize), bytes(static_cast<std::size_t>(std::max(bufferSize, 0) + kGuard), kFill) {}
    OutputBuffer view() { return OutputBuffer(size, bytes.data()); }
    std::string text() const { return std::string(bytes.data()); }
    bool untouched() const { return std::string(bytes.begin(), bytes.end()).find_first_not_of(kFill) == std::string::npos; }
    bool allZero() const {
        for (int i = 0; i < size; ++i) {
            if (bytes[static_cast<std::size_t>(i)] != '\0') {
                return false;
            }
        }
        return true;
    }
    bool guardIntact() const {
        for (std::size_t i = static_cast<std::size_t>(std::max(size, 0)); i < bytes.size(); ++i) {
            if (bytes[i] != kFill) {
                return false;
            }
        }
        return true;
    }
    int size;
    std::vector<char> bytes;
};

// What the stand-in exports hand back.
struct Fake {
    std::int32_t code = 0;
    std::string document;
    std::string validation;
    std::string messages;
    bool errorFlag = false;
    std::string errorCode;
    std::string errorText;
    std::string answerCode;
    std::string answerText;
    EauRecord seenRecord;
    bool seenFlag = false;
    std::string seenAnswer;
};
Fake fake;

void fill(ExportResult* result) {
    result->document = HostString(fake.document);
    result->validation = HostString(fake.validation);
    result->errorFlag = fake.errorFlag;
    result->errorCode = HostString(fake.errorCode);
    result->errorText = HostString(fake.errorText);
    result->answerCode = HostString(fake.answerCode);
    result->answerText = HostString(fake.answerText);
}

std::int32_t fakeCreate(EauRecord* record, ExportResult* result, HostString* messages, bool flag) {
    fake.seenRecord = *record;
    fake.seenFlag = flag;
    fill(result);
    *messages = HostString(fake.messages);
    return fake.code;
}

std::int32_t fakeStorno(EauStornoRecord*, ExportResult* result) {
    fill(result);
    return fake.code;
}

std::int32_t fakeRead(HostString* answer, ExportResult* result, HostString* messages) {
    fake.seenAnswer = answer->str();
    fill(result);
    *messages = HostString(fake.messages);
    return fake.code;
}

class EauAdapters : public testing::Test {
protected:
    void SetUp() override { fake = Fake(); }
};

const char kInput[] = "versicherter.vorname\x02" "Erika\x01";

std::string bundleEntry(const std::string& document) { return "bundle\x02" + document + "\x01"; }

TEST_F(EauAdapters, EmptyOrNullInputTouchesNothing) {
    for (const char* input : {static_cast<const char*>(nullptr), ""}) {
        Buffer out(64), msg(64), err(64);
        const Buffers buffers{out.view(), msg.view(), err.view()};
        EXPECT_EQ(tevo::flattext::createEau(input, buffers, fakeCreate), tevo::result::kNoInput);
        EXPECT_EQ(tevo::flattext::createEauStorno(input, buffers, fakeStorno), tevo::result::kNoInput);
        EXPECT_TRUE(out.untouched() && msg.untouched() && err.untouched());
    }
}

TEST_F(EauAdapters, SuccessWritesBundleEntryAndClearsTheRest) {
    fake.document = "<Bundle/>";
    Buffer out(64), msg(16), err(16);
    EXPECT_EQ(tevo::flattext::createEau(kInput, {out.view(), msg.view(), err.view()}, fakeCreate), 0);
    EXPECT_EQ(out.text(), bundleEntry("<Bundle/>"));
    EXPECT_TRUE(msg.allZero());
    EXPECT_TRUE(err.untouched());  // no error flag: the error buffer is left alone
    EXPECT_TRUE(fake.seenFlag);
    EXPECT_EQ(fake.seenRecord.versicherter.vorname.str(), "Erika");
}

TEST_F(EauAdapters, ValidationFollowsTheBundle) {
    fake.document = "d";
    fake.validation = "v";
    Buffer out(64), msg(8), err(8);
    tevo::flattext::createEau(kInput, {out.view(), msg.view(), err.view()}, fakeCreate);
    EXPECT_EQ(out.text(), "bundle\x02" "d\x01validation\x02v\x01");
}

struct SizeCase {
    const char* name;
    int size;  // relative to the answer text when `relative`, else absolute
    bool relative;
    bool fits;
};

class EauDocumentBuffer : public EauAdapters, public testing::WithParamInterface<SizeCase> {};

TEST_P(EauDocumentBuffer, FitsOrGives9998WithEmptyBuffer) {
    fake.document = std::string(100, 'x');
    const int textLength = static_cast<int>(bundleEntry(fake.document).size());
    Buffer out(GetParam().relative ? textLength + GetParam().size : GetParam().size), msg(8), err(8);
    const std::int32_t code = tevo::flattext::createEau(kInput, {out.view(), msg.view(), err.view()}, fakeCreate);
    EXPECT_TRUE(out.guardIntact());
    if (GetParam().fits) {
        EXPECT_EQ(code, 0);
        EXPECT_EQ(out.text(), bundleEntry(fake.document));
    } else {
        EXPECT_EQ(code, tevo::result::kDocumentTooLarge);
        EXPECT_TRUE(out.allZero());
    }
    EXPECT_TRUE(msg.allZero());  // cleared even on 9998
}

const SizeCase kSizeCases[] = {
    {"ExactlyTextPlusZero", 1, true, true},
    {"Roomy", 50, true, true},
    {"OneShort", 0, true, false},
    {"TwoShort", -1, true, false},
    {"Zero", 0, false, false},
    {"One", 1, false, false},
    {"Negative", -5, false, false},
};

INSTANTIATE_TEST_SUITE_P(FlatText, EauDocumentBuffer, testing::ValuesIn(kSizeCases),
                         tevo::test::CaseName());

TEST_F(EauAdapters, NullBuffersNeverWritten) {
    fake.document = "<Bundle/>";
    fake.messages = "Meldung";
    EXPECT_EQ(tevo::flattext::createEau(kInput, {OutputBuffer(64, nullptr), OutputBuffer(64, nullptr),
                                                 OutputBuffer(64, nullptr)},
                                        fakeCreate),
              tevo::result::kDocumentTooLarge);
}

TEST_F(EauAdapters, MessagesAreCutToFit) {
    fake.code = -1;
    fake.messages = "Erste Meldung\nZweite Meldung";
    Buffer out(8), msg(6), err(8);
    EXPECT_EQ(tevo::flattext::createEau(kInput, {out.view(), msg.view(), err.view()}, fakeCreate), -1);
    EXPECT_EQ(msg.text(), "Erste");
    EXPECT_TRUE(msg.guardIntact());
    EXPECT_TRUE(out.allZero());  // cleared, nothing to write
}

TEST_F(EauAdapters, ErrorTextInOrderOr9997) {
    fake.document = "d";
    fake.errorFlag = true;
    fake.errorCode = "E1";
    fake.errorText = "Fehler";
    const std::string errorText = "errorcode\x02" "E1\x01" "errortext\x02" "Fehler\x01";
    Buffer out(32), msg(8), fits(static_cast<int>(errorText.size()) + 1), tooSmall(static_cast<int>(errorText.size()));
    EXPECT_EQ(tevo::flattext::createEau(kInput, {out.view(), msg.view(), fits.view()}, fakeCreate), 0);
    EXPECT_EQ(fits.text(), errorText);
    EXPECT_EQ(tevo::flattext::createEau(kInput, {out.view(), msg.view(), tooSmall.view()}, fakeCreate),
              tevo::result::kErrorTooLarge);
    EXPECT_TRUE(tooSmall.allZero());
    EXPECT_TRUE(tooSmall.guardIntact());
}

TEST_F(EauAdapters, CancellationLeavesMessagesEmpty) {
    fake.document = "<Bundle/>";
    fake.messages = "never read";
    Buffer out(64), msg(8), err(8);
    EXPECT_EQ(tevo::flattext::createEauStorno("stornodatum\x02" "20240101", {out.view(), msg.view(), err.view()},
                                              fakeStorno),
              0);
    EXPECT_EQ(out.text(), bundleEntry("<Bundle/>"));
    EXPECT_TRUE(msg.allZero());
}

TEST_F(EauAdapters, AnswerFieldsBecomeEntries) {
    fake.code = 0;
    fake.document = "doc-id";
    fake.validation = "kim-id";
    fake.answerCode = "10";
    fake.answerText = "Abgelehnt";
    fake.errorFlag = true;
    fake.errorCode = "10";
    fake.errorText = "Abgelehnt";
    Buffer out(256), msg(8), err(64);
    EXPECT_EQ(tevo::flattext::readEauAnswer("<OperationOutcome/>", {out.view(), msg.view(), err.view()}, fakeRead), 0);
    EXPECT_EQ(fake.seenAnswer, "<OperationOutcome/>");
    EXPECT_EQ(out.text(), "operationoutcome.dokumentenid\x02" "doc-id\x01"
                          "operationoutcome.kimid\x02kim-id\x01"
                          "operationoutcome.fehlercode\x02" "10\x01"
                          "operationoutcome.fehlertext\x02" "Abgelehnt\x01");
    EXPECT_EQ(err.text(), "errorcode\x02" "10\x01" "errortext\x02" "Abgelehnt\x01");
}

TEST_F(EauAdapters, AnswerTooLargeStopsBeforeMessages) {
    fake.code = 13;
    fake.document = "doc-id";
    fake.messages = "XML document is empty.";
    Buffer out(4), msg(64), err(64);
    EXPECT_EQ(tevo::flattext::readEauAnswer("x", {out.view(), msg.view(), err.view()}, fakeRead),
              tevo::result::kDocumentTooLarge);
    EXPECT_TRUE(out.allZero());
    EXPECT_TRUE(msg.untouched());
    EXPECT_TRUE(err.untouched());
}

TEST_F(EauAdapters, AnswerReaderCodeAndMessagesPassThrough) {
    fake.code = 1465;
    fake.messages = "expected >";
    Buffer out(8), msg(64), err(8);
    EXPECT_EQ(tevo::flattext::readEauAnswer(nullptr, {out.view(), msg.view(), err.view()}, fakeRead), 1465);
    EXPECT_EQ(fake.seenAnswer, "");
    EXPECT_EQ(msg.text(), "expected >");
    EXPECT_TRUE(out.allZero());
}

}  // namespace
