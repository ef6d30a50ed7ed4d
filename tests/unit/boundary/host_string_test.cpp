#include "boundary/HostString.h"

#include <gtest/gtest.h>

namespace {

TEST(HostString, TrimRemovesWhiteSpaceAtBothEndsOnly) {
    HostString text(" \t\r\n a b \v\f");
    text.Trim();
    EXPECT_EQ(text.str(), "a b");
    HostString nbsp("\xA0x\xA0");
    nbsp.Trim();
    EXPECT_EQ(nbsp.str(), "\xA0x\xA0");
}

TEST(HostString, ComparesBytesUnsigned) {
    EXPECT_LT(HostString("z").Compare("\xE4"), 0);
    EXPECT_LT(HostString("2023").Compare("20230701"), 0);
    EXPECT_EQ(HostString("").Compare(static_cast<const char*>(nullptr)), 0);
    EXPECT_GT(HostString("b").Compare(HostString("a")), 0);
}

TEST(HostString, SubstringsClampToTheText) {
    const HostString text("abcdef");
    EXPECT_EQ(text.Left(3).str(), "abc");
    EXPECT_EQ(text.Left(99).str(), "abcdef");
    EXPECT_EQ(text.Left(-1).str(), "");
    EXPECT_EQ(text.Mid(2, 2).str(), "cd");
    EXPECT_EQ(text.Mid(4).str(), "ef");
    EXPECT_EQ(text.Mid(9).str(), "");
    EXPECT_EQ(text.FindOneOf("fd"), 3);
    EXPECT_EQ(text.FindOneOf("xyz"), -1);
}

TEST(HostString, LowerCasesAsciiLettersOnly) {
    HostString text("GKV \xC4Z");
    text.MakeLower();
    EXPECT_EQ(text.str(), "gkv \xC4z");
}

TEST(HostStringMap, OrdersKeysByBytes) {
    HostStringMap map;
    map[HostString("\xE4")] = HostString("umlaut");
    map[HostString("b")] = HostString("b");
    map[HostString("B")] = HostString("B");
    std::string order;
    for (const auto& entry : map) {
        order += entry.second.str() + ",";
    }
    EXPECT_EQ(order, "B,b,umlaut,");
}

}  // namespace
