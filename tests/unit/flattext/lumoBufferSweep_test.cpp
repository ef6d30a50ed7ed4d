// Every flat-text export with every size of each of its caller buffers, from
// 0 to one byte more than its text needs. Each buffer lies between guard
// bytes that must survive every call; result code and buffer contents must be
// what the flat-text rules give for that size, derived from one call with
// roomy buffers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "boundary/ResultCode.h"
#include "support/CaseName.h"
#include "support/ExampleFile.h"
#include "support/PinnedIdentity.h"
#include "tevofhir/lumo.h"

namespace {

constexpr std::size_t kGuard = 32;
constexpr char kGuardByte = '\x5A';
constexpr char kFresh = '#';

// A caller buffer of `size` bytes, pre-filled with '#', between guard bytes.
class GuardedBuffer {
public:
    explicit GuardedBuffer(std::size_t size)
        : bytes_(std::string(kGuard, kGuardByte) + std::string(size, kFresh) + std::string(kGuard, kGuardByte)) {}
    int size() const { return static_cast<int>(bytes_.size() - 2 * kGuard); }
    char* data() { return &bytes_[kGuard]; }
    std::string content() const { return std::string(bytes_.begin() + kGuard, bytes_.end() - kGuard); }
    bool guardsIntact() const {
        const auto intact = [](auto from, auto to) {
            return std::all_of(from, to, [](char c) { return c == kGuardByte; });
        };
        return intact(bytes_.begin(), bytes_.begin() + kGuard) && intact(bytes_.end() - kGuard, bytes_.end());
    }

private:
    std::string bytes_;
};

struct CallerBuffers {
    GuardedBuffer output, message, error;
};

// The order in which an export fills its buffers, which decides what a
// too-small document buffer leaves untouched: the creating exports write the
// messages first, the readers the answer first; extraction has no error buffer.
enum class Flow { Create, Read, Extract };

using Export = std::int32_t (*)(const char* input, CallerBuffers& b);

using Creating = std::int32_t (*)(const char*, int, char*, int, char*, int, char*);

template <Creating create>
std::int32_t creating(const char* in, CallerBuffers& b) {
    return create(in, b.output.size(), b.output.data(), b.message.size(), b.message.data(), b.error.size(),
                  b.error.data());
}
std::int32_t readEauAnswer(const char* in, CallerBuffers& b) {
    return LumoReadEAUOperationOutcome(b.output.size(), b.output.data(), in, b.message.size(), b.message.data(),
                                       b.error.size(), b.error.data());
}
std::int32_t extractZaeb(const char* in, CallerBuffers& b) {
    return LumoExtractMIOZAEBBundle(b.output.size(), b.output.data(), in, b.message.size(), b.message.data());
}
constexpr Export createEau = creating<LumoCreateEAUBundle>;
constexpr Export cancelEau = creating<LumoCreateEAUStornoBundle>;
constexpr Export createZaeb = creating<LumoCreateMIOZAEBBundle>;
constexpr Export createERezept = creating<LumoCreateERezeptBundle>;

enum class Input { FlatText, Xml, Literal };

struct SweepCase {
    const char* name;
    Export call;
    Flow flow;
    Input kind;
    const char* input;  // example file, or the literal text
};

std::string inputOf(const SweepCase& c) {
    switch (c.kind) {
        case Input::FlatText:
            return tevo::test::exampleFlatText(c.input);
        case Input::Xml:
            return tevo::test::exampleFile(c.input);
        case Input::Literal:
            break;
    }
    return c.input;
}

// A buffer after a call: never written, or holding a text followed by zero bytes.
struct Written {
    bool touched = false;
    std::string text;
};

// The reference call's buffers, large enough for any text of the examples.
constexpr std::size_t kRoomy[] = {256 * 1024, 32 * 1024, 8 * 1024};

struct Outcome {
    std::int32_t code = 0;
    Written output, message, error;
    // Sizes of the buffers not swept: each holds its text with a few bytes to
    // spare (small buffers keep the many calls cheap under the sanitizers).
    std::size_t room[3] = {};
};

Written readBack(const GuardedBuffer& buffer) {
    const std::string bytes = buffer.content();
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == kFresh; })) {
        return {};
    }
    return {true, bytes.substr(0, bytes.find('\0'))};
}

// What a buffer of `size` bytes must hold.
std::string untouched(std::size_t size) { return std::string(size, kFresh); }
std::string cleared(std::size_t size) { return std::string(size, '\0'); }
std::string holding(const std::string& text, std::size_t size) {
    return size == 0 ? std::string() : text + cleared(size - text.size());
}
std::string asBefore(const Written& reference, std::size_t size) {
    return reference.touched ? holding(reference.text, size) : untouched(size);
}
// A text that must fit whole: written when it does, else the buffer cleared.
bool fits(const std::string& text, std::size_t size) { return text.empty() || text.size() + 1 <= size; }

struct Expected {
    std::int32_t code;
    std::string output, message, error;
};

enum class Swept { Output, Message, Error };
const char* const kSweptNames[] = {"output", "message", "error"};

