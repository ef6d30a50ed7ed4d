// Damaged bonus-booklet bundles and flat texts, with tight buffers, must end
// in a result code, never in a crash or a write past a buffer. Mutations are
// drawn from a fixed seed, so a failure repeats.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "conformance/zaebSamples.h"
#include "flattext/ZaebKeys.h"
#include "support/XmlMutation.h"
#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"
#include "unit/zaeb/zaeb_support.h"

namespace {

constexpr std::size_t kGuard = 8;

// A buffer of `size` usable bytes followed by guard bytes.
std::vector<char> guarded(int size) { return std::vector<char>(static_cast<std::size_t>(size) + kGuard, '#'); }

bool guardIntact(const std::vector<char>& buffer) {
    return std::string(buffer.end() - kGuard, buffer.end()) == std::string(kGuard, '#');
}

TEST(DamagedZaebBundles, EndInADefinedResultCode) {
    const std::set<std::int32_t> allowed = {0, 13, 1465, 1359, 574};
    const std::string original = zaebtest::documentText(zaebsamples::both());
    ASSERT_EQ(original.rfind("<?xml", 0), 0u);
    std::mt19937 random(6122026);
    for (int round = 0; round < 1500; ++round) {
        const std::string text = tevo::test::mutateXml(original, random);
        ZaebRecord record;
        HostString messages;
        const std::int32_t code = TevoExtractMIOZAEBBundle(&record, text, &messages);
        ASSERT_TRUE(allowed.count(code)) << "code " << code << " for:\n" << text;

        const int size = static_cast<int>(random() % 1200);
        std::vector<char> output = guarded(size);
        std::vector<char> message = guarded(size % 40);
        const std::int32_t flatCode =
            LumoExtractMIOZAEBBundle(size, output.data(), text.c_str(), size % 40, message.data());
        ASSERT_TRUE(flatCode == 9998 || allowed.count(flatCode)) << "code " << flatCode;
        ASSERT_TRUE(guardIntact(output) && guardIntact(message)) << "written past size " << size;
    }
}

TEST(DamagedZaebFlatTexts, EndInADefinedResultCode) {
    const std::string original = tevo::flattext::zaebText(zaebsamples::both());
    std::mt19937 random(7122026);
    std::set<std::int32_t> seen;
    for (int round = 0; round < 400; ++round) {
        std::string text = original;
        for (int edit = 0; edit < 1 + static_cast<int>(random() % 4); ++edit) {
            const std::size_t at = random() % text.size();
            text[at] = "\x01\x02 x\xFC"[random() % 5];
        }
        const int sizes[] = {0, 1, static_cast<int>(random() % 64), static_cast<int>(7000 + random() % 3000)};
        const int size = sizes[random() % 4];
        std::vector<char> output = guarded(size);
        std::vector<char> message = guarded(size);
        std::vector<char> error = guarded(size);
        const std::int32_t code = LumoCreateMIOZAEBBundle(text.c_str(), size, output.data(), size, message.data(),
                                                          size, error.data());
        ASSERT_TRUE(code == 0 || code == -1 || code == 9998) << "code " << code;
        seen.insert(code);
        ASSERT_TRUE(guardIntact(output) && guardIntact(message) && guardIntact(error)) << "size " << size;
    }
    EXPECT_TRUE(seen.count(0) && seen.count(-1) && seen.count(9998));
}

}  // namespace
