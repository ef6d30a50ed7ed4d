#include "boundary/quillkit.h"

#include <gtest/gtest.h>

#include <string>

#include "support/CaseName.h"

namespace {

TEST(CodePage1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const HostString utf8 = AnsiToUTF8(HostString(all));
    EXPECT_EQ(UTF8ToAnsi(utf8).str(), all);
}

struct Conversion {
    const char* name;
    std::string ansi;
    std::string utf8;
};

class AnsiUtf8Pairs : public testing::TestWithParam<Conversion> {};

TEST_P(AnsiUtf8Pairs, ConvertBothWays) {
    EXPECT_EQ(AnsiToUTF8(HostString(GetParam().ansi)).str(), GetParam().utf8);
    EXPECT_EQ(UTF8ToAnsi(HostString(GetParam().utf8)).str(), GetParam().ansi);
}

INSTANTIATE_TEST_SUITE_P(Characters, AnsiUtf8Pairs,
                         testing::Values(Conversion{"Ascii", "Abc 123", "Abc 123"},
                                         Conversion{"Umlauts", "\xE4\xF6\xFC\xC4\xD6\xDC\xDF", "äöüÄÖÜß"},
                                         Conversion{"Euro", "\x80", "€"},
                                         Conversion{"Quotes", "\x84\x93", "„“"},
                                         Conversion{"UndefinedByte", "\x81", "\xC2\x81"},
                                         Conversion{"NoBreakSpace", "\xA0", "\xC2\xA0"},
                                         Conversion{"Empty", "", ""}),
                         tevo::test::CaseName());

TEST(UTF8ToAnsi, ReplacesWhatTheCodePageCannotHold) {
    EXPECT_EQ(UTF8ToAnsi(HostString("a\xE2\x82\xBD" "b")).str(), "a?b");   // rouble sign
    EXPECT_EQ(UTF8ToAnsi(HostString("\xF0\x9F\x98\x80")).str(), "?");      // emoji, four bytes
    EXPECT_EQ(UTF8ToAnsi(HostString("x\xC3")).str(), "x?");                // truncated sequence
    EXPECT_EQ(UTF8ToAnsi(HostString("\xC0\xAF")).str(), "??");             // overlong form
    EXPECT_EQ(UTF8ToAnsi(HostString("\xFF" "a")).str(), "?a");             // no lead byte
}

struct Base64Vector {
    const char* input;
    const char* output;
};

class Base64Rfc4648 : public testing::TestWithParam<Base64Vector> {};

TEST_P(Base64Rfc4648, MatchesTheTestVector) {
    const std::string input = GetParam().input;
    EXPECT_EQ(EncodeBase64(reinterpret_cast<const unsigned char*>(input.data()), input.size(), 0).str(),
              GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(Vectors, Base64Rfc4648,
                         testing::Values(Base64Vector{"", ""}, Base64Vector{"f", "Zg=="}, Base64Vector{"fo", "Zm8="},
                                         Base64Vector{"foo", "Zm9v"}, Base64Vector{"foob", "Zm9vYg=="},
                                         Base64Vector{"fooba", "Zm9vYmE="}, Base64Vector{"foobar", "Zm9vYmFy"}));

TEST(EncodeBase64, UsesTheWholeAlphabetForHighBytes) {
    const unsigned char bytes[] = {0xFB, 0xFF, 0xBF};
    EXPECT_EQ(EncodeBase64(bytes, sizeof bytes, 0).str(), "+/+/");
    EXPECT_EQ(EncodeBase64(nullptr, 5, 0).str(), "");
}

}  // namespace
