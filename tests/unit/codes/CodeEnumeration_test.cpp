// Properties every enumeration shares, swept over all of them.
#include "fhir/CanonicalBase.h"
#include "fhir/r4/codes/Enumerations.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

using namespace fhir::codes;

// Name and member count of each enumeration, in one list.
struct Shape {
    const CodeTable& (*table)();
    const char* name;
    int members;
};

const Shape kShapes[] = {
    {&CS_ConditionClinicalStatusCodes::table, "CS_ConditionClinicalStatusCodes", 6},
    {&CS_ConditionVerificationStatus::table, "CS_ConditionVerificationStatus", 6},
    {&CS_KBV_CS_EAU_AU_Type::table, "CS_KBV_CS_EAU_AU_Type", 4},
    {&CS_KBV_CS_EAU_WeitereSchritte_Type::table, "CS_KBV_CS_EAU_WeitereSchritte_Type", 5},
    {&CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT::table, "CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT", 4},
    {&CS_KBV_CS_SFHIR_ICD_SEITENLOKALISATION::table, "CS_KBV_CS_SFHIR_ICD_SEITENLOKALISATION", 3},
    {&CS_KBV_CS_FOR_Ursache_Type::table, "CS_KBV_CS_FOR_Ursache_Type", 4},
    {&CS_KBV_CS_FOR_Qualification_Type::table, "CS_KBV_CS_FOR_Qualification_Type", 5},
    {&CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN::table, "CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN", 8},
    {&CS_KBV_CS_SFHIR_KBV_VERSICHERTENSTATUS::table, "CS_KBV_CS_SFHIR_KBV_VERSICHERTENSTATUS", 3},
    {&CS_KBV_CS_SFHIR_KBV_PERSONENGRUPPE::table, "CS_KBV_CS_SFHIR_KBV_PERSONENGRUPPE", 6},
    {&CS_KBV_CS_SFHIR_KBV_DMP::table, "CS_KBV_CS_SFHIR_KBV_DMP", 42},
    {&CS_KBV_CS_SFHIR_ITA_WOP::table, "CS_KBV_CS_SFHIR_ITA_WOP", 26},
    {&VS_KBV_VS_FOR_Payor_type::table, "VS_KBV_VS_FOR_Payor_type", 6},
    {&VS_IdentifierTypeDeBasis::table, "VS_IdentifierTypeDeBasis", 12},
    {&CS_KBV_CS_Base_Identifier_Type::table, "CS_KBV_CS_Base_Identifier_Type", 5},
    {&CS_KBV_CS_ERP_Medication_Category::table, "CS_KBV_CS_ERP_Medication_Category", 4},
    {&VS_KBV_VS_VoS_Medication_Category::table, "VS_KBV_VS_VoS_Medication_Category", 4},
    {&CS_KBV_CS_ERP_Medication_Type::table, "CS_KBV_CS_ERP_Medication_Type", 3},
    {&CS_KBV_CS_FOR_StatusCoPayment::table, "CS_KBV_CS_FOR_StatusCoPayment", 3},
    {&VS_KBV_VS_ERP_StatusCoPayment::table, "VS_KBV_VS_ERP_StatusCoPayment", 3},
    {&VS_KBV_VS_ERP_Accident_Type::table, "VS_KBV_VS_ERP_Accident_Type", 3},
    {&CS_KBV_CS_SFHIR_KBV_PKV_TARIFF::table, "CS_KBV_CS_SFHIR_KBV_PKV_TARIFF", 4},
    {&CS_KBV_CS_SFHIR_KBV_NORMGROESSE::table, "CS_KBV_CS_SFHIR_KBV_NORMGROESSE", 7},
    {&CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::table, "CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM", 280},
    {&VS_EEBAnfrageUrsprungVS::table, "VS_EEBAnfrageUrsprungVS", 99},
    {&CS_KBV_CS_SFHIR_BAR2_WBO::table, "CS_KBV_CS_SFHIR_BAR2_WBO", 102},
    {&CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG::table, "CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG", 119},
    {&CS_KBV_CS_116117_TERMINSERVICE_VCA_PTV11_Services::table, "CS_KBV_CS_116117_TERMINSERVICE_VCA_PTV11_Services", 6},
    {&CS_KBV_CS_116117_TERMINSERVICE_VCA_Probatory_Services::table,
     "CS_KBV_CS_116117_TERMINSERVICE_VCA_Probatory_Services", 4},
    {&VS_KBV_VS_116117_TERMINSERVICE_VCA_Urgency::table, "VS_KBV_VS_116117_TERMINSERVICE_VCA_Urgency", 2},
    {&CS_KBV_CS_MIO_ZAEB_Preventive_Check_Up_German::table, "CS_KBV_CS_MIO_ZAEB_Preventive_Check_Up_German", 2},
    {&VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type::table, "VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type", 2},
};

class EnumerationShape : public testing::TestWithParam<Shape> {};

TEST_P(EnumerationShape, HasItsNameAndMemberCount) {
    const CodeTable& table = GetParam().table();
    EXPECT_STREQ(table.name, GetParam().name);
    EXPECT_EQ(table.count, GetParam().members);
}

TEST_P(EnumerationShape, CodesAreNonEmptyAndUnique) {
    const CodeTable& table = GetParam().table();
    std::set<std::string> seen;
    for (int i = 0; i < table.count; ++i) {
        ASSERT_NE(table.entries[i].code, nullptr);
        EXPECT_FALSE(std::string(table.entries[i].code).empty()) << "member " << i + 1;
        EXPECT_TRUE(seen.insert(table.entries[i].code).second) << table.entries[i].code;
    }
}

