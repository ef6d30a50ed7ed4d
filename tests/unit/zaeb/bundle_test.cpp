// The bonus-booklet documents: golden files with pinned ids, the parts that
// depend on the entry, and reading every document back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "boundary/quillkit.h"
#include "conformance/zaebSamples.h"
#include "support/CaseName.h"
#include "unit/eau/bundle_support.h"
#include "unit/zaeb/zaeb_support.h"
#include "usecases/miozaeb/ZaebData.h"

namespace {

using eautest::PinnedIdentity;
using zaebtest::documentText;
using zaebtest::fieldLines;

struct GoldenCase {
    const char* name;
    ZaebRecord (*record)();
};

const GoldenCase kGoldenCases[] = {
    {"both", zaebsamples::both},
    {"gapless_only", zaebsamples::gaplessOnly},
    {"checkup_only", zaebsamples::checkUpOnly},
};

std::string goldenPath(const GoldenCase& golden) {
    return std::string(TEVO_GOLDEN_DIR) + "/zaeb_" + golden.name + ".xml";
}

// What reading a built document gives back: the converted values as UTF-8;
// the practice's one identifier as KZV number; no fourth contact field.
ZaebRecord readBack(const ZaebRecord& sent) {
    ZaebRecord expected = fhir::convertZaebRecord(sent);
    ZaebPractice& practice = expected.practice;
    for (std::string* number : {&practice.kzvNumber, &practice.bsnr, &practice.ikNumber}) {
        if (!number->empty()) {
            practice.kzvNumber = *number;
        }
    }
    practice.bsnr.clear();
    practice.ikNumber.clear();
    practice.url.clear();
    return expected;
}

class ZaebGoldenDocument : public PinnedIdentity, public testing::WithParamInterface<GoldenCase> {};

TEST_P(ZaebGoldenDocument, MatchesByteForByte) {
    const std::string written = documentText(GetParam().record());
    const char* rewrite = std::getenv("TEVO_WRITE_GOLDEN");
    if (rewrite && std::string(rewrite) == "1") {
        std::ofstream(goldenPath(GetParam()), std::ios::binary) << written;
    }
    EXPECT_EQ(written, zaebtest::readFile(goldenPath(GetParam())));
}

TEST_P(ZaebGoldenDocument, ReadsBackEveryValue) {
    ZaebRecord record;
    HostString messages;
    ASSERT_EQ(TevoExtractMIOZAEBBundle(&record, zaebtest::readFile(goldenPath(GetParam())), &messages), 0)
        << messages.str();
    EXPECT_EQ(fieldLines(record), fieldLines(readBack(GetParam().record())));
}

INSTANTIATE_TEST_SUITE_P(Samples, ZaebGoldenDocument, testing::ValuesIn(kGoldenCases), tevo::test::CaseName());

TEST(ZaebDocument, NamesThePracticeByTheFirstNumberGiven) {
    ZaebRecord record = zaebsamples::both();
    record.practice.ikNumber = "260326822";
    record.practice.bsnr = "987654321";
    const std::string document = documentText(record);
    EXPECT_NE(document.find("<system value=\"http://fhir.de/StructureDefinition/namingsystem-de-basis\"/>\n"
                            "\t\t\t\t\t<value value=\"260326822\"/>"),
              std::string::npos);
    EXPECT_EQ(document.find("987654321"), std::string::npos);
    EXPECT_EQ(document.find("123456789"), std::string::npos);
}

TEST(ZaebDocument, KeepsTheBlanksOfMissingNamePartsInTheNameText) {
    EXPECT_NE(documentText(zaebsamples::checkUpOnly()).find("<text value=\"  Mia  Schulz\"/>"), std::string::npos);
}

TEST(ZaebDocument, WritesHostBytesOfFieldsTakenAsGivenAsUtf8) {
    ZaebRecord record = zaebsamples::both();
    record.bundleId = " b\xE4-1\x03";
    record.patient.address.countryCode = "D\xFC";
    const std::string document = documentText(record);
    EXPECT_NE(document.find("<id value=\" b\xC3\xA4-1\"/>"), std::string::npos) << document;
    EXPECT_NE(document.find("<country value=\"D\xC3\xBC\"/>"), std::string::npos);
    EXPECT_EQ(document.find('\x03'), std::string::npos);
}

TEST(ZaebDocument, ReadsBackAnAddressOfNothingButItsAddition) {
    ZaebRecord sent = zaebsamples::both();
    ZaebAddress& address = sent.patient.address;
    address.street.clear();
    address.houseNumber.clear();
    address.addition = "Hinterhaus 2";
    ZaebRecord read;
    HostString messages;
    ASSERT_EQ(TevoExtractMIOZAEBBundle(&read, documentText(sent), &messages), 0) << messages.str();
    EXPECT_EQ(read.patient.address.street, "");
    EXPECT_EQ(read.patient.address.houseNumber, "");
    EXPECT_EQ(read.patient.address.addition, "Hinterhaus 2");
}

TEST(ZaebExtraction, ReadsABundleFromElsewhereWhateverItsOrder) {
    ZaebRecord record;
    record.practice.ikNumber = "stale";
    HostString messages("untouched");
    const std::string text = zaebtest::readFile(std::string(TEVO_SOURCE_DIR) + "/examples/zaeb_received.xml");
    ASSERT_EQ(TevoExtractMIOZAEBBundle(&record, text, &messages), 0);
    EXPECT_EQ(messages.str(), "untouched");
    EXPECT_EQ(fieldLines(record),
              "gaplessdocumentation.date=2020-01-01\n"
              "dentalcheckup.effective=2025-09-29\n"
              "dentalcheckup.type=2115003\n"
              "documentid=4f2d8e1a-9c3b-4e7a-8d5f-1a2b3c4d5e6f\n"
              "timestamp=2025-09-30T14:05:00+02:00\n"
              "org.email=info@gruen.example\n"
              "org.id.kzvabr=555666777\n"
              "org.name=Praxis Dr. Gr\xC3\xBCn & Partner\n"
              "org.phone=0251 987654\n"
              "org.url=https://gruen.example\n"
              "org.adr.addition=2. OG\n"
              "org.adr.city=M\xC3\xBCnster\n"
              "org.adr.country=D\n"
              "org.adr.number=10\n"
              "org.adr.street=Prinzipalmarkt\n"
              "org.adr.zip=48143\n"
              "pat.gebdat=2014-03-08\n"
              "pat.firstname=Lea\n"
              "pat.idgkv=K987654321\n"
              "pat.lastname=von Wei\xC3\x9F" "enfels\n"
              "pat.lastnamemain=Wei\xC3\x9F" "enfels\n"
              "pat.vorsatz=von\n"
              "pat.adr.city=M\xC3\xBCnster\n"
              "pat.adr.country=D\n"
              "pat.adr.number=3b\n"
              "pat.adr.street=Am Alten Markt\n"
              "pat.adr.zip=48143\n");
}

// A bundle of the given entries ("<entry>...</entry>" each).
std::string bundleOf(const std::string& entries) {
    return "<Bundle xmlns=\"http://hl7.org/fhir\"><id value=\"b1\"/>" + entries + "</Bundle>";
}

std::string entryOf(const std::string& resource) { return "<entry><resource>" + resource + "</resource></entry>"; }

const std::string kPractice = entryOf("<Organization><name value=\"P\"/></Organization>");
const std::string kPatient = entryOf("<Patient><birthDate value=\"2000\"/></Patient>");
const std::string kCheckUp = entryOf(
    "<Observation><meta><profile value=\"https://fhir.kbv.de/StructureDefinition/"
    "KBV_PR_MIO_ZAEB_Observation_Dental_Check_Up|1.1.0\"/></meta><effectiveDateTime value=\"2025-01-02\"/>"
    "</Observation>");

struct FailureCase {
    const char* name;
    std::string text;
    std::int32_t code;
    const char* messages;
};

const FailureCase kFailures[] = {
    {"EmptyText", "", 13, "Input document is empty."},
    {"OnlyAComment", "<?xml version=\"1.0\"?><!-- nothing -->", 13, "XML document is empty."},
    {"Parameters", "<Parameters xmlns=\"http://hl7.org/fhir\"/>", 13, "No FHIR Bundle detected."},
    {"Truncated", "<Bundle xmlns=\"http://hl7.org/fhir\"><entry>", 1465, "unexpected end of data"},
    {"NoMarkup", "Bundle", 1465, "expected <"},
    {"NoObservation", bundleOf(kPractice + kPatient), 13, "FHIR MIO ZAEB Bundle is incomplete. Missing: Observation"},
    {"OnlyObservation", bundleOf(kCheckUp), 13,
     "FHIR MIO ZAEB Bundle is incomplete. Missing: Organization, Patient"},
    {"ObservationWithoutMetaIsNoPart",
     bundleOf(kPractice + kPatient + entryOf("<Observation><valueDateTime value=\"2020\"/></Observation>")), 13,
     "FHIR MIO ZAEB Bundle is incomplete. Missing: Observation"},
};

class ZaebExtractionFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(ZaebExtractionFailure, GivesItsCodeAndMessage) {
    ZaebRecord record;
    HostString messages;
    EXPECT_EQ(TevoExtractMIOZAEBBundle(&record, GetParam().text, &messages), GetParam().code);
    EXPECT_EQ(messages.str(), GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(Documents, ZaebExtractionFailure, testing::ValuesIn(kFailures), tevo::test::CaseName());

TEST(ZaebExtraction, KeepsWhatAnIncompleteBundleHolds) {
    ZaebRecord record;
    HostString messages;
    EXPECT_EQ(TevoExtractMIOZAEBBundle(&record, bundleOf(kPatient + kCheckUp), &messages), 13);
    EXPECT_EQ(fieldLines(record), "dentalcheckup.effective=2025-01-02\ndocumentid=b1\npat.gebdat=2000\n");
}

TEST(ZaebExtraction, SplitsALineWithoutAddressPartsAtItsLastBlank) {
    const std::pair<const char*, std::pair<const char*, const char*>> kLines[] = {
        {"Lange Stra\xC3\x9F" "e 7", {"Lange Stra\xC3\x9F" "e", "7"}},
        {"Marktplatz", {"Marktplatz", ""}},
    };
    for (const auto& [line, parts] : kLines) {
        const std::string patient =
            entryOf(std::string("<Patient><address><line value=\"") + line + "\"/></address></Patient>");
        ZaebRecord record;
        HostString messages;
        TevoExtractMIOZAEBBundle(&record, bundleOf(kPractice + patient + kCheckUp), &messages);
        EXPECT_EQ(record.patient.address.street, parts.first) << line;
        EXPECT_EQ(record.patient.address.houseNumber, parts.second) << line;
    }
}

TEST(ZaebExtraction, WithoutRecordStillReportsTheResult) {
    HostString messages;
    EXPECT_EQ(TevoExtractMIOZAEBBundle(nullptr, bundleOf(kCheckUp), &messages), 13);
    EXPECT_EQ(TevoExtractMIOZAEBBundle(nullptr, "<", nullptr), 1465);
}

}  // namespace
