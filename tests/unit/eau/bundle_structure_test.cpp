// The resources of the certificate and their conditions, read back from the
// element tree that the builders produce.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "conformance/eauSamples.h"
#include "fhir/r4/core/v4_0_1/Bundle.h"
#include "unit/eau/bundle_support.h"
#include "usecases/eau/EauProfiles.h"
#include "usecases/eau/convert.h"
#include "usecases/eau/eauBuilders.h"

namespace {

using eautest::PinnedIdentity;
using fhir::Element;
namespace eau = fhir::eau;

// Profile name of a resource (its meta profile without base and version).
std::string profileName(const Element& resource) {
    const std::string canonical = resource.getValueByPath({"Resource.meta", "Meta.profile"}, true);
    const std::size_t slash = canonical.rfind('/');
    return canonical.substr(slash + 1, canonical.find('|') - slash - 1);
}

std::vector<const Element*> resources(const Element& bundle) {
    std::vector<const Element*> found;
    for (const Element* entry : bundle.getChildren("Bundle.entry")) {
        found.push_back(entry->getChild("Bundle.entry.resource"));
    }
    return found;
}

// The bundle of a sample in both generations, as one text per resource:
// profile names joined by blanks.
template <class P>
std::string profileSequence(const EauRecord& record) {
    const std::unique_ptr<Element> bundle(eau::buildEauBundle<P>(fhir::convertEauRecord(record, true)));
    std::string sequence;
    for (const Element* resource : resources(*bundle)) {
        sequence += (sequence.empty() ? "" : " ") + profileName(*resource);
    }
    return sequence;
}

struct SequenceCase {
    const char* name;
    EauRecord (*make)(const char*);
    const char* profiles;
};

const SequenceCase kSequences[] = {
    {"gkv", eausamples::gkvCertificate,
     "KBV_PR_EAU_Composition KBV_PR_FOR_Practitioner KBV_PR_FOR_Organization KBV_PR_FOR_Patient "
     "KBV_PR_FOR_Coverage KBV_PR_EAU_Condition_AU KBV_PR_EAU_Condition_ICD KBV_PR_EAU_Condition_ICD"},
    {"asv_team", eausamples::asvCertificate,
     "KBV_PR_EAU_Composition KBV_PR_FOR_Practitioner KBV_PR_FOR_PractitionerRole KBV_PR_FOR_Organization "
     "KBV_PR_FOR_Patient KBV_PR_FOR_Coverage KBV_PR_EAU_Condition_AU KBV_PR_EAU_Condition_ICD "
     "KBV_PR_EAU_Condition_ICD KBV_PR_EAU_Condition_ICD"},
    {"responsible_for_type_03", eausamples::inTraining,
     "KBV_PR_EAU_Composition KBV_PR_FOR_Practitioner KBV_PR_FOR_Practitioner KBV_PR_FOR_Organization "
     "KBV_PR_FOR_Patient KBV_PR_FOR_Coverage KBV_PR_EAU_Condition_AU KBV_PR_EAU_Condition_ICD "
     "KBV_PR_EAU_Condition_ICD"},
    {"responsible_ignored_otherwise", eausamples::responsibleIgnored,
     "KBV_PR_EAU_Composition KBV_PR_FOR_Practitioner KBV_PR_FOR_Organization KBV_PR_FOR_Patient "
     "KBV_PR_FOR_Coverage KBV_PR_EAU_Condition_AU KBV_PR_EAU_Condition_ICD KBV_PR_EAU_Condition_ICD"},
    {"text_diagnoses_measures", eausamples::pkvFollowUp,
     "KBV_PR_EAU_Composition KBV_PR_FOR_Practitioner KBV_PR_FOR_Organization KBV_PR_FOR_Patient "
     "KBV_PR_FOR_Coverage KBV_PR_EAU_Condition_AU KBV_PR_EAU_Condition_Text KBV_PR_EAU_Condition_ICD "
     "KBV_PR_EAU_Condition_ICD KBV_PR_EAU_Condition_ICD KBV_PR_EAU_Condition_ICD KBV_PR_EAU_Condition_ICD "
     "KBV_PR_EAU_Condition_ICD KBV_PR_EAU_ServiceRequest_steps KBV_PR_EAU_ServiceRequest_steps "
     "KBV_PR_EAU_ServiceRequest_steps"},
};

class EauResourceSequence : public PinnedIdentity, public testing::WithParamInterface<SequenceCase> {};

TEST_P(EauResourceSequence, FollowsTheOrderOfBuildingIn110) {
    EXPECT_EQ(profileSequence<eau::Eau110>(GetParam().make(eausamples::kDate110)), GetParam().profiles);
}

TEST_P(EauResourceSequence, FollowsTheOrderOfBuildingIn120) {
    EXPECT_EQ(profileSequence<eau::Eau120>(GetParam().make(eausamples::kDate120)), GetParam().profiles);
}

INSTANTIATE_TEST_SUITE_P(Samples, EauResourceSequence, testing::ValuesIn(kSequences),
                         [](const testing::TestParamInfo<SequenceCase>& param) { return param.param.name; });

// Values of one path in every resource of a profile, in entry order.
std::vector<std::string> valuesOf(const Element& bundle, const std::string& profile,
                                  const std::vector<std::string>& path) {
    std::vector<std::string> values;
    for (const Element* resource : resources(bundle)) {
        if (profileName(*resource) == profile) {
            values.push_back(resource->getValueByPath(path, true));
        }
    }
    return values;
}

class EauBundleContent : public PinnedIdentity {};

TEST_F(EauBundleContent, DiagnosesAndMeasuresKeepTheirOrder) {
    const EauRecord record = eausamples::pkvFollowUp(eausamples::kDate120);
    const std::unique_ptr<Element> bundle(eau::buildEauBundle<eau::Eau120>(fhir::convertEauRecord(record, true)));
    EXPECT_EQ(valuesOf(*bundle, "KBV_PR_EAU_Condition_ICD",
                       {"Condition.code", "CodeableConcept.coding", "Coding.code"}),
              (std::vector<std::string>{"M54.5", "S32.0", "S22.32", "R52.9", "M79.1", "G44.2"}));
    EXPECT_EQ(valuesOf(*bundle, "KBV_PR_EAU_ServiceRequest_steps",
                       {"ServiceRequest.code", "CodeableConcept.coding", "Coding.code"}),
              (std::vector<std::string>{"reha", "wiedereingliederung", "sonstige"}));
}

TEST_F(EauBundleContent, UnknownBirthYearLeavesOnlyTheAbsentReason) {
    const std::string text = eautest::certificateText(eausamples::pkvFollowUp(eausamples::kDate110));
    EXPECT_EQ(text.find("<birthDate value="), std::string::npos);
    EXPECT_NE(text.find("<birthDate>\n"
                        "\t\t\t\t\t<extension url=\"http://hl7.org/fhir/StructureDefinition/data-absent-reason\">\n"
                        "\t\t\t\t\t\t<valueCode value=\"unknown\"/>"),
              std::string::npos);
}

TEST_F(EauBundleContent, ResponsiblePersonAttestsOnlyWhenBuilt) {
    EXPECT_NE(eautest::certificateText(eausamples::inTraining(eausamples::kDate120)).find("<attester>"),
              std::string::npos);
    EXPECT_EQ(eautest::certificateText(eausamples::responsibleIgnored(eausamples::kDate120)).find("<attester>"),
              std::string::npos);
}

// Every meta of a document names its profile: with the full version in
// 1.1.0, with major.minor in 1.2.0.
TEST_F(EauBundleContent, ProfileReferencesFollowTheGeneration) {
    const std::pair<const char*, const char*> kCases[] = {{eausamples::kDate110, "|1.1.0\"/>"},
                                                          {eausamples::kDate120, "|1.2\"/>"}};
    for (const auto& [date, ending] : kCases) {
        const std::string text = eautest::certificateText(eausamples::pkvFollowUp(date));
        std::size_t profiles = 0;
        for (std::size_t at = text.find("<profile value="); at != std::string::npos;
             at = text.find("<profile value=", at + 1)) {
            ++profiles;
            EXPECT_EQ(text.compare(text.find('|', at), std::string(ending).size(), ending), 0) << date;
        }
        EXPECT_EQ(profiles, 17u) << date;
    }
}

// A clock that moves on with every reading: the creation time is read once.
std::int64_t movingClock() {
    return ++eautest::pinnedNow();
}

TEST_F(EauBundleContent, CreationTimeIsTakenOnce) {
    tevo::setClockSource(&movingClock);
    const EauRecord record = eausamples::gkvCertificate(eausamples::kDate120);
    const std::unique_ptr<Element> bundle(eau::buildEauBundle<eau::Eau120>(fhir::convertEauRecord(record, true)));
    const std::string timestamp = bundle->getValueByPath({"Bundle.timestamp"}, true);
    EXPECT_FALSE(timestamp.empty());
    EXPECT_EQ(bundle->getValueByPath({"Resource.meta", "Meta.lastUpdated"}, true), timestamp);
}

}  // namespace

