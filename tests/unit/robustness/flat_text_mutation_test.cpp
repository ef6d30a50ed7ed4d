// Damaged flat texts and tight buffers must end in a result code, never in a
// crash or a write past a buffer. Mutations come from a fixed seed.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "boundary/quillkit.h"
#include "fhir/Identity.h"
#include "tevofhir/lumo.h"

namespace {

// The readable example turned into a real flat text (code page 1252).
std::string exampleFlatText() {
    std::ifstream in(std::string(TEVO_SOURCE_DIR) + "/examples/eau_gkv_1_2_0.txt");
    std::string flat;
    for (std::string line; std::getline(in, line);) {
        const std::size_t equals = line.find(" = ");
        if (line.empty() || line[0] == '#' || equals == std::string::npos) {
            continue;
        }
        flat += line.substr(0, equals) + '\x02' + line.substr(equals + 3) + '\x01';
    }
    return UTF8ToAnsi(HostString(flat)).str();
}

std::string mutate(const std::string& original, std::mt19937& random) {
    std::string text = original;
    const int edits = 1 + static_cast<int>(random() % 6);
    for (int i = 0; i < edits && !text.empty(); ++i) {
        const std::size_t at = random() % text.size();
        switch (random() % 4) {
            case 0:
                text.resize(at);
                break;
            case 1:
                text[at] = static_cast<char>(random() % 256);
                break;
            case 2:
                text[at] = (random() % 2) ? '\x01' : '\x02';
                break;
            default:
                text.insert(at, std::string(random() % 300, 'W'));
                break;
        }
    }
    // The flat-text exports read a zero-terminated text.
    for (char& c : text) {
        if (c == '\0') {
            c = ' ';
        }
    }
    return text;
}

std::string fixedUuid() {
    return "00000000-0000-4000-8000-000000000000";
}

TEST(DamagedFlatTexts, EndInADefinedResultCode) {
    fhir::setUuidSource(&fixedUuid);
    const std::set<std::int32_t> allowed = {0, -1, -2, 9999, 9998, 9997};
    const std::string original = exampleFlatText();
    ASSERT_GT(original.size(), 100u);
    std::mt19937 random(5122026);
    std::set<std::int32_t> seen;
    for (int round = 0; round < 300; ++round) {
        const std::string text = mutate(original, random);
        // Sizes around zero, tiny, and around a real document.
        const int sizes[] = {0, 1, 2, static_cast<int>(random() % 64), static_cast<int>(20000 + random() % 40000)};
        const int size = sizes[random() % 5];
        std::vector<char> output(static_cast<std::size_t>(size) + 8, '#');
        std::vector<char> message(static_cast<std::size_t>(size) + 8, '#');
        std::vector<char> error(static_cast<std::size_t>(size) + 8, '#');
        const std::int32_t code = (round % 2 == 0)
                                      ? LumoCreateEAUBundle(text.c_str(), size, output.data(), size, message.data(),
                                                            size, error.data())
                                      : LumoCreateEAUStornoBundle(text.c_str(), size, output.data(), size,
                                                                  message.data(), size, error.data());
        ASSERT_TRUE(allowed.count(code)) << "code " << code;
        seen.insert(code);
        for (const std::vector<char>* buffer : {&output, &message, &error}) {
            ASSERT_EQ(std::string(buffer->end() - 8, buffer->end()), "########") << "written past size " << size;
        }
    }
    fhir::setUuidSource(nullptr);
    // The rounds must reach built documents, failed checks and full buffers.
    EXPECT_TRUE(seen.count(0) && seen.count(-1) && seen.count(9998)) << seen.size();
}

TEST(DamagedFlatTexts, NullBuffersAreNeverWritten) {
    const std::string text = exampleFlatText();
    for (int size : {-1, 0, 100000}) {
        const std::int32_t code = LumoCreateEAUBundle(text.c_str(), size, nullptr, size, nullptr, size, nullptr);
        EXPECT_TRUE(code == 9998 || code == 0 || code == -1) << code;
    }
    EXPECT_EQ(LumoCreateEAUBundle(nullptr, 0, nullptr, 0, nullptr, 0, nullptr), 9999);
}

}  // namespace
