// The export's frame: version by date of issue, what it writes on success,
// on failed checks and without a version.
#include <gtest/gtest.h>

#include <string>

#include "boundary/ResultCode.h"
#include "conformance/erezeptSamples.h"
#include "support/CaseName.h"
#include "tevofhir/tevo.h"

namespace {

struct DateCase {
    const char* name;
    const char* date;
    const char* profile;  // expected in the document; null: no version
};

const DateCase kDates[] = {
    {"DayBeforeFirstVersion", "20230630", nullptr},
    {"FirstDayOf110", "20230701", "KBV_PR_ERP_Bundle|1.1.0"},
    {"LastDayOf110", "20250930", "KBV_PR_ERP_Bundle|1.1.0"},
    {"FirstDayOf132", "20251001", "KBV_PR_ERP_Bundle|1.3"},
    {"WithHyphens", "2023-07-01", nullptr},
    {"Empty", "", nullptr},
};

class ERezeptVersionByDate : public testing::TestWithParam<DateCase> {};

TEST_P(ERezeptVersionByDate, SelectsProfileOrWritesNothing) {
    ERezeptRecord record = erezeptsamples::pznPrescription(GetParam().date);
    ExportResult result;
    HostString messages("kept");
    const std::int32_t code = TevoCreateERezeptBundle(&record, &result, &messages);
    if (GetParam().profile == nullptr) {
        EXPECT_EQ(code, tevo::result::kNoProfileVersion);
        EXPECT_TRUE(result.document.IsEmpty());
    } else {
        ASSERT_EQ(code, tevo::result::kOk) << messages.str();
        EXPECT_NE(result.document.str().find(GetParam().profile), std::string::npos);
    }
    EXPECT_EQ(messages.str(), "kept");
}

INSTANTIATE_TEST_SUITE_P(Dates, ERezeptVersionByDate, testing::ValuesIn(kDates), tevo::test::CaseName());

TEST(ERezeptExport, FailedChecksLeaveTheResultAlone) {
    ERezeptRecord record = erezeptsamples::pznPrescription(erezeptsamples::kDate132);
    record.dokumenteninformationen.prescriptionid = "";
    record.empfaenger.kostentraegertyp = "gkv";
    ExportResult result;
    result.document = "untouched";
    HostString messages;
    EXPECT_EQ(TevoCreateERezeptBundle(&record, &result, &messages), tevo::result::kChecksFailed);
    EXPECT_EQ(result.document.str(), "untouched");
    const std::string text = messages.str();
    EXPECT_EQ(text.find("Die Dokumenten-ID ist ung\xFCltig."), 0u);
    EXPECT_NE(text.find("\nDer Kostentr\xE4gertyp ist nicht vorhanden."), std::string::npos);
    EXPECT_NE(text.back(), '\n');
}

TEST(ERezeptExport, NullArgumentsDoNotCrash) {
    EXPECT_EQ(TevoCreateERezeptBundle(nullptr, nullptr, nullptr), tevo::result::kNoProfileVersion);
    ERezeptRecord record = erezeptsamples::pznPrescription(erezeptsamples::kDate110);
    EXPECT_EQ(TevoCreateERezeptBundle(&record, nullptr, nullptr), tevo::result::kOk);
    record.verordnung.anzahlpackungen = "";
    EXPECT_EQ(TevoCreateERezeptBundle(&record, nullptr, nullptr), tevo::result::kChecksFailed);
}

TEST(ERezeptExport, EveryConformanceSamplePassesItsChecks) {
    for (erezeptsamples::NamedPrescription& sample : erezeptsamples::allPrescriptions()) {
        ExportResult result;
        HostString messages;
        EXPECT_EQ(TevoCreateERezeptBundle(&sample.record, &result, &messages), 0)
            << sample.name << ": " << messages.str();
    }
}

TEST(ERezeptExport, PracticeFilesItsTelematikIdBeforeTheLocationNumber) {
    for (const char* date : {erezeptsamples::kDate110, erezeptsamples::kDate132}) {
        ERezeptRecord record = erezeptsamples::asvPrescription(date);
        ExportResult result;
        ASSERT_EQ(TevoCreateERezeptBundle(&record, &result, nullptr), 0) << date;
        const std::string text = result.document.str();
        const std::size_t practice = text.find("<Organization ");
        const std::size_t telematikId = text.find("<value value=\"5-2-KH-ASV-01\"/>", practice);
        const std::size_t locationNumber = text.find("<value value=\"771234500\"/>", practice);
        ASSERT_NE(locationNumber, std::string::npos) << date;
        EXPECT_LT(telematikId, locationNumber) << date;
    }
}

}  // namespace
