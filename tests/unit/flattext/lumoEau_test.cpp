// The certificate's flat-text exports end to end, through the real builders
// and reader, with ids and clock pinned so that document sizes are fixed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "boundary/ResultCode.h"
#include "boundary/clock.h"
#include "fhir/Identity.h"
#include "support/LumoBuffers.h"
#include "tevofhir/lumo.h"

namespace {

using Buffers = tevo::test::LumoBuffers;
using tevo::test::allZero;
using tevo::test::flat;

std::string pinnedUuid() { return "00000000-0000-4000-8000-000000000001"; }
std::int64_t pinnedClock() { return 1760520605; }  // 2025-10-15, selects 1.2.0 for the answer reader

class LumoEau : public testing::Test {
protected:
    void SetUp() override {
        fhir::setUuidSource(&pinnedUuid);
        tevo::setClockSource(&pinnedClock);
    }
    void TearDown() override {
        fhir::setUuidSource(nullptr);
        tevo::setClockSource(nullptr);
    }
};

// A valid 1.2.0 certificate, values in code page 1252.
std::vector<std::pair<std::string, std::string>> certificate() {
    return {
        {"dokumenteninformationen.pruefnummer", "Y/400/2107/36/999"},
        {"dokumenteninformationen.dokumentenid", "0b8f7d24-1c6e-4a93-b5d0-7e2c9f81a346"},
        {"empfaenger.kostentraegertyp", "GKV"},
        {"empfaenger.ikkrankenkasse", "109519005"},
        {"empfaenger.namekostentraeger", "AOK Nordost"},
        {"empfaenger.wop", "72"},
        {"empfaenger.versichertenart", "1"},
        {"empfaenger.besonderepersonengruppe", "00"},
        {"empfaenger.dmpkennzeichen", "00"},
        {"empfaenger.kennzeichenrechtsgrundlage", "00"},
        {"versicherter.identifiertype", "gkv"},
        {"versicherter.versichertennummer", "M310119800"},
        {"Versicherter.VORNAME", "  Erika "},
        {"versicherter.nachname", "K\xF6nigsstein"},
        {"versicherter.geburtsdatum", "19640812"},
        {"versicherter.strassenadresse.postleitzahl", "10117"},
        {"versicherter.strassenadresse.ortsname", "Berlin"},
        {"versicherter.strassenadresse.strassenname", "Friedrichstra\xDF" "e"},
        {"versicherter.strassenadresse.hausnummer", "7"},
        {"person.typ", "00"},
        {"person.nummer", "838382202"},
        {"person.vorname", "Hans"},
        {"person.nachname", "M\xFCller"},
        {"person.berufsbezeichnung", "Facharzt f\xFCr Allgemeinmedizin"},
        {"institution.custodiantype", "bsnr"},
        {"institution.betriebsstaettennummer", "721111100"},
        {"institution.name", "Hausarztpraxis Dr. M\xFCller"},
        {"institution.adresse.postleitzahl", "10115"},
        {"institution.adresse.ortsname", "Berlin"},
        {"institution.adresse.strassenname", "Invalidenstra\xDF" "e"},
        {"institution.adresse.hausnummer", "12a"},
        {"institution.telefonnummer", "030 1234567"},
        {"angaben.ausstellungsdatum", "20251015"},
        {"angaben.erstbescheinigung", "1"},
        {"angaben.auseit", "20251014"},
        {"angaben.voraussichtlichaubis", "20251017"},
        {"angaben.festgestelltam", "20251015"},
        {"angaben.3icd10code.code", "J06.9"},
        {"angaben.3icd10code.version", "2025"},
        {"angaben.3icd10code.diagnosesicherheit", "G"},
    };
}

std::int32_t create(const std::string& input, Buffers& b) {
    return LumoCreateEAUBundle(input.c_str(), b.outputSize(), b.output.data(), b.messageSize(), b.message.data(),
                               b.errorSize(), b.error.data());
}

TEST_F(LumoEau, BuildsTheBundleEntry) {
    Buffers b(64 * 1024);
    ASSERT_EQ(create(flat(certificate()), b), 0) << b.message.data();
    const std::string output(b.output.data());
    EXPECT_EQ(output.rfind("bundle\x02<?xml", 0), 0u);
    EXPECT_EQ(output.back(), '\x01');
    EXPECT_NE(output.find("KBV_PR_EAU_Bundle|1.2"), std::string::npos);
    EXPECT_NE(output.find("<given value=\"Erika\"/>"), std::string::npos);
    EXPECT_NE(output.find("K\xC3\xB6nigsstein"), std::string::npos);  // UTF-8 in the document
    EXPECT_TRUE(allZero(b.message));
    EXPECT_EQ(b.error[0], '#');  // no error flag on building: error buffer untouched
}

TEST_F(LumoEau, DocumentFitsExactlyOrGives9998) {
    Buffers probe(64 * 1024);
    ASSERT_EQ(create(flat(certificate()), probe), 0);
    const std::size_t length = std::string(probe.output.data()).size();

    Buffers exact(length + 1);
    EXPECT_EQ(create(flat(certificate()), exact), 0);
    EXPECT_EQ(std::string(exact.output.data(), length), std::string(probe.output.data()));
    EXPECT_EQ(exact.output[length], '\0');

    Buffers oneShort(length);
    EXPECT_EQ(create(flat(certificate()), oneShort), tevo::result::kDocumentTooLarge);
    EXPECT_TRUE(allZero(oneShort.output));
    EXPECT_TRUE(allZero(oneShort.message));
}

TEST_F(LumoEau, FailedChecksFillOnlyTheMessages) {
    auto entries = certificate();
    entries.erase(entries.begin() + 12);  // the insured's given name
    Buffers b(1024);
    EXPECT_EQ(create(flat(entries), b), tevo::result::kChecksFailed);
    EXPECT_STREQ(b.message.data(), "Der Vorname des Versicherten ist nicht vorhanden. Bitte pr\xFC" "fen Sie die "
                                   "Eingaben zum Versicherungsverh\xE4ltnis.");
    EXPECT_TRUE(allZero(b.output));
}

TEST_F(LumoEau, EmptyInputTouchesNoBuffer) {
    Buffers b(16, 16, 16);
    EXPECT_EQ(create("", b), tevo::result::kNoInput);
    EXPECT_EQ(LumoCreateEAUStornoBundle(nullptr, b.outputSize(), b.output.data(), b.messageSize(), b.message.data(),
                                        b.errorSize(), b.error.data()),
              tevo::result::kNoInput);
    for (const auto* buffer : {&b.output, &b.message, &b.error}) {
        EXPECT_TRUE(tevo::test::untouched(*buffer));
    }
}

TEST_F(LumoEau, CancellationBuildsTheBundleEntry) {
    const std::string input = flat({{"dokumentenid", "9c4e2b17-3d5a-4f60-8b91-a2c7e0d4f583"},
                                    {"dokumentenidsubmission", "0b8f7d24-1c6e-4a93-b5d0-7e2c9f81a346"},
                                    {"stornodatum", "20240102"},
                                    {"person.nachname", "M\xFCller"}});
    Buffers b(16 * 1024);
    EXPECT_EQ(LumoCreateEAUStornoBundle(input.c_str(), b.outputSize(), b.output.data(), b.messageSize(),
                                        b.message.data(), b.errorSize(), b.error.data()),
              0);
    const std::string output(b.output.data());
    EXPECT_EQ(output.rfind("bundle\x02<?xml", 0), 0u);
    EXPECT_NE(output.find("KBV_PR_EAU_Storno_Bundle|1.1.0"), std::string::npos);
    EXPECT_TRUE(allZero(b.message));
}

const char kAnswer[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    "<OperationOutcome xmlns=\"http://hl7.org/fhir\"><issue>"
    "<extension url=\"https://fhir.kbv.de/StructureDefinition/KBV_EX_EAU_health_insurance_Practitioner_Identifier\">"
    "<extension url=\"Bundle-Identifier\"><valueIdentifier><system value=\"urn:ietf:rfc:3986\"/>"
    "<value value=\"urn:uuid:0b8f7d24-1c6e-4a93-b5d0-7e2c9f81a346\"/></valueIdentifier></extension></extension>"
    "<severity value=\"error\"/><code value=\"processing\"/>"
    "<details><coding><code value=\"E-202\"/><display value=\"Pr\xC3\xBC" "fung fehlgeschlagen\"/></coding></details>"
    "</issue></OperationOutcome>";

TEST_F(LumoEau, AnswerValuesAndErrorInAnsi) {
    Buffers b(512, 64, 128);
    EXPECT_EQ(LumoReadEAUOperationOutcome(b.outputSize(), b.output.data(), kAnswer, b.messageSize(), b.message.data(),
                                          b.errorSize(), b.error.data()),
              0);
    EXPECT_STREQ(b.output.data(),
                 "operationoutcome.dokumentenid\x02" "0b8f7d24-1c6e-4a93-b5d0-7e2c9f81a346\x01"
                 "operationoutcome.fehlercode\x02" "E-202\x01"
                 "operationoutcome.fehlertext\x02Pr\xFC" "fung fehlgeschlagen\x01");
    EXPECT_STREQ(b.error.data(), "errorcode\x02" "E-202\x01" "errortext\x02Pr\xFC" "fung fehlgeschlagen\x01");
    EXPECT_TRUE(allZero(b.message));
}

TEST_F(LumoEau, AnswerErrorTextTooLargeGives9997) {
    Buffers b(512, 64, 20);
    EXPECT_EQ(LumoReadEAUOperationOutcome(b.outputSize(), b.output.data(), kAnswer, b.messageSize(), b.message.data(),
                                          b.errorSize(), b.error.data()),
              tevo::result::kErrorTooLarge);
    EXPECT_TRUE(allZero(b.error));
    EXPECT_NE(std::string(b.output.data()).find("E-202"), std::string::npos);
}

TEST_F(LumoEau, EmptyAnswerReportsItsMessage) {
    Buffers b(64, 64, 64);
    EXPECT_EQ(LumoReadEAUOperationOutcome(b.outputSize(), b.output.data(), "", b.messageSize(), b.message.data(),
                                          b.errorSize(), b.error.data()),
              tevo::result::kDocumentIncomplete);
    EXPECT_STREQ(b.message.data(), "Input document is empty.");
    EXPECT_TRUE(allZero(b.output));
    EXPECT_EQ(b.error[0], '#');
}

}  // namespace
