// Reading the insurer's certificate bundle: every slot of the host record
// from its source, the kinds of insurance number, the co-payment flag, and
// the reader's result codes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "support/CaseName.h"
#include "tevofhir/tevo.h"

namespace {

std::string fixture(const std::string& name) {
    std::ifstream in(std::string(TEVO_SOURCE_DIR) + "/tests/fixtures/eeb/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Reading {
    std::int32_t code = 0;
    EebBescheinigungRecord record;
    HostString messages;
};

Reading readCertificate(const std::string& text, EebBescheinigungRecord record = {}) {
    Reading reading;
    reading.record = record;
    HostString input(text);
    reading.code = TevoReadEEBBescheinigungBundle(&input, &reading.record, &reading.messages);
    return reading;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// A synthetic certificate with every slot filled (both kinds of number, all
// name and address parts, eGK data and co-payment details).
TEST(EebCertificate, FullCertificateFillsEverySlotInCodePage1252) {
    EebBescheinigungRecord reserved;
    reserved.reserve1 = "r1";
    reserved.reserve2 = "r2";
    reserved.reserve3 = "r3";
    reserved.reserve4 = "r4";
    const Reading reading = readCertificate(fixture("certificate_full.xml"), reserved);
    ASSERT_EQ(reading.code, 0) << reading.messages.str();
    const EebBescheinigungRecord& r = reading.record;
    EXPECT_EQ(r.reserve1.str(), "r1");
    EXPECT_EQ(r.bundleid.str(), "0d1c2b3a-4f5e-4d6c-8b7a-9f8e7d6c5b4a");
    EXPECT_EQ(r.zeitstempel.str(), "2025-10-16T08:15:00+02:00");
    EXPECT_EQ(r.reserve2.str(), "r2");
    EXPECT_EQ(r.reserve3.str(), "r3");
    EXPECT_EQ(r.ursprungtext.str(), "Betriebsst\xE4tte Arzt");
    EXPECT_EQ(r.ursprung.str(), "1.2.276.0.76.4.50");
    EXPECT_EQ(r.endpoint.str(), "https://Test-Krankenkasse.de/KIM");
    EXPECT_EQ(r.reserve4.str(), "r4");
    EXPECT_EQ(r.versionvsdm.str(), "5.2.0");
    EXPECT_EQ(r.persoenlicheversichertendaten.str(), "UGVyc29lbmxpY2g=");
    EXPECT_EQ(r.allgemeineversicherungsdaten.str(), "QWxsZ2VtZWlu");
    EXPECT_EQ(r.geschuetzteversichertendaten.str(), "R2VzY2h1ZXR6dA==");
    EXPECT_EQ(r.versichertenart.str(), "1");
    EXPECT_EQ(r.wop.str(), "38");
    EXPECT_EQ(r.besonderepersonengruppe.str(), "04");
    EXPECT_TRUE(r.zuzahlungsstatus);
    EXPECT_EQ(r.zuzahlungsstatusgueltigbis.str(), "2025-12-31");
    EXPECT_EQ(r.versicherungsart.str(), "GKV");
    EXPECT_EQ(r.versicherungsbeginn.str(), "2025-01-01");
    EXPECT_EQ(r.versicherungsende.str(), "2025-12-31");
    EXPECT_EQ(r.iknummer.str(), "104212505");
    EXPECT_EQ(r.kostentraegername.str(), "AOK Rheinland/Hamburg");
    EXPECT_EQ(r.abrechnendeik.str(), "109500969");
    EXPECT_EQ(r.versichertenid.str(), "X110411675");
    EXPECT_EQ(r.versichertenidtyp.str(), "kvz10");
    EXPECT_EQ(r.vorname.str(), "K\xE4the");
    EXPECT_EQ(r.nachname.str(), "Freifrau von M\xFCller-L\xFC" "denscheidt");
    EXPECT_EQ(r.hauptteilnachname.str(), "M\xFCller-L\xFC" "denscheidt");
    EXPECT_EQ(r.titel.str(), "Dr.");
    EXPECT_EQ(r.namenszusatz.str(), "Freifrau");
    EXPECT_EQ(r.vorsatzwort.str(), "von");
    EXPECT_EQ(r.geburtsdatum.str(), "1958-02-28");
    EXPECT_EQ(r.wohnsitzlaenderkuerzel.str(), "D");
    EXPECT_EQ(r.postleitzahl.str(), "40212");
    EXPECT_EQ(r.ortsname.str(), "D\xFCsseldorf");
    EXPECT_EQ(r.strassenname.str(), "K\xF6nigsallee");
    EXPECT_EQ(r.hausnummer.str(), "12b");
    EXPECT_EQ(r.anschriftenzusatz.str(), "Hinterhaus 3. OG");
    EXPECT_TRUE(reading.messages.IsEmpty());
}

TEST(EebCertificate, PackageExampleWithElectronicHealthCard) {
    const Reading reading = readCertificate(fixture("certificate_egk.xml"));
    ASSERT_EQ(reading.code, 0);
    const EebBescheinigungRecord& r = reading.record;
    EXPECT_EQ(r.ursprungtext.str(), "\xC4rztin/Arzt");
    EXPECT_EQ(r.versichertenid.str(), "T024791905");
    EXPECT_EQ(r.versichertenidtyp.str(), "kvz10");
    EXPECT_EQ(r.nachname.str(), "K\xF6nigstein");
    EXPECT_EQ(r.strassenname.str(), "Blumenweg");
    EXPECT_EQ(r.hausnummer.str(), "14");
    EXPECT_EQ(r.versionvsdm.str(), "5.2.0");
    EXPECT_EQ(r.persoenlicheversichertendaten.Left(12).str(), "H4sIAN/UU2QA");
    EXPECT_EQ(r.wop.str(), "");  // an eGK coverage carries the codes only inside its data
    EXPECT_FALSE(r.zuzahlungsstatus);
    EXPECT_EQ(r.kostentraegername.str(), "Test GKV Krankenkasse");
    EXPECT_EQ(r.abrechnendeik.str(), "");
}

TEST(EebCertificate, PackageExampleWithoutHealthCard) {
    const Reading reading = readCertificate(fixture("certificate_noegk.xml"));
    ASSERT_EQ(reading.code, 0);
    const EebBescheinigungRecord& r = reading.record;
    EXPECT_EQ(r.wop.str(), "38");
    EXPECT_EQ(r.besonderepersonengruppe.str(), "06");
    EXPECT_TRUE(r.zuzahlungsstatus);
    EXPECT_EQ(r.zuzahlungsstatusgueltigbis.str(), "2020-12-31");
    EXPECT_EQ(r.abrechnendeik.str(), "756756324");
    EXPECT_EQ(r.versichertenid.str(), "");
    EXPECT_EQ(r.versionvsdm.str(), "");
}

TEST(EebCertificate, HealthCardNumberAloneGivesKindKvk) {
    const Reading reading = readCertificate(fixture("certificate_kvk.xml"));
    ASSERT_EQ(reading.code, 0);
    EXPECT_EQ(reading.record.versichertenid.str(), "3143112513");
    EXPECT_EQ(reading.record.versichertenidtyp.str(), "kvk");
    EXPECT_FALSE(reading.record.zuzahlungsstatus);
    EXPECT_EQ(reading.record.ortsname.str(), "M\xFCnchen");
    EXPECT_EQ(reading.record.strassenname.str(), "");
}

TEST(EebCertificate, KindOfNumberIsKeptWhenTheCertificateNamesNone) {
    EebBescheinigungRecord before;
    before.versichertenidtyp = "host";
    before.versichertenid = "old";
    const Reading reading = readCertificate(fixture("certificate_noegk.xml"), before);
    EXPECT_EQ(reading.record.versichertenidtyp.str(), "host");
    EXPECT_EQ(reading.record.versichertenid.str(), "");
}

struct CoPaymentCase {
    const char* name;
    const char* status;  // replaces the status extension of the package example
    bool flag;
};

const CoPaymentCase kCoPayments[] = {
    {"True", "<valueBoolean value=\"true\"/>", true},
    {"False", "<valueBoolean value=\"false\"/>", false},
    {"CapitalTrue", "<valueBoolean value=\"TRUE\"/>", false},
    {"OtherValueType", "<valueString value=\"true\"/>", true},
    {"NoValue", "", false},
};

class EebCertificateCoPayment : public testing::TestWithParam<CoPaymentCase> {};

TEST_P(EebCertificateCoPayment, FlagOnlyForTrue) {
    const std::string text =
        replaced(fixture("certificate_noegk.xml"), "<valueBoolean value=\"true\"/>", GetParam().status);
    const Reading reading = readCertificate(text);
    ASSERT_EQ(reading.code, 0);
    EXPECT_EQ(reading.record.zuzahlungsstatus, GetParam().flag);
}

INSTANTIATE_TEST_SUITE_P(Status, EebCertificateCoPayment, testing::ValuesIn(kCoPayments), tevo::test::CaseName());

TEST(EebCertificate, MissingExtensionsLeaveTheirSlotsEmpty) {
    std::string text = fixture("certificate_noegk.xml");
    text = replaced(text, "http://fhir.de/StructureDefinition/gkv/wop", "http://example.org/other");
    text = replaced(text, "http://hl7.org/fhir/StructureDefinition/iso21090-ADXP-houseNumber", "http://example.org/x");
    text = replaced(text, "http://fhir.de/StructureDefinition/gkv/zuzahlungsstatus", "http://example.org/y");
    const Reading reading = readCertificate(text);
    ASSERT_EQ(reading.code, 0);
    EXPECT_EQ(reading.record.wop.str(), "");
    EXPECT_EQ(reading.record.hausnummer.str(), "");
    EXPECT_EQ(reading.record.strassenname.str(), "Teststrasse");
    EXPECT_FALSE(reading.record.zuzahlungsstatus);
    EXPECT_EQ(reading.record.zuzahlungsstatusgueltigbis.str(), "");
}

TEST(EebCertificate, ProfileVersionIsIgnoredWhenClassifying) {
    const std::string text = replaced(fixture("certificate_noegk.xml"), "EEBCoverageNoEgk\"", "EEBCoverageNoEgk|1.1.0\"");
    EXPECT_EQ(readCertificate(text).code, 0);
}

struct FailureCase {
    const char* name;
    std::string text;
    std::int32_t code;
    const char* message;
};

std::string withoutEntry(const std::string& profile) {
    std::string text = fixture("certificate_noegk.xml");
    const std::size_t at = text.find(profile);
    const std::size_t begin = text.rfind("<entry>", at);
    const std::size_t end = text.find("</entry>", at) + 8;
    return text.erase(begin, end - begin);
}

const FailureCase kFailures[] = {
    {"EmptyInput", "", 13, "Input document is empty."},
    {"OnlyDeclaration", "<?xml version=\"1.0\"?>\n<!-- nothing -->", 13, "XML document is empty."},
    {"OtherRoot", "<OperationOutcome xmlns=\"http://hl7.org/fhir\"/>", 13, "No FHIR Bundle detected."},
    {"NoCoverage", withoutEntry("EEBCoverageNoEgk"), 13,
     "FHIR EEB BescheinigungBundle is incomplete. Missing: Coverage"},
    {"NoHeaderNorPatient", replaced(replaced(fixture("certificate_noegk.xml"), "EEBBescheinigungHeader", "Other"),
                                    "KBV_PR_FOR_Patient|", "Other|"),
     13, "FHIR EEB BescheinigungBundle is incomplete. Missing: Header, Patient"},
    {"EmptyBundle", "<Bundle xmlns=\"http://hl7.org/fhir\"/>", 13,
     "FHIR EEB BescheinigungBundle is incomplete. Missing: Header, Patient, Coverage"},
    {"Truncated", fixture("certificate_noegk.xml").substr(0, fixture("certificate_noegk.xml").find("<entry>")), 1465,
     "unexpected end of data"},
    {"NoMarkup", "certificate", 1465, "expected <"},
};

class EebCertificateFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(EebCertificateFailure, GivesCodeAndMessage) {
    const Reading reading = readCertificate(GetParam().text);
    EXPECT_EQ(reading.code, GetParam().code);
    EXPECT_EQ(reading.messages.str(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Documents, EebCertificateFailure, testing::ValuesIn(kFailures), tevo::test::CaseName());

TEST(EebCertificate, IncompleteBundleStillFillsWhatWasRead) {
    const Reading reading = readCertificate(withoutEntry("EEBCoverageNoEgk"));
    EXPECT_EQ(reading.record.nachname.str(), "Meier");
    EXPECT_EQ(reading.record.endpoint.str(), "https://Test-Krankenkasse.de/KIM");
}

TEST(EebCertificate, NullArgumentsAreSkipped) {
    EXPECT_EQ(TevoReadEEBBescheinigungBundle(nullptr, nullptr, nullptr), 13);
    HostString text(fixture("certificate_kvk.xml"));
    EXPECT_EQ(TevoReadEEBBescheinigungBundle(&text, nullptr, nullptr), 0);
}

}  // namespace
