// The generated rule tables: every expression parses (the tables are only
// regenerated together with this test), and the tables cover the profiles
// the library builds documents for.
#include <gtest/gtest.h>

#include <string>

#include "fhir/fhirpath/ProfileCheck.h"
#include "fhir/fhirpath/RuleTable.h"

namespace {

TEST(RuleTable, EveryExpressionParses) {
    for (const std::string& error : fhir::path::unparsableRules()) {
        ADD_FAILURE() << error;
    }
}

// Rule sets are looked up by binary search on the url; a path's parent comes
// before it, which the check relies on when it evaluates paths step by step.
TEST(RuleTable, IsOrderedForTheLookups) {
    const auto& table = fhir::path::rules::table();
    for (std::size_t i = 1; i < table.profileCount; ++i) {
        EXPECT_LE(std::string(table.profiles[i - 1].url), std::string(table.profiles[i].url)) << i;
    }
    for (std::size_t i = 1; i < table.contextCount; ++i) {
        EXPECT_LT(table.contexts[i].parent, i) << i;
    }
}

TEST(RuleTable, HasTheProfilesOfEveryBuiltDocument) {
    const auto& table = fhir::path::rules::table();
    const char* const wanted[] = {
        "https://fhir.kbv.de/StructureDefinition/KBV_PR_EAU_Bundle|1.1.0",
        "https://fhir.kbv.de/StructureDefinition/KBV_PR_EAU_Bundle|1.2.0",
        "https://fhir.kbv.de/StructureDefinition/KBV_PR_ERP_Bundle|1.1.0",
        "https://fhir.kbv.de/StructureDefinition/KBV_PR_ERP_Bundle|1.3.2",
        "https://fhir.kbv.de/StructureDefinition/KBV_PR_FOR_Patient|1.2.0",
        "https://fhir.kbv.de/StructureDefinition/KBV_PR_Base_Patient|1.3.0",
        "https://gematik.de/fhir/eeb/StructureDefinition/EEBAnfrageBundle|1.1.0",
        "https://fhir.kbv.de/StructureDefinition/KBV_PR_VoS_Patient|2.1.0",
        "http://hl7.org/fhir/StructureDefinition/Bundle|4.0.1",
    };
    for (const std::string canonical : wanted) {
        const auto bar = canonical.find('|');
        bool found = false;
        for (std::size_t i = 0; i < table.profileCount && !found; ++i) {
            found = canonical.compare(0, bar, table.profiles[i].url) == 0 &&
                    canonical.substr(bar + 1) == table.profiles[i].version;
        }
        EXPECT_TRUE(found) << canonical;
    }
}

}  // namespace