INSTANTIATE_TEST_SUITE_P(All, EnumerationShape, testing::ValuesIn(kShapes),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(EnumerationShape, EveryEnumerationIsListedOnce) {
    std::set<std::string> names;
    for (const Shape& shape : kShapes) {
        names.insert(shape.name);
    }
    EXPECT_EQ(names.size(), 33u);
}

bool startsWithKnownBase(const std::string& url) {
    for (const char* base : {fhir::base::kHl7Terminology, fhir::base::kGerman, fhir::base::kKbv, fhir::base::kGematik,
                             fhir::base::kSnomed}) {
        if (url.rfind(std::string(base) + "/", 0) == 0) {
            return true;
        }
    }
    return false;
}

// The operations themselves, through each enumeration's own type.
template <class E> class EnumerationOperations : public testing::Test {};

using AllEnumerations =
    testing::Types<CS_ConditionClinicalStatusCodes, CS_ConditionVerificationStatus, CS_KBV_CS_EAU_AU_Type,
                   CS_KBV_CS_EAU_WeitereSchritte_Type, CS_KBV_CS_SFHIR_ICD_DIAGNOSESICHERHEIT,
                   CS_KBV_CS_SFHIR_ICD_SEITENLOKALISATION, CS_KBV_CS_FOR_Ursache_Type, CS_KBV_CS_FOR_Qualification_Type,
                   CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN, CS_KBV_CS_SFHIR_KBV_VERSICHERTENSTATUS,
                   CS_KBV_CS_SFHIR_KBV_PERSONENGRUPPE, CS_KBV_CS_SFHIR_KBV_DMP, CS_KBV_CS_SFHIR_ITA_WOP,
                   VS_KBV_VS_FOR_Payor_type, VS_IdentifierTypeDeBasis, CS_KBV_CS_Base_Identifier_Type,
                   CS_KBV_CS_ERP_Medication_Category, VS_KBV_VS_VoS_Medication_Category, CS_KBV_CS_ERP_Medication_Type,
                   CS_KBV_CS_FOR_StatusCoPayment, VS_KBV_VS_ERP_StatusCoPayment, VS_KBV_VS_ERP_Accident_Type,
                   CS_KBV_CS_SFHIR_KBV_PKV_TARIFF, CS_KBV_CS_SFHIR_KBV_NORMGROESSE,
                   CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM, VS_EEBAnfrageUrsprungVS, CS_KBV_CS_SFHIR_BAR2_WBO,
                   CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG, CS_KBV_CS_116117_TERMINSERVICE_VCA_PTV11_Services,
                   CS_KBV_CS_116117_TERMINSERVICE_VCA_Probatory_Services, VS_KBV_VS_116117_TERMINSERVICE_VCA_Urgency,
                   CS_KBV_CS_MIO_ZAEB_Preventive_Check_Up_German, VS_KBV_VS_MIO_ZAEB_Preventive_Check_Up_Type>;

class EnumerationNames {
  public:
    template <class E> static std::string GetName(int) { return E::name(); }
};

TYPED_TEST_SUITE(EnumerationOperations, AllEnumerations, EnumerationNames);

TYPED_TEST(EnumerationOperations, CodesRoundTripThroughMemberNumbers) {
    using E = TypeParam;
    for (int member = 1; member <= E::size(); ++member) {
        EXPECT_EQ(E::fromCode(E::toCode(member)), member) << E::toCode(member);
    }
}

TYPED_TEST(EnumerationOperations, MemberZeroAndNumbersOutOfRangeGiveFixedTexts) {
    using E = TypeParam;
    const std::string unswitched = std::string(E::name()) + ": Unswitched Enum";
    EXPECT_EQ(E::toCode(0), "EMPTY");
    EXPECT_EQ(E::toCode(E::size() + 1), unswitched);
    EXPECT_EQ(E::toCode(-1), unswitched);
    if constexpr (E::hasMemberSystems) {
        EXPECT_EQ(E::toSystem(0), "EMPTY");
        EXPECT_EQ(E::toSystem(E::size() + 1), unswitched);
    }
    if constexpr (E::hasDisplay) {
        EXPECT_EQ(E::toDisplay(0), "EMPTY");
        EXPECT_EQ(E::toDisplay(E::size() + 1), unswitched);
    }
}

TYPED_TEST(EnumerationOperations, TextsOutsideTheListGiveMemberZero) {
    using E = TypeParam;
    EXPECT_EQ(E::fromCode(""), 0);
    EXPECT_EQ(E::fromCode("EMPTY"), 0);
    EXPECT_EQ(E::fromCode(E::toCode(1) + " "), 0);
    EXPECT_EQ(E::fromCode(" " + E::toCode(1)), 0);
}

TYPED_TEST(EnumerationOperations, SystemsAreCanonicalUrlsWhereHeld) {
    using E = TypeParam;
    const CodeTable& table = E::table();
    if constexpr (E::hasSystem) {
        EXPECT_TRUE(startsWithKnownBase(E::toSystem())) << E::toSystem();
    } else {
        EXPECT_EQ(table.system, nullptr);
    }
    for (int member = 1; member <= E::size(); ++member) {
        if constexpr (E::hasMemberSystems) {
            EXPECT_TRUE(startsWithKnownBase(E::toSystem(member))) << E::toSystem(member);
        } else {
            EXPECT_EQ(table.entries[member - 1].system, nullptr) << "member " << member;
        }
    }
}

TYPED_TEST(EnumerationOperations, DisplaysArePresentWhereOffered) {
    using E = TypeParam;
    if constexpr (E::hasDisplay) {
        for (int member = 1; member <= E::size(); ++member) {
            EXPECT_FALSE(E::toDisplay(member).empty()) << "member " << member;
        }
    }
}

} // namespace
