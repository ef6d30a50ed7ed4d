#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flattext/FlatText.h"
#include "flattext/splitText.h"
#include "support/CaseName.h"

namespace {

struct SplitCase {
    const char* name;
    std::string text;
    const char* separators;
    std::vector<std::string> parts;
};

class SplitText : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitText, YieldsParts) {
    HostStringArray parts;
    parts.Add("kept");  // splitText appends
    tevo::splitText(HostString(GetParam().text), GetParam().separators, parts);
    std::vector<std::string> got;
    for (const HostString& part : parts) {
        got.push_back(part.str());
    }
    std::vector<std::string> want{"kept"};
    want.insert(want.end(), GetParam().parts.begin(), GetParam().parts.end());
    EXPECT_EQ(got, want);
}

const SplitCase kSplitCases[] = {
    {"EmptyGivesNothing", "", "\x01", {}},
    {"NoSeparator", "abc", "\x01", {"abc"}},
    {"TrailingSeparatorGivesEmptyLastPart", "a\x01", "\x01", {"a", ""}},
    {"OnlySeparator", "\x01", "\x01", {"", ""}},
    {"EmptyPartBetween", "a\x01\x01" "b", "\x01", {"a", "", "b"}},
    {"KeyAndValue", "key\x02value", "\x02", {"key", "value"}},
    {"EntriesKeepValueSeparator", "a\x02" "1\x01" "b\x02" "2", "\x01", {"a\x02" "1", "b\x02" "2"}},
    {"AnyOfSeveralSeparators", "a,b;c", ",;", {"a", "b", "c"}},
};

INSTANTIATE_TEST_SUITE_P(FlatText, SplitText, testing::ValuesIn(kSplitCases),
                         tevo::test::CaseName());

TEST(FlatTextEntries, TrimsLowersKeysAndSkipsMalformedEntries) {
    const HostString text(std::string(" Versicherter.VORNAME \x02  Erika \x01"
                                      "no separator\x01"
                                      "a\x02" "b\x02" "c\x01"
                                      "   \x01"
                                      "\x02" "empty key\x01"
                                      "last\x02value"));
    const std::vector<tevo::flattext::Entry> entries = tevo::flattext::readEntries(text);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].key.str(), "versicherter.vorname");
    EXPECT_EQ(entries[0].value.str(), "Erika");
    EXPECT_EQ(entries[1].key.str(), "");
    EXPECT_EQ(entries[1].value.str(), "empty key");
    EXPECT_EQ(entries[2].key.str(), "last");
    EXPECT_EQ(entries[2].value.str(), "value");
}

}  // namespace
