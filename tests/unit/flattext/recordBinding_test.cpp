// A binding made once for a record type fills each record it is applied to,
// and only that one.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include "flattext/EauKeys.h"
#include "flattext/FieldBinding.h"

namespace {

using tevo::flattext::FieldBinding;
using tevo::flattext::RecordBinding;

struct Inner {
    HostString name;
};

struct Sample {
    HostString text;
    std::string plain;
    bool flag = false;
    std::int32_t number = 0;
    double decimal = 0.0;
    Inner inner;
};

void bindSample(FieldBinding& binding, Sample& sample) {
    binding.bindText("text", sample.text);
    binding.bindText("plain", sample.plain);
    binding.bindFlag("flag", sample.flag);
    binding.bindInteger("number", sample.number);
    binding.bindDecimal("decimal", sample.decimal);
    binding.bindText("inner.name", sample.inner.name);
}

HostString entries(const std::vector<std::pair<std::string, std::string>>& pairs) {
    std::string text;
    for (const auto& [key, value] : pairs) {
        text += key + '\x02' + value + '\x01';
    }
    return HostString(text);
}

TEST(RecordBinding, FillsEveryKindOfFieldOfTheRecordItIsAppliedTo) {
    static const RecordBinding<Sample> binding(bindSample);
    Sample first;
    Sample second;
    binding.applyAll(entries({{"text", "a"}, {"plain", "b"}, {"flag", "1"}, {"number", "42x"}, {"decimal", "2.5"},
                              {"inner.name", "c"}}),
                     first);
    binding.applyAll(entries({{"inner.name", "d"}}), second);
    EXPECT_EQ(first.text.str(), "a");
    EXPECT_EQ(first.plain, "b");
    EXPECT_TRUE(first.flag);
    EXPECT_EQ(first.number, 42);
    EXPECT_DOUBLE_EQ(first.decimal, 2.5);
    EXPECT_EQ(first.inner.name.str(), "c");
    EXPECT_EQ(second.inner.name.str(), "d");
    EXPECT_TRUE(second.text.IsEmpty());
    EXPECT_FALSE(second.flag);
}

TEST(RecordBinding, RefusesReadersItCannotMove) {
    const auto bindWithReader = [](FieldBinding& binding, Sample&) {
        binding.bindReader("text", [](const HostString&) {});
    };
    EXPECT_THROW(RecordBinding<Sample>{bindWithReader}, std::logic_error);
}

// The certificate's keys are bound once for all calls: nothing of one text
// may reach the record of the next.
TEST(RecordBinding, EachCertificateStartsFromAnEmptyRecord) {
    const EauRecord first = tevo::flattext::readEauRecord(
        entries({{"person.nachname", "Meier"}, {"angaben.1icd10code.code", "J06.9"}, {"angaben.auseit", "20250101"}}));
    const EauRecord second = tevo::flattext::readEauRecord(entries({{"person.vorname", "Eva"}}));
    EXPECT_EQ(first.person.nachname.str(), "Meier");
    ASSERT_EQ(first.angaben.diagnosen.size(), 1u);
    EXPECT_TRUE(second.person.nachname.IsEmpty());
    EXPECT_TRUE(second.angaben.diagnosen.empty());
    EXPECT_TRUE(second.angaben.auseit.IsEmpty());
    EXPECT_EQ(second.person.vorname.str(), "Eva");
}

TEST(RecordBinding, ThreadsReadTheirOwnCertificates) {
    const auto readMany = [](const char* name, bool* same) {
        for (int i = 0; i < 200; ++i) {
            const EauRecord record = tevo::flattext::readEauRecord(entries({{"versicherter.nachname", name}}));
            *same = *same && record.versicherter.nachname.str() == name;
        }
    };
    bool firstSame = true;
    bool secondSame = true;
    std::thread first(readMany, "Erste", &firstSame);
    std::thread second(readMany, "Zweite", &secondSame);
    first.join();
    second.join();
    EXPECT_TRUE(firstSame);
    EXPECT_TRUE(secondSame);
}

}  // namespace
