// Every flat-text building export against hostile flat text: huge values,
// huge numbers of entries, keys without values, separators only and every
// byte value in keys and values. Each ends in a defined result, in bounded
// time; what must not change the record gives exactly the document of a text
// without it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/CaseName.h"
#include "support/ExampleFile.h"
#include "support/PinnedIdentity.h"
#include "tevofhir/lumo.h"

namespace {

using Create = std::int32_t (*)(const char*, int, char*, int, char*, int, char*);

struct Export {
    const char* name;
    Create create;
    const char* example;  // readable example it builds with 0
    const char* nameKey;  // the given name of the patient: no check limits it, it is cut
};

const Export kExports[] = {
    {"eau", &LumoCreateEAUBundle, "eau_gkv_1_2_0.txt", "versicherter.vorname"},
    {"eau_storno", &LumoCreateEAUStornoBundle, "eau_cancel.txt", "person.vorname"},
    {"zaeb", &LumoCreateMIOZAEBBundle, "zaeb_both.txt", "pat.firstname"},
    {"erezept", &LumoCreateERezeptBundle, "erezept_freetext_1_3_2.txt", "versicherter.vorname"},
};

struct Built {
    std::int32_t code;
    std::string output, message, error;
    double seconds;
};

bool operator==(const Built& a, const Built& b) {
    return a.code == b.code && a.output == b.output && a.message == b.message && a.error == b.error;
}

void PrintTo(const Built& built, std::ostream* out) {
    *out << built.code << ", " << built.output.size() << " bytes of output, message \""
         << built.message.substr(0, 300) << "\"";
}

Built build(const Export& target, const std::string& text) {
    std::vector<char> output(8 << 20), message(1 << 20), error(64 << 10);
    pinned::pin();
    const auto start = std::chrono::steady_clock::now();
    const std::int32_t code =
        target.create(text.c_str(), static_cast<int>(output.size()), output.data(), static_cast<int>(message.size()),
                      message.data(), static_cast<int>(error.size()), error.data());
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    pinned::release();
    return {code, output.data(), message.data(), error.data(), seconds};
}

std::string entry(const std::string& key, const std::string& value) {
    return key + '\x02' + value + '\x01';
}

std::string manyEntries(std::size_t count, const std::string& key, bool numbered) {
    std::string text;
    text.reserve(count * (key.size() + 12));
    for (std::size_t i = 0; i < count; ++i) {
        text += entry(numbered ? key + std::to_string(i) : key, "x");
    }
    return text;
}

// Every entry of `text` rewritten by `rewrite(key, value)`.
template <class Rewrite>
std::string rewritten(const std::string& text, Rewrite rewrite) {
    std::string result;
    std::size_t start = 0;
    for (std::size_t end = text.find('\x01'); end != std::string::npos; end = text.find('\x01', start)) {
        const std::string one = text.substr(start, end - start);
        const std::size_t separator = one.find('\x02');
        result += rewrite(one.substr(0, separator), one.substr(separator + 1));
        start = end + 1;
    }
    return result;
}

// No entry at all: the record stays empty.
const std::string kEmptyRecord = "\x01";

struct SameAsCase {
    const char* name;
    std::string (*make)(const std::string& example, const Export& target);
    std::string (*reference)(const std::string& example);
};

std::string theExample(const std::string& example) {
    return example;
}

std::string anEmptyRecord(const std::string&) {
    return kEmptyRecord;
}

// Inputs that must build exactly what their reference builds.
const SameAsCase kSameAsCases[] = {
    {"megabyte_value_of_an_unknown_key",
     [](const std::string& example, const Export&) { return example + entry("unbekannt", std::string(1 << 20, 'w')); },
     &theExample},
    {"hundred_thousand_unknown_entries",
     [](const std::string& example, const Export&) { return example + manyEntries(100'000, "unbekannt.", true); },
     &theExample},
    {"hundred_thousand_entries_before_the_record",
     [](const std::string& example, const Export&) { return manyEntries(100'000, "unbekannt.", true) + example; },
     &theExample},
    {"unknown_keys_with_every_byte",
     [](const std::string& example, const Export& target) {
         std::string text = example;
         for (int byte = 0x03; byte <= 0xFF; ++byte) {
             text += entry(target.nameKey + std::string(1, static_cast<char>(byte)) + "x", "wert");
         }
         return text;
     },
     &theExample},
    {"zero_byte_ends_the_text",
     [](const std::string& example, const Export& target) {
         return example + std::string(1, '\0') + entry(target.nameKey, std::string(1 << 20, 'n'));
     },
     &theExample},
    {"keys_without_values",
     [](const std::string& example, const Export&) {
         return rewritten(example, [](const std::string& key, const std::string&) { return key + '\x01'; });
     },
     &anEmptyRecord},
    {"keys_with_two_value_separators",
     [](const std::string& example, const Export&) {
         return rewritten(example,
                          [](const std::string& key, const std::string& value) { return entry(key, value + '\x02'); });
     },
     &anEmptyRecord},
    {"separators_only",
     [](const std::string&, const Export&) {
         std::string text;
         for (int i = 0; i < 100'000; ++i) {
             text += (i % 3 == 0) ? '\x02' : '\x01';
         }
         return text;
     },
     &anEmptyRecord},
};

class HostileFlatText : public testing::TestWithParam<SameAsCase> {};

TEST_P(HostileFlatText, BuildsWhatTheReferenceBuilds) {
    for (const Export& target : kExports) {
        const std::string example = tevo::test::exampleFlatText(target.example);
        ASSERT_FALSE(example.empty()) << target.example;
        const Built built = build(target, GetParam().make(example, target));
        EXPECT_EQ(built, build(target, GetParam().reference(example))) << target.name;
        // Generous: only a walk that grows with entries times text would pass it.
        EXPECT_LT(built.seconds, 20.0) << target.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, HostileFlatText, testing::ValuesIn(kSameAsCases), tevo::test::CaseName());

// A name of a megabyte, in one value or joined from 100,000 entries of its
// key, is cut to the 45 characters a given name keeps.
TEST(HostileFlatText, HugeNamesAreCut) {
    for (const Export& target : kExports) {
        const std::string withoutName =
            rewritten(tevo::test::exampleFlatText(target.example), [&](const std::string& key, const std::string& value) {
                return key == target.nameKey ? std::string() : entry(key, value);
            });
        for (const std::string& name : {entry(target.nameKey, std::string(1 << 20, 'x')),
                                        manyEntries(100'000, target.nameKey, false)}) {
            const Built built = build(target, withoutName + name);
            EXPECT_EQ(built.code, 0) << target.name << ": " << built.message;
            EXPECT_NE(built.output.find("value=\"" + std::string(45, 'x') + '"'), std::string::npos) << target.name;
            EXPECT_LT(built.seconds, 20.0) << target.name;
        }
    }
}

// 25,000 ingredients (entries of the list value): every one is built, so
// the document of some 11 MB does not fit the 8 MiB output; the time stays
// linear (a walk that grows with entries times text would take minutes).
TEST(HostileFlatText, TwentyFiveThousandIngredientsAreBuiltInLinearTime) {
    const Export prescription{"erezept", &LumoCreateERezeptBundle, "erezept_pzn_1_3_2.txt", "versicherter.vorname"};
    std::string ingredients;
    for (int i = 0; i < 25'000; ++i) {
        ingredients += (i ? "\x03" : "") + std::to_string(i) + "\x04Wirkstoff\x04" "10\x04mg\x04" "1\x04St";
    }
    const Built built = build(prescription, tevo::test::exampleFlatText(prescription.example) +
                                                entry("verordnung.fertigarzneimittel.wirkstoffe", ingredients));
    EXPECT_EQ(built.code, 9998) << built.message;
    EXPECT_LT(built.seconds, 60.0);
}

// The document of the output holds no byte XML 1.0 cannot carry: the C0
// controls but tab, line feed and carriage return.
bool holdsOnlyXmlCharacters(const std::string& output) {
    const std::string start = "bundle\x02";
    if (output.compare(0, start.size(), start) != 0) {
        return false;
    }
    for (const char c : output.substr(start.size(), output.find('\x01') - start.size())) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') {
            return false;
        }
    }
    return true;
}

// Every byte value but the separators (and the zero byte, which ends the
// text) in a name, sixteen at a time: the document is built and stays
// well-formed XML.
TEST(HostileFlatText, EveryByteInAValueGivesWellFormedXml) {
    for (const Export& target : kExports) {
        const std::string example = tevo::test::exampleFlatText(target.example);
        for (int first = 0x03; first <= 0xFF; first += 16) {
            std::string name;
            for (int byte = first; byte < first + 16 && byte <= 0xFF; ++byte) {
                name += static_cast<char>(byte);
            }
            const std::string text = rewritten(example, [&](const std::string& key, const std::string& value) {
                return entry(key, key == target.nameKey ? "N" + name + "N" : value);
            });
            const Built built = build(target, text);
            EXPECT_EQ(built.code, 0) << target.name << " bytes from " << first << ": " << built.message;
            EXPECT_TRUE(holdsOnlyXmlCharacters(built.output))
                << target.name << " bytes from " << first;
        }
    }
}

}  // namespace
