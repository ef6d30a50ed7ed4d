#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fhir/XmlReader.h"
#include "fhir/r4/core/v4_0_1/Bundle.h"
#include "support/SampleBundle.h"

namespace {

using fhir::r4::core::v4_0_1::Bundle;

TEST(RoundTrip, WrittenParsedAndWrittenAgainGivesTheSameText) {
    std::string first;
    tevo::test::buildSampleBundle(3)->writeXml(first, true);
    ASSERT_GT(first.size(), 5000u);

    const fhir::xml::ParsedDocument document(first);
    const std::unique_ptr<Bundle> parsed(Bundle::parse(document.rootNamed("Bundle")));
    std::string second;
    parsed->writeXml(second, true);
    EXPECT_EQ(second, first);
}

TEST(RoundTrip, ParsedTreeAnswersPathQueries) {
    std::string text;
    tevo::test::buildSampleBundle(1)->writeXml(text, false);
    const fhir::xml::ParsedDocument document(text);
    const std::unique_ptr<Bundle> parsed(Bundle::parse(document.root()));
    const auto entries = parsed->getChildren("Bundle.entry");
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[1]->getChild("Bundle.entry.resource")->getFhirType(), "Patient");
    EXPECT_EQ(entries[1]->getValueByPath({"Bundle.entry.resource", "Patient.name", "HumanName.given"}, false),
              "J\xFCrgen");
    EXPECT_EQ(parsed->getValueByPath({"Resource.meta", "Meta.profile"}, true),
              "https://fhir.kbv.de/StructureDefinition/KBV_PR_EAU_Bundle|1.2");
}

}  // namespace
