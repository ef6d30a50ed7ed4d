// Damaged and hostile certificates and error answers must end in a defined
// result code with one message, never in a crash. The mutations are drawn
// from a fixed seed, so a failure repeats.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include "support/CaseName.h"
#include "support/XmlMutation.h"
#include "tevofhir/tevo.h"

namespace {

std::string fixture(const std::string& name) {
    std::ifstream in(std::string(TEVO_SOURCE_DIR) + "/tests/fixtures/eeb/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::int32_t readCertificate(const std::string& text, HostString& messages) {
    HostString input(text);
    EebBescheinigungRecord record;
    return TevoReadEEBBescheinigungBundle(&input, &record, &messages);
}

std::int32_t readAnswer(const std::string& text, HostString& messages) {
    HostString input(text);
    EebAnswerRecord answer;
    return TevoReadEEBOperationOutcome(&input, &answer, &messages);
}

struct ReaderCase {
    const char* name;
    const char* fixture;
    std::int32_t (*read)(const std::string&, HostString&);
};

const ReaderCase kReaders[] = {
    {"Certificate", "certificate_full.xml", readCertificate},
    {"CertificateWithCard", "certificate_egk.xml", readCertificate},
    {"Answer", "answer_message.xml", readAnswer},
};

class DamagedEebDocuments : public testing::TestWithParam<ReaderCase> {};

TEST_P(DamagedEebDocuments, EndInADefinedResultCode) {
    const std::set<std::int32_t> allowed = {0, 13, 1465, 1359, 574};
    const std::string original = fixture(GetParam().fixture);
    ASSERT_FALSE(original.empty());
    std::mt19937 random(20261206);
    for (int round = 0; round < 1500; ++round) {
        const std::string text = tevo::test::mutateXml(original, random);
        HostString messages;
        const std::int32_t code = GetParam().read(text, messages);
        ASSERT_TRUE(allowed.count(code)) << "code " << code << " for:\n" << text;
        ASSERT_EQ(code == 0, messages.IsEmpty()) << "code " << code << " for:\n" << text;
    }
}

TEST_P(DamagedEebDocuments, OversizedValuesAreReadWhole) {
    const std::string huge(1 << 18, 'x');
    std::string text = fixture(GetParam().fixture);
    for (const char* element : {"<given value=\"", "<display value=\""}) {
        const std::size_t at = text.find(element);
        if (at != std::string::npos) {
            text.insert(at + std::string(element).size(), huge);
        }
    }
    HostString messages;
    EXPECT_EQ(GetParam().read(text, messages), 0) << messages.str();
}

INSTANTIATE_TEST_SUITE_P(Readers, DamagedEebDocuments, testing::ValuesIn(kReaders), tevo::test::CaseName());

TEST(HostileEebDocuments, WrongTypesInPlaceOfValuesGiveEmptySlots) {
    // Complex elements where primitives belong, and a resource the reader
    // does not know under a known profile.
    std::string text = fixture("certificate_noegk.xml");
    text.replace(text.find("<birthDate value=\"1970-04-11\"/>"), 30, "<birthDate><coding/></birthDate>");
    text.replace(text.find("<valueString value=\"Meier\"/>"), 28, "<valueCoding><code value=\"x\"/></valueCoding>");
    HostString input(text);
    EebBescheinigungRecord record;
    HostString messages;
    EXPECT_EQ(TevoReadEEBBescheinigungBundle(&input, &record, &messages), 0);
    EXPECT_EQ(record.geburtsdatum.str(), "");
    EXPECT_EQ(record.hauptteilnachname.str(), "");
    EXPECT_EQ(record.nachname.str(), "Meier");
}

}  // namespace