Expected expectedFor(const Outcome& ref, Flow flow, Swept swept, std::size_t size) {
    Expected e{ref.code, asBefore(ref.output, ref.room[0]), asBefore(ref.message, ref.room[1]),
               asBefore(ref.error, ref.room[2])};
    switch (swept) {
        case Swept::Output:
            if (!ref.output.touched) {
                e.output = untouched(size);
            } else if (fits(ref.output.text, size)) {
                e.output = holding(ref.output.text, size);
            } else {
                // Nothing written, the rest of the call skipped.
                e.output = size == 0 ? std::string() : cleared(size);
                e.code = tevo::result::kDocumentTooLarge;
                e.error = untouched(ref.room[2]);
                if (flow != Flow::Create) {
                    e.message = untouched(ref.room[1]);
                }
            }
            break;
        case Swept::Message:
            // Messages are cut to the buffer, never refused.
            e.message = ref.message.touched ? holding(ref.message.text.substr(0, size == 0 ? 0 : size - 1), size)
                                            : untouched(size);
            break;
        case Swept::Error:
            if (!ref.error.touched) {
                e.error = untouched(size);
            } else if (fits(ref.error.text, size)) {
                e.error = holding(ref.error.text, size);
            } else {
                e.error = size == 0 ? std::string() : cleared(size);
                e.code = tevo::result::kErrorTooLarge;
            }
            break;
    }
    return e;
}

// Ids count from 1 again and the clock stands still, so every call of an
// export writes the same bytes.
class LumoBufferSweep : public testing::TestWithParam<SweepCase> {
protected:
    void SetUp() override { pinned::pin(); }
    void TearDown() override { pinned::release(); }

    static std::int32_t call(const SweepCase& c, const std::string& input, CallerBuffers& buffers) {
        pinned::uuidCounter() = 0;
        return c.call(input.c_str(), buffers);
    }
};

// Empty when the call left the buffers as expected, else what differs.
std::string mismatch(std::int32_t code, const CallerBuffers& b, const Expected& e) {
    std::string found;
    const auto compare = [&found](const char* name, const GuardedBuffer& buffer, const std::string& expected) {
        if (!buffer.guardsIntact()) {
            found += std::string(" wrote outside the ") + name + " buffer;";
        }
        if (buffer.content() != expected) {
            found += std::string(" ") + name + " buffer differs;";
        }
    };
    if (code != e.code) {
        found += " result " + std::to_string(code) + " instead of " + std::to_string(e.code) + ";";
    }
    compare("output", b.output, e.output);
    compare("message", b.message, e.message);
    compare("error", b.error, e.error);
    return found;
}

TEST_P(LumoBufferSweep, EverySizeOfEveryBuffer) {
    const SweepCase& c = GetParam();
    const std::string input = inputOf(c);
    Outcome ref;
    {
        CallerBuffers roomy{GuardedBuffer(kRoomy[0]), GuardedBuffer(kRoomy[1]), GuardedBuffer(kRoomy[2])};
        ref.code = call(c, input, roomy);
        ref.output = readBack(roomy.output);
        ref.message = readBack(roomy.message);
        ref.error = readBack(roomy.error);
        ASSERT_LT(ref.output.text.size() + 1, kRoomy[0]);
        ASSERT_LT(ref.message.text.size() + 1, kRoomy[1]);
        ASSERT_LT(ref.error.text.size() + 1, kRoomy[2]);
        const Written* written[] = {&ref.output, &ref.message, &ref.error};
        for (std::size_t i = 0; i < 3; ++i) {
            ref.room[i] = written[i]->text.size() + 8;
        }
    }
    const Swept kSwept[] = {Swept::Output, Swept::Message, Swept::Error};
    for (const Swept swept : kSwept) {
        if (swept == Swept::Error && c.flow == Flow::Extract) {
            continue;
        }
        const Written& sweptRef = swept == Swept::Output ? ref.output : swept == Swept::Message ? ref.message : ref.error;
        for (std::size_t size = 0; size <= sweptRef.text.size() + 1; ++size) {
            CallerBuffers b{GuardedBuffer(swept == Swept::Output ? size : ref.room[0]),
                            GuardedBuffer(swept == Swept::Message ? size : ref.room[1]),
                            GuardedBuffer(swept == Swept::Error ? size : ref.room[2])};
            const std::int32_t code = call(c, input, b);
            ASSERT_EQ(mismatch(code, b, expectedFor(ref, c.flow, swept, size)), "")
                << kSweptNames[static_cast<int>(swept)] << " buffer of " << size << " bytes";
        }
    }
}

// Each export with a document, with messages, with an error text, and
// without input, so that every buffer is swept over a text of some length.
const SweepCase kCases[] = {
    {"EauBuilt", createEau, Flow::Create, Input::FlatText, "eau_gkv_1_2_0.txt"},
    {"EauFaults", createEau, Flow::Create, Input::FlatText, "eau_with_faults.txt"},
    {"EauNoInput", createEau, Flow::Create, Input::Literal, ""},
    {"EauCancellation", cancelEau, Flow::Create, Input::FlatText, "eau_cancel.txt"},
    {"EauAnswerWithError", readEauAnswer, Flow::Read, Input::Xml, "eau_answer.xml"},
    {"EauAnswerEmpty", readEauAnswer, Flow::Read, Input::Literal, ""},
    {"ZaebBuilt", createZaeb, Flow::Create, Input::FlatText, "zaeb_both.txt"},
    {"ZaebFaults", createZaeb, Flow::Create, Input::FlatText, "zaeb_with_faults.txt"},
    {"ZaebExtracted", extractZaeb, Flow::Extract, Input::Xml, "zaeb_received.xml"},
    {"ZaebExtractEmpty", extractZaeb, Flow::Extract, Input::Literal, ""},
    {"ERezeptBuilt", createERezept, Flow::Create, Input::FlatText, "erezept_pzn_1_1_0.txt"},
    {"ERezeptFaults", createERezept, Flow::Create, Input::FlatText, "erezept_with_faults.txt"},
    {"ERezeptNoInput", createERezept, Flow::Create, Input::Literal, ""},
};
INSTANTIATE_TEST_SUITE_P(FlatText, LumoBufferSweep, testing::ValuesIn(kCases), tevo::test::CaseName());

}  // namespace
