// The profile classes of one eRezept generation. The builders are written
// once over these sets; where the generations differ in more than the
// classes, the set says how. The parties come from the FOR generation the
// set derives from (usecases/shared/PartyProfiles.h).
#pragma once

#include <string>

#include "fhir/r4/core/v4_0_1/Extension.h"
#include "fhir/r4/core/v4_0_1/Identifier.h"
#include "fhir/r4/core/v4_0_1/Quantity.h"
#include "fhir/r4/debasis/v1_3_2/CodingASK.h"
#include "fhir/r4/debasis/v1_3_2/CodingPZN.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionNormgroesseDeBasis.h"
#include "fhir/r4/debasis/v1_5_2/CodingASK.h"
#include "fhir/r4/debasis/v1_5_2/CodingPZN.h"
#include "fhir/r4/debasis/v1_5_2/ExtensionNormgroesseDeBasis.h"
#include "fhir/r4/kbvbasis/v1_3_0/KBV_EX_Base_Medication_Type.h"
#include "fhir/r4/kbvbasis/v1_7_0/KBV_EX_Base_Medication_Type.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_BVG.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_DosageFlag.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_EmergencyServicesFee.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_Medication_Category.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_Medication_CompoundingInstruction.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_Medication_Ingredient_Amount.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_Medication_Ingredient_Form.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_Medication_Packaging.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_Medication_PackagingSize.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_Medication_Vaccine.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_Multiple_Prescription.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_PracticeSupply_Payor.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_PR_ERP_Bundle.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_PR_ERP_Composition.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_PR_ERP_Medication_Compounding.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_PR_ERP_Medication_FreeText.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_PR_ERP_Medication_Ingredient.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_PR_ERP_Medication_PZN.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_PR_ERP_PracticeSupply.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_PR_ERP_Prescription.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_EX_ERP_DosageFlag.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_EX_ERP_EmergencyServicesFee.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_EX_ERP_Medication_Category.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_EX_ERP_Medication_CompoundingInstruction.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_EX_ERP_Medication_Ingredient_Amount.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_EX_ERP_Medication_Ingredient_Form.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_EX_ERP_Medication_Packaging.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_EX_ERP_Medication_PackagingSize.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_EX_ERP_Medication_Vaccine.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_EX_ERP_Multiple_Prescription.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_EX_ERP_PracticeSupply_Payor.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_EX_ERP_Prescriber_ID.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_PR_ERP_Bundle.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_PR_ERP_Composition.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_PR_ERP_Medication_Compounding.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_PR_ERP_Medication_FreeText.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_PR_ERP_Medication_Ingredient.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_PR_ERP_Medication_PZN.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_PR_ERP_PracticeSupply.h"
#include "fhir/r4/kbverp/v1_3_2/KBV_PR_ERP_Prescription.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_EX_FOR_Accident.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_EX_FOR_PKV_Tariff.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_EX_FOR_StatusCoPayment.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_EX_FOR_Accident.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_EX_FOR_PKV_Tariff.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_EX_FOR_SER.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_EX_FOR_StatusCoPayment.h"
#include "usecases/erezept/ERezeptData.h"
#include "usecases/shared/PartyProfiles.h"

namespace fhir::erezept {

namespace core = fhir::r4::core::v4_0_1;

// The SNOMED CT coding of a medication's kind (KBV_EX_Base_Medication_Type).
struct MedicationKind {
    const char* code;
    const char* display;
};

// eRezept 1.1.0 with FOR 1.1.0, KBV base 1.3.0 and German base 1.3.2.
struct ERezept110 : shared::For110 {
    using Party = shared::For110;
    using Bundle = r4::kbverp::v1_1_0::KBV_PR_ERP_Bundle;
    using Composition = r4::kbverp::v1_1_0::KBV_PR_ERP_Composition;
    using Prescription = r4::kbverp::v1_1_0::KBV_PR_ERP_Prescription;
    using PracticeSupply = r4::kbverp::v1_1_0::KBV_PR_ERP_PracticeSupply;
    using MedicationPzn = r4::kbverp::v1_1_0::KBV_PR_ERP_Medication_PZN;
    using MedicationIngredient = r4::kbverp::v1_1_0::KBV_PR_ERP_Medication_Ingredient;
    using MedicationCompounding = r4::kbverp::v1_1_0::KBV_PR_ERP_Medication_Compounding;
    using MedicationFreeText = r4::kbverp::v1_1_0::KBV_PR_ERP_Medication_FreeText;
    using EmergencyServicesFee = r4::kbverp::v1_1_0::KBV_EX_ERP_EmergencyServicesFee;
    using SpecialEntitlement = r4::kbverp::v1_1_0::KBV_EX_ERP_BVG;
    using MultiplePrescription = r4::kbverp::v1_1_0::KBV_EX_ERP_Multiple_Prescription;
    using DosageFlag = r4::kbverp::v1_1_0::KBV_EX_ERP_DosageFlag;
    using PracticeSupplyPayor = r4::kbverp::v1_1_0::KBV_EX_ERP_PracticeSupply_Payor;
    using MedicationCategory = r4::kbverp::v1_1_0::KBV_EX_ERP_Medication_Category;
    using Vaccine = r4::kbverp::v1_1_0::KBV_EX_ERP_Medication_Vaccine;
    using PackagingSize = r4::kbverp::v1_1_0::KBV_EX_ERP_Medication_PackagingSize;
    using CompoundingInstruction = r4::kbverp::v1_1_0::KBV_EX_ERP_Medication_CompoundingInstruction;
    using Packaging = r4::kbverp::v1_1_0::KBV_EX_ERP_Medication_Packaging;
    using IngredientForm = r4::kbverp::v1_1_0::KBV_EX_ERP_Medication_Ingredient_Form;
    using IngredientAmount = r4::kbverp::v1_1_0::KBV_EX_ERP_Medication_Ingredient_Amount;
    using StatusCoPayment = r4::kbvitafor::v1_1_0::KBV_EX_FOR_StatusCoPayment;
    using Accident = r4::kbvitafor::v1_1_0::KBV_EX_FOR_Accident;
    using PkvTariff = r4::kbvitafor::v1_1_0::KBV_EX_FOR_PKV_Tariff;
    using MedicationType = r4::kbvbasis::v1_3_0::KBV_EX_Base_Medication_Type;
    using PackageSize = r4::debasis::v1_3_2::ExtensionNormgroesseDeBasis;
    using CodingPzn = r4::debasis::v1_3_2::CodingPZN;
    using CodingAsk = r4::debasis::v1_3_2::CodingASK;

