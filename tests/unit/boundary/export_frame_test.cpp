#include <gtest/gtest.h>

#include "boundary/BuildingCall.h"
#include "boundary/FieldConversion.h"
#include "boundary/ProfileVersion.h"
#include "boundary/Wrapper.h"

#include "support/CaseName.h"

namespace {

struct VersionCase {
    const char* date;
    tevo::ProfileVersion expected;
};

class ProfileVersionByDate : public testing::TestWithParam<VersionCase> {};

TEST_P(ProfileVersionByDate, SelectsByThreshold) {
    EXPECT_EQ(tevo::selectProfileVersion(HostString(GetParam().date)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ProfileVersionByDate,
                         testing::Values(VersionCase{"20230630", tevo::ProfileVersion::None},
                                         VersionCase{"20230701", tevo::ProfileVersion::V1_1},
                                         VersionCase{"20250930", tevo::ProfileVersion::V1_1},
                                         VersionCase{"20251001", tevo::ProfileVersion::V1_2},
                                         VersionCase{"", tevo::ProfileVersion::None},
                                         VersionCase{"2024", tevo::ProfileVersion::V1_1}));

struct TextCase {
    const char* name;
    const char* field;
    int maximum;
    const char* expected;
};

class ToFhirText : public testing::TestWithParam<TextCase> {};

TEST_P(ToFhirText, TrimsCutsThenConverts) {
    EXPECT_EQ(tevo::toFhirText(HostString(GetParam().field), GetParam().maximum), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ToFhirText,
    testing::Values(TextCase{"Blanks", "  Anna \t", 45, "Anna"},
                    TextCase{"CutAfterTrim", "  abcdefgh  ", 5, "abcde"},
                    TextCase{"CutCountsAnsiCharacters", "\xE4\xF6\xFC\xDF", 3, "äöü"},
                    TextCase{"ZeroKeepsAll", "0123456789012345678901234567890123456789012345678901234567890", 0,
                             "0123456789012345678901234567890123456789012345678901234567890"},
                    TextCase{"Empty", "   ", 10, ""}),
    tevo::test::CaseName());

TEST(ToFhirText, FiftyCharacterNameLosesItsLastFive) {
    const std::string fifty(50, 'x');
    EXPECT_EQ(tevo::toFhirText(HostString(fifty), 45), std::string(45, 'x'));
}

TEST(ToFhirText, Utf8FormTakesBytesUnchanged) {
    EXPECT_EQ(tevo::toFhirText(std::string(" \xE4 "), 0), "ä");
}

TEST(CheckLength, CountsAnsiCharacters) {
    EXPECT_TRUE(tevo::checkLength("äöü", 3, 3));
    EXPECT_FALSE(tevo::checkLength("äöüß", 0, 3));
    EXPECT_TRUE(tevo::checkLength(std::string(1000, 'a'), 8, -1));
    EXPECT_FALSE(tevo::checkLength("2023", 8, 10));
    EXPECT_TRUE(tevo::checkLength("2023-05-04", 8, 10));
}

class MessageCollector : public fhir::Wrapper {};

TEST(Wrapper, JoinsMessagesWithoutFinalLineFeed) {
    MessageCollector wrapper;
    EXPECT_EQ(wrapper.getMessageText().str(), "");
    wrapper.addMessage(HostString("Erste Meldung."));
    wrapper.addMessage(HostString("Zweite Meldung.  "));
    EXPECT_EQ(wrapper.getMessageText().str(), "Erste Meldung.\nZweite Meldung.");
    EXPECT_TRUE(wrapper.run());
}

// A use case whose checks fail when the data says so.
struct FakeData {
    bool valid = true;
};

class FakeUseCase : public fhir::Wrapper {
public:
    void setData(const FakeData& data) { data_ = data; }
    bool run() override {
        if (!data_.valid) {
            addMessage(HostString("Falsch."));
            addMessage(HostString("Auch falsch."));
        }
        return messages().IsEmpty();
    }
    std::string getDocumentText() const { return "<Bundle/>"; }

private:
    FakeData data_;
};

TEST(BuildingCall, ReturnsDocumentAndLeavesMessages) {
    ExportResult result;
    HostString messages("vorher");
    EXPECT_EQ(tevo::runBuildingCall<FakeUseCase>(FakeData{}, &result, &messages), 0);
    EXPECT_EQ(result.document.str(), "<Bundle/>");
    EXPECT_EQ(messages.str(), "vorher");
}

TEST(BuildingCall, ReturnsMessagesAndLeavesResult) {
    ExportResult result;
    result.document = "alt";
    HostString messages;
    EXPECT_EQ(tevo::runBuildingCall<FakeUseCase>(FakeData{false}, &result, &messages), -1);
    EXPECT_EQ(messages.str(), "Falsch.\nAuch falsch.");
    EXPECT_EQ(result.document.str(), "alt");
    EXPECT_EQ(tevo::runBuildingCall<FakeUseCase>(FakeData{false}, &result, nullptr), -1);
}

}  // namespace
