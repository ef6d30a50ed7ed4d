// The eAU building exports: version by date, what they write on each outcome.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>

#include "conformance/eauSamples.h"
#include "support/CaseName.h"
#include "unit/eau/bundle_support.h"

namespace {

struct DateCase {
    const char* name;
    const char* date;
    int code;
    const char* bundleProfile;  // empty: nothing written
};

const DateCase kDateCases[] = {
    {"before_first_generation", "20230630", -2, ""},
    {"empty_date", "", -2, ""},
    {"first_day_110", "20230701", 0, "KBV_PR_EAU_Bundle|1.1.0"},
    {"last_day_110", "20250930", 0, "KBV_PR_EAU_Bundle|1.1.0"},
    {"first_day_120", "20251001", 0, "KBV_PR_EAU_Bundle|1.2\""},
};

class EauExportByDate : public eautest::PinnedIdentity, public testing::WithParamInterface<DateCase> {
protected:
    ExportResult result;
    HostString messages = "untouched";
};

TEST_P(EauExportByDate, CertificateChoosesItsGeneration) {
    EauRecord record = eausamples::gkvCertificate(GetParam().date);
    record.angaben.auseit = "20230701";
    record.angaben.festgestelltam = "20230701";
    record.angaben.voraussichtlichaubis = "20230728";
    result.document = "untouched";
    EXPECT_EQ(TevoCreateEAUBundle(&record, &result, &messages, true), GetParam().code);
    EXPECT_EQ(messages.str(), "untouched");
    if (*GetParam().bundleProfile == '\0') {
        EXPECT_EQ(result.document.str(), "untouched");
    } else {
        EXPECT_NE(result.document.str().find(GetParam().bundleProfile), std::string::npos);
    }
}

TEST_P(EauExportByDate, CancellationChoosesItsGeneration) {
    EauStornoRecord record = eausamples::cancellation(GetParam().date);
    result.document = "untouched";
    EXPECT_EQ(TevoCreateEAUStornoBundle(&record, &result), GetParam().code);
    if (*GetParam().bundleProfile == '\0') {
        EXPECT_EQ(result.document.str(), "untouched");
    } else {
        const std::string profile = std::string("KBV_PR_EAU_Storno_Bundle") +
                                    std::string(GetParam().bundleProfile).substr(sizeof "KBV_PR_EAU_Bundle" - 1);
        EXPECT_NE(result.document.str().find(profile), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Dates, EauExportByDate, testing::ValuesIn(kDateCases),
                         [](const testing::TestParamInfo<DateCase>& param) { return param.param.name; });

class EauExportOutcome : public eautest::PinnedIdentity {};

TEST_F(EauExportOutcome, FailedChecksReturnTheMessagesOnly) {
    EauRecord record = eausamples::gkvCertificate(eausamples::kDate120);
    record.angaben.diagnosen.clear();
    record.institution.name = "";
    ExportResult result;
    result.document = "untouched";
    HostString messages;
    EXPECT_EQ(TevoCreateEAUBundle(&record, &result, &messages, true), -1);
    EXPECT_EQ(result.document.str(), "untouched");
    const std::string text = messages.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    EXPECT_NE(text.back(), '\n');
}

// Missing values leave their elements out: a written document holds no
// element without value and children, and no "urn:uuid:" without an id.
struct MissingValuesCase {
    const char* name;
    std::string (*write)();
};

std::string emptyCancellation(const char* date) {
    EauStornoRecord record;
    record.stornodatum = date;
    ExportResult result;
    return TevoCreateEAUStornoBundle(&record, &result) == 0 ? result.document.str() : "FAILED";
}

std::string certificateWithoutIds(const char* date) {
    EauRecord record = eausamples::gkvCertificate(date);
    record.dokumenteninformationen.dokumentenid = "";
    return eautest::certificateText(record);
}

const MissingValuesCase kMissingValuesCases[] = {
    {"empty_cancellation_110", [] { return emptyCancellation(eausamples::kDate110); }},
    {"empty_cancellation_120", [] { return emptyCancellation(eausamples::kDate120); }},
    {"cancellation_without_ids_120",
     [] {
         EauStornoRecord record = eausamples::cancellation(eausamples::kDate120);
         record.dokumentenid = "";
         record.dokumentenidsubmission = "";
         ExportResult result;
         return TevoCreateEAUStornoBundle(&record, &result) == 0 ? result.document.str() : "FAILED";
     }},
    {"certificate_without_document_id_110", [] { return certificateWithoutIds(eausamples::kDate110); }},
    {"certificate_without_document_id_120", [] { return certificateWithoutIds(eausamples::kDate120); }},
};

class EauMissingValues : public eautest::PinnedIdentity, public testing::WithParamInterface<MissingValuesCase> {};

TEST_P(EauMissingValues, LeaveNoEmptyElements) {
    const std::string text = GetParam().write();
    ASSERT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Bundle", 0), 0u) << text;
    const std::regex emptyElement("<[A-Za-z]+/>");
    std::smatch found;
    EXPECT_FALSE(std::regex_search(text, found, emptyElement)) << found.str(0) << " in\n" << text;
    EXPECT_EQ(text.find("value=\"urn:uuid:\""), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Documents, EauMissingValues, testing::ValuesIn(kMissingValuesCases),
                         tevo::test::CaseName());

TEST_F(EauExportOutcome, MissingRecordOrOutputsDoNotCrash) {
    ExportResult result;
    result.document = "untouched";
    HostString messages = "untouched";
    EXPECT_EQ(TevoCreateEAUBundle(nullptr, &result, &messages, false), -2);
    EXPECT_EQ(TevoCreateEAUStornoBundle(nullptr, &result), -2);
    EXPECT_EQ(result.document.str(), "untouched");
    EXPECT_EQ(messages.str(), "untouched");

    EauRecord record = eausamples::gkvCertificate(eausamples::kDate120);
    EXPECT_EQ(TevoCreateEAUBundle(&record, nullptr, nullptr, false), 0);
    record.angaben.diagnosen.clear();
    EXPECT_EQ(TevoCreateEAUBundle(&record, nullptr, nullptr, false), -1);
    EXPECT_EQ(TevoReadEAUOperationOutcome(nullptr, nullptr, nullptr), 13);
}

}  // namespace
