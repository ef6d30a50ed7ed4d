// Sweeps over every profile class: namespace counts as in the member table,
// the kind of core class, and what a freshly constructed object holds.
#include "ProfileList.inc"
#include "fhir/r4/core/v4_0_1/Coding.h"
#include "fhir/r4/core/v4_0_1/Extension.h"
#include "fhir/r4/core/v4_0_1/Identifier.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

using profile_list::kProfileClasses;
using profile_list::ProfileClass;
namespace core = fhir::r4::core::v4_0_1;

const std::map<std::string, int> kClassesPerNamespace = {
    {"debasis::v0_9_13", 3},   {"debasis::v1_3_2", 29},      {"debasis::v1_4_0", 3},    {"debasis::v1_5_2", 21},
    {"gematikeeb::v1_1_0", 8}, {"kbvbasis::v1_1_3", 3},      {"kbvbasis::v1_3_0", 17},  {"kbvbasis::v1_6_0", 2},
    {"kbvbasis::v1_7_0", 13},  {"kbverp::v1_1_0", 20},       {"kbverp::v1_3_2", 20},    {"kbvitaeau::v1_1_0", 16},
    {"kbvitaeau::v1_2_0", 16}, {"kbvitafor::v1_1_0", 11},    {"kbvitafor::v1_2_0", 11}, {"kbvitavos::v2_1_0", 28},
    {"kbvmiozaeb::v1_1_0", 7}, {"kvdigitalvmca::v1_1_0", 2},
};

std::string profileBase(const std::string& space) {
    const std::string package = space.substr(0, space.find("::"));
    if (package == "debasis") {
        return "http://fhir.de/StructureDefinition/";
    }
    if (package == "gematikeeb") {
        return "https://gematik.de/fhir/eeb/StructureDefinition/";
    }
    return "https://fhir.kbv.de/StructureDefinition/";
}

std::string caseName(const testing::TestParamInfo<ProfileClass>& info) {
    std::string name = std::string(info.param.space) + "_" + info.param.name;
    for (char& c : name) {
        if (c == ':') {
            c = '_';
        }
    }
    return name;
}

std::size_t childCount(const fhir::Element& element) {
    std::size_t count = 0;
    for (const fhir::ChildEntry entry : element.childStore()) {
        count += entry.size();
    }
    return count;
}

TEST(ProfileList, CountsPerNamespaceMatchTheMemberTable) {
    std::map<std::string, int> counted;
    for (const ProfileClass& profile : kProfileClasses) {
        ++counted[profile.space];
    }
    EXPECT_EQ(counted, kClassesPerNamespace);
    EXPECT_EQ(std::size(kProfileClasses), 230u);
}

TEST(ProfileList, CountsPerCoreDatatype) {
    int extensions = 0;
    int identifiers = 0;
    int codings = 0;
    for (const ProfileClass& profile : kProfileClasses) {
        const auto object = profile.make();
        extensions += dynamic_cast<const core::Extension*>(object.get()) != nullptr;
        identifiers += dynamic_cast<const core::Identifier*>(object.get()) != nullptr;
        codings += dynamic_cast<const core::Coding*>(object.get()) != nullptr;
    }
    EXPECT_EQ(extensions, 85);
    EXPECT_EQ(identifiers, 20);
    EXPECT_EQ(codings, 7);
}

class EveryProfile : public testing::TestWithParam<ProfileClass> {};

TEST_P(EveryProfile, AnswersItsCoreTypeAndHoldsOnlyItsUrl) {
    const ProfileClass& profile = GetParam();
    const auto object = profile.make();
    EXPECT_EQ(object->getFhirType(), profile.coreType);
    const auto* extension = dynamic_cast<const core::Extension*>(object.get());
    if (extension) {
        ASSERT_EQ(childCount(*object), 1u);
        EXPECT_EQ(object->getChild("Extension.url")->getValue(), object->getUrl());
    } else {
        EXPECT_EQ(childCount(*object), 0u);
    }
}

TEST_P(EveryProfile, UrlFollowsThePackageRule) {
    const ProfileClass& profile = GetParam();
    const auto object = profile.make();
    const std::string url = object->getUrl();
    const std::string base = profileBase(profile.space);
    ASSERT_EQ(url.compare(0, base.size(), base), 0) << url;
    if (std::string(profile.space).rfind("debasis", 0) != 0) {
        EXPECT_EQ(url.substr(base.size()), profile.name);
    }
}

// Builders write the static texts and the writer an extension's url text
// where the tree would answer getUrl and getCanonical: they must agree.
TEST_P(EveryProfile, StaticTextsAgreeWithTheVirtualAnswers) {
    const ProfileClass& profile = GetParam();
    const auto object = profile.make();
    EXPECT_EQ(object->getUrl(), profile.url);
    EXPECT_EQ(profile.canonical(*object), profile.staticCanonical);
    if (const auto* extension = dynamic_cast<const core::Extension*>(object.get())) {
        EXPECT_EQ(extension->urlText(), object->getUrl());
    }
}

TEST_P(EveryProfile, CanonicalIsUrlWithThreePartVersion) {
    const auto object = GetParam().make();
    const std::string url = object->getUrl();
    const std::string canonical = GetParam().canonical(*object);
    ASSERT_GT(canonical.size(), url.size());
    EXPECT_EQ(canonical.substr(0, url.size() + 1), url + "|");
    int dots = 0;
    for (char c : canonical.substr(url.size() + 1)) {
        dots += c == '.';
    }
    EXPECT_EQ(dots, 2) << canonical;
}

INSTANTIATE_TEST_SUITE_P(All, EveryProfile, testing::ValuesIn(kProfileClasses), caseName);

}  // namespace
