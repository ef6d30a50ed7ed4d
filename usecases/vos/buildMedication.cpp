// A medication entry in the first of its three forms whose fields are given:
// by PZN, by active ingredient, or as free text.
#include "fhir/r4/codes/Enumerations.h"
#include "fhir/r4/core/v4_0_1/Quantity.h"
#include "fhir/r4/core/v4_0_1/Ratio.h"
#include "fhir/r4/debasis/v1_3_2/CodingPZN.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionNormgroesseDeBasis.h"
#include "fhir/r4/kbvbasis/v1_3_0/KBV_EX_Base_Medication_Type.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_Medication_PackagingSize.h"
#include "fhir/r4/kbverp/v1_1_0/KBV_EX_ERP_Medication_Vaccine.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_EX_VoS_Medication_Category.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_EX_VoS_Medication_isOverTheCounter.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Medication_FreeText.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Medication_Ingredient.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Medication_PZN.h"
#include "usecases/vos/vosBuilders.h"
#include "usecases/vos/vosChoices.h"
#include "usecases/vos/vosElements.h"

namespace fhir::vos {
namespace {

using namespace codes;
namespace vosp = r4::kbvitavos::v2_1_0;

// What every form shares: category, vaccine, normed package size, amount,
// over-the-counter flag and the ingredient.
struct CommonFields {
    const HostString& kategorie;
    bool impfstoff;
    const HostString& normgroesse;
    const HostString& packungsgroesse;
    const HostString& einheit;
    bool rezeptfrei;
    const HostString& wirkstoffnummer;
    const HostString& wirkstoffname;
};

template <class Profile>
Profile* newMedication() {
    auto* medication = new Profile();
    identifyFresh(*medication);
    return medication;
}

void addExtensions(core::Medication& medication, const CommonFields& fields) {
    addCodingExtension<vosp::KBV_EX_VoS_Medication_Category>(
        medication, memberCodingFor<VS_KBV_VS_VoS_Medication_Category>(fields.kategorie));
    medication.addExtension(newExtension<r4::kbverp::v1_1_0::KBV_EX_ERP_Medication_Vaccine>(
        new f_boolean(fields.impfstoff)));
    if (CS_KBV_CS_SFHIR_KBV_NORMGROESSE::fromCode(fields.normgroesse.str()) != CS_KBV_CS_SFHIR_KBV_NORMGROESSE::EMPTY) {
        medication.addExtension(newExtension<r4::debasis::v1_3_2::ExtensionNormgroesseDeBasis>(
            new f_code(fields.normgroesse.str())));
    }
    medication.addExtension(newExtension<vosp::KBV_EX_VoS_Medication_isOverTheCounter>(
        new f_boolean(fields.rezeptfrei)));
}

// The package size and its unit, per one package.
void addAmount(core::Medication& medication, const CommonFields& fields) {
    if (fields.packungsgroesse.IsEmpty() && fields.einheit.IsEmpty()) {
        return;
    }
    auto* numerator = new core::Quantity();
    if (!fields.packungsgroesse.IsEmpty()) {
        numerator->addExtension(newExtension<r4::kbverp::v1_1_0::KBV_EX_ERP_Medication_PackagingSize>(
            new f_string(fields.packungsgroesse.str())));
    }
    if (!fields.einheit.IsEmpty()) {
        numerator->addUnit(new f_string(fields.einheit.str()));
    }
    auto* denominator = new core::Quantity();
    denominator->addValue(new f_decimal(1.0));
    auto* amount = new core::Ratio();
    amount->addNumerator(numerator);
    amount->addDenominator(denominator);
    medication.addAmount(amount);
}

void addIngredient(core::Medication& medication, const CommonFields& fields) {
    if (fields.wirkstoffnummer.IsEmpty() && fields.wirkstoffname.IsEmpty()) {
        return;
    }
    auto* item = new core::CodeableConcept();
    if (!fields.wirkstoffnummer.IsEmpty()) {
        item->addCoding(newCoding(choice::kAskSystem, fields.wirkstoffnummer.str()));
    }
    if (!fields.wirkstoffname.IsEmpty()) {
        item->addText(new f_string(fields.wirkstoffname.str()));
    }
    auto* ingredient = new core::Medication_ingredient();
    ingredient->addItem(item);
    medication.addIngredient(ingredient);
}

// A concept of an optional coding and an optional text; null when neither.
core::CodeableConcept* conceptOf(core::Coding* coding, const HostString& text) {
    if (!coding && text.IsEmpty()) {
        return nullptr;
    }
    auto* concept = new core::CodeableConcept();
    if (coding) {
        concept->addCoding(coding);
    }
    if (!text.IsEmpty()) {
        concept->addText(new f_string(text.str()));
    }
    return concept;
}

void addForm(core::Medication& medication, core::Coding* coding, const HostString& text) {
    if (core::CodeableConcept* form = conceptOf(coding, text)) {
        medication.addForm(form);
    }
}

core::Medication* byPzn(const VosMedication& entry) {
    const VosMedicationPzn& pzn = entry.pzn;
    auto* medication = newMedication<vosp::KBV_PR_VoS_Medication_PZN>();
    const CommonFields fields{pzn.kategorie,    isSet(entry.impfstoff), pzn.normgroesse,     pzn.packungsgroesse,
                              pzn.einheit,      isSet(pzn.rezeptfrei),  pzn.wirkstoffnummer, pzn.wirkstoffname};
    medication->addExtension(newExtension<r4::kbvbasis::v1_3_0::KBV_EX_Base_Medication_Type>(
        newConcept(newCoding(choice::kMedicinalProductSystem, choice::kMedicinalProductVersion,
                             choice::kMedicinalProductCode, choice::kMedicinalProductDisplay))));
    addExtensions(*medication, fields);
    core::Coding* code = nullptr;
    if (!pzn.pzn.IsEmpty()) {
        auto* coding = new r4::debasis::v1_3_2::CodingPZN();
        coding->addSystem(new f_uri(coding->system));
        coding->addCode(new f_code(pzn.pzn.str()));
        code = coding;
    }
    medication->addCode(conceptOf(code, pzn.name));
    addForm(*medication, codingFor<CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM>(pzn.darreichungsformCode),
            pzn.darreichungsformText);
    addAmount(*medication, fields);
    addIngredient(*medication, fields);
    return medication;
}

core::Medication* byIngredient(const VosMedication& entry) {
    const VosMedicationIngredient& ingredient = entry.wirkstoff;
    auto* medication = newMedication<vosp::KBV_PR_VoS_Medication_Ingredient>();
    const CommonFields fields{ingredient.kategorie, isSet(entry.impfstoff),       ingredient.normgroesse,
                              ingredient.packungsgroesse, ingredient.einheit, isSet(ingredient.rezeptfrei),
                              ingredient.wirkstoffnummer, ingredient.wirkstoffname};
    addExtensions(*medication, fields);
    medication->addCode(newConcept(CS_KBV_CS_ERP_Medication_Type::toSystem(), choice::kIngredientType));
    addForm(*medication, nullptr, ingredient.darreichungsform);
    addAmount(*medication, fields);
    addIngredient(*medication, fields);
    return medication;
}

core::Medication* byFreeText(const VosMedicationFreeText& freeText) {
    auto* medication = newMedication<vosp::KBV_PR_VoS_Medication_FreeText>();
    static const HostString kNone;
    const CommonFields fields{freeText.kategorie, freeText.impfstoff, kNone, kNone, kNone, freeText.rezeptfrei,
                              kNone,              kNone};
    addExtensions(*medication, fields);
    medication->addCode(
        conceptOf(newCoding(CS_KBV_CS_ERP_Medication_Type::toSystem(), choice::kFreeTextType), freeText.name));
    addForm(*medication, nullptr, freeText.darreichungsform);
    return medication;
}

}  // namespace

core::Medication* buildMedication(const VosMedication& entry) {
    if (!entry.pzn.name.IsEmpty() || !entry.pzn.pzn.IsEmpty()) {
        return byPzn(entry);
    }
    if (!entry.wirkstoff.darreichungsform.IsEmpty() || !entry.wirkstoff.kategorie.IsEmpty()) {
        return byIngredient(entry);
    }
    if (!entry.freitext.name.IsEmpty()) {
        return byFreeText(entry.freitext);
    }
    return nullptr;
}

}  // namespace fhir::vos