namespace {

struct StatusCase {
    const char* name;
    const char* certainty;
    bool noStatusForUnknownCertainty;
    const char* clinical;
    const char* verification;
};

const StatusCase kStatusCases[] = {
    {"refuted", "A", true, "", "refuted"},
    {"confirmed", "G", true, "active", "confirmed"},
    {"provisional", "V", true, "active", "provisional"},
    {"resolved", "Z", false, "resolved", "confirmed"},
    {"unknown_taken_as_confirmed", "x", false, "active", "confirmed"},
    {"unknown_without_status", "", true, "", ""},
};

class EauBundleDiagnosisStatus : public PinnedIdentity, public testing::WithParamInterface<StatusCase> {};

TEST_P(EauBundleDiagnosisStatus, FollowsTheCertainty) {
    EauRecord record = eausamples::gkvCertificate(eausamples::kDate110);
    record.angaben.diagnosen = {eausamples::diagnosis("J06.9", GetParam().certainty)};
    const std::unique_ptr<Element> bundle(
        eau::buildEauBundle<eau::Eau110>(fhir::convertEauRecord(record, GetParam().noStatusForUnknownCertainty)));
    const auto status = [&](const char* field) {
        return valuesOf(*bundle, "KBV_PR_EAU_Condition_ICD", {field, "CodeableConcept.coding", "Coding.code"});
    };
    EXPECT_EQ(status("Condition.clinicalStatus"), std::vector<std::string>{GetParam().clinical});
    EXPECT_EQ(status("Condition.verificationStatus"), std::vector<std::string>{GetParam().verification});
}

INSTANTIATE_TEST_SUITE_P(Certainties, EauBundleDiagnosisStatus, testing::ValuesIn(kStatusCases),
                         [](const testing::TestParamInfo<StatusCase>& param) { return param.param.name; });

}  // namespace
