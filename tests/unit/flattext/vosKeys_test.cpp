// The flat-text keys of the VoS record: fields, numbered list entries, flags
// and the document files the tool reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "flattext/FlatText.h"
#include "flattext/VosKeys.h"

namespace {

using tevo::flattext::appendEntry;
using tevo::flattext::readVosRecord;

HostString flat(const std::vector<std::pair<const char*, const char*>>& entries) {
    std::string text;
    for (const auto& [key, value] : entries) {
        appendEntry(text, key, HostString(value));
    }
    return HostString(text);
}

VosRecord read(const std::vector<std::pair<const char*, const char*>>& entries) {
    std::vector<std::string> files;
    return readVosRecord(flat(entries), files);
}

TEST(VosKeys, FillTheFieldsOfEveryBlock) {
    const VosRecord record = read({{"versicherung.skt", "S"},
                                   {"patient.strassenadresse.ort", "K\xF6ln"},
                                   {"hauptversicherter.vorname", "H"},
                                   {"patient.zuzahlungsstatus", "1"},
                                   {"messwerte.kreatinin", "1.1"},
                                   {"praxis.email", "e"},
                                   {"arzt.qualifikationtext", "q"},
                                   {"rolle.asvteamnummer", "t"},
                                   {"anwender.personalnummer", "17"},
                                   {"software.name", "n"},
                                   {"Rechtsgrundlage", "04"},
                                   {"schwanger", "1"}});
    EXPECT_EQ(record.patient.versicherung.skt.str(), "S");
    EXPECT_EQ(record.patient.person.strassenadresse.ort.str(), "K\xF6ln");
    EXPECT_EQ(record.patient.hauptversicherter.vorname.str(), "H");
    EXPECT_EQ(record.patient.zuzahlungsstatus.str(), "1");
    EXPECT_EQ(record.messwerte.kreatinin.str(), "1.1");
    EXPECT_EQ(record.praxis.email.str(), "e");
    EXPECT_EQ(record.arzt.qualifikationText.str(), "q");
    EXPECT_EQ(record.rolle.asvTeamnummer.str(), "t");
    EXPECT_EQ(record.anwender.personalnummer.str(), "17");
    EXPECT_EQ(record.software.name.str(), "n");
    EXPECT_EQ(record.rechtsgrundlage.str(), "04");
    EXPECT_TRUE(record.schwanger);
    EXPECT_FALSE(record.stillend);
}

TEST(VosKeys, ListsAreAsLongAsTheirHighestNumber) {
    const VosRecord record = read({{"allergie.3.substanz", "C"},
                                   {"allergie.1.substanz", "A"},
                                   {"diagnose.2.dauerdiagnose", "1"},
                                   {"medikament.1.pzn.pzn", "03879412"},
                                   {"medikament.1.freitext.rezeptfrei", "1"},
                                   {"medikament.1.verordnung.btmkennzeichen", "A"},
                                   {"dokument.2.typ", "EMP"}});
    ASSERT_EQ(record.allergien.size(), 3u);
    EXPECT_EQ(record.allergien[0].substanz.str(), "A");
    EXPECT_TRUE(record.allergien[1].substanz.IsEmpty());
    EXPECT_EQ(record.allergien[2].substanz.str(), "C");
    ASSERT_EQ(record.diagnosen.size(), 2u);
    EXPECT_FALSE(record.diagnosen[0].dauerdiagnose);
    EXPECT_TRUE(record.diagnosen[1].dauerdiagnose);
    ASSERT_EQ(record.medikamente.size(), 1u);
    EXPECT_EQ(record.medikamente[0].pzn.pzn.str(), "03879412");
    EXPECT_TRUE(record.medikamente[0].freitext.rezeptfrei);
    EXPECT_EQ(record.medikamente[0].verordnung.btmKennzeichen.str(), "A");
    ASSERT_EQ(record.dokumente.size(), 2u);
    EXPECT_EQ(record.dokumente[1].typ.str(), "EMP");
}

TEST(VosKeys, IgnoreNumbersOutsideTheListRange) {
    const VosRecord record = read({{"allergie.0.substanz", "zero"},
                                   {"allergie.01.substanz", "leading zero"},
                                   {"allergie.1000.substanz", "too high"},
                                   {"allergie.99999999999999999999.substanz", "overflow"},
                                   {"allergie.x.substanz", "no number"},
                                   {"allergie..substanz", "empty"},
                                   {"allergie.2", "no field"}});
    EXPECT_EQ(record.allergien.size(), 2u);
    for (const VosAllergy& allergy : record.allergien) {
        EXPECT_TRUE(allergy.substanz.IsEmpty());
    }
}

TEST(VosKeys, NameTheDocumentFiles) {
    std::vector<std::string> files;
    const VosRecord record = readVosRecord(
        flat({{"dokument.2.datei", "plan.xml"}, {"dokument.1.typ", "EMP"}, {"dokument.3.datei.x", "no"}}), files);
    ASSERT_EQ(record.dokumente.size(), 3u);
    EXPECT_EQ(files, (std::vector<std::string>{"", "plan.xml", ""}));
}

TEST(VosKeys, ListEveryKeyOnce) {
    const std::string keys = tevo::flattext::vosKeyList();
    std::istringstream lines(keys);
    std::vector<std::string> seen;
    for (std::string line; std::getline(lines, line);) {
        const std::string key = line.substr(2, line.find(' ', 2) - 2);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), key), 0) << key;
        seen.push_back(key);
    }
    // 13 + 2 * 20 + 11 + 3 + 2 flags + 5 + 4 + (1 + 13 + 10 + 5 + 18) + 7 + 10 + 12 + 2 + 3 + 2 + 2
    EXPECT_EQ(seen.size(), 163u);
    EXPECT_NE(keys.find("  medikament.N.verordnung.austauscherlaubt\n"), std::string::npos);
    EXPECT_NE(keys.find("  diagnose.N.dauerdiagnose (1 or 0)\n"), std::string::npos);
}

}  // namespace