    static constexpr const char* kSnomedVersion = "http://snomed.info/sct/900000000000207008/version/20220331";
    static constexpr MedicationKind kCompoundingKind{
        "373873005:860781008=362943005",
        "Pharmaceutical / biologic product (product) : Has product characteristic (attribute) = Manual method "
        "(qualifier value)"};
    // The compounding holds a manufacturing instruction or its packaging.
    static constexpr bool kInstructionWithPackaging = false;

    // PKV-ID under its own profile, GKV-ID under the KVID-10 profile; null
    // without a number.
    static core::Identifier* patientIdentifier(const shared::InsuredData& insured);
    // The number of packages of a prescription or practice supply: UCUM
    // "{Package}".
    static core::Quantity* packageCount(const std::string& count);
    // No prescriber id in 1.1.0.
    static void addPrescriberId(fhir::Element&, const std::string&) {}
};

// eRezept 1.3.2 with FOR 1.2.0, KBV base 1.7.0 and German base 1.5.2.
struct ERezept132 : shared::For120 {
    using Party = shared::For120;
    using Bundle = r4::kbverp::v1_3_2::KBV_PR_ERP_Bundle;
    using Composition = r4::kbverp::v1_3_2::KBV_PR_ERP_Composition;
    using Prescription = r4::kbverp::v1_3_2::KBV_PR_ERP_Prescription;
    using PracticeSupply = r4::kbverp::v1_3_2::KBV_PR_ERP_PracticeSupply;
    using MedicationPzn = r4::kbverp::v1_3_2::KBV_PR_ERP_Medication_PZN;
    using MedicationIngredient = r4::kbverp::v1_3_2::KBV_PR_ERP_Medication_Ingredient;
    using MedicationCompounding = r4::kbverp::v1_3_2::KBV_PR_ERP_Medication_Compounding;
    using MedicationFreeText = r4::kbverp::v1_3_2::KBV_PR_ERP_Medication_FreeText;
    using EmergencyServicesFee = r4::kbverp::v1_3_2::KBV_EX_ERP_EmergencyServicesFee;
    using SpecialEntitlement = r4::kbvitafor::v1_2_0::KBV_EX_FOR_SER;
    using MultiplePrescription = r4::kbverp::v1_3_2::KBV_EX_ERP_Multiple_Prescription;
    using DosageFlag = r4::kbverp::v1_3_2::KBV_EX_ERP_DosageFlag;
    using PracticeSupplyPayor = r4::kbverp::v1_3_2::KBV_EX_ERP_PracticeSupply_Payor;
    using MedicationCategory = r4::kbverp::v1_3_2::KBV_EX_ERP_Medication_Category;
    using Vaccine = r4::kbverp::v1_3_2::KBV_EX_ERP_Medication_Vaccine;
    using PackagingSize = r4::kbverp::v1_3_2::KBV_EX_ERP_Medication_PackagingSize;
    using CompoundingInstruction = r4::kbverp::v1_3_2::KBV_EX_ERP_Medication_CompoundingInstruction;
    using Packaging = r4::kbverp::v1_3_2::KBV_EX_ERP_Medication_Packaging;
    using IngredientForm = r4::kbverp::v1_3_2::KBV_EX_ERP_Medication_Ingredient_Form;
    using IngredientAmount = r4::kbverp::v1_3_2::KBV_EX_ERP_Medication_Ingredient_Amount;
    using StatusCoPayment = r4::kbvitafor::v1_2_0::KBV_EX_FOR_StatusCoPayment;
    using Accident = r4::kbvitafor::v1_2_0::KBV_EX_FOR_Accident;
    using PkvTariff = r4::kbvitafor::v1_2_0::KBV_EX_FOR_PKV_Tariff;
    using MedicationType = r4::kbvbasis::v1_7_0::KBV_EX_Base_Medication_Type;
    using PackageSize = r4::debasis::v1_5_2::ExtensionNormgroesseDeBasis;
    using CodingPzn = r4::debasis::v1_5_2::CodingPZN;
    using CodingAsk = r4::debasis::v1_5_2::CodingASK;

    static constexpr const char* kSnomedVersion = "http://snomed.info/sct/11000274103/version/20240515";
    // The 1.3.2 profiles bind the compounding's kind to the extemporaneous
    // preparation.
    static constexpr MedicationKind kCompoundingKind{"1208954007", "Extemporaneous preparation (product)"};
    static constexpr bool kInstructionWithPackaging = true;

    // GKV-ID and PKV-ID alike under the KVID-10 profile (type "KVZ10").
    static core::Identifier* patientIdentifier(const shared::InsuredData& insured);
    // The number of packages: unit "Packung", neither system nor code.
    static core::Quantity* packageCount(const std::string& count);
    // KBV_EX_ERP_Prescriber_ID when an id is present.
    static void addPrescriberId(fhir::Element& prescription, const std::string& prescriberId);
};

using shared::profileOf;

}  // namespace fhir::erezept
