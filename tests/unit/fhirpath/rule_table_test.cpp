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
