#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/codes/Enumerations.h"
#include "fhir/r4/core/v4_0_1/Quantity.h"
#include "fhir/r4/core/v4_0_1/Ratio.h"
#include "usecases/erezept/ERezeptProfiles.h"
#include "usecases/erezept/erezeptBuilders.h"

namespace fhir::erezept {
namespace {

using codes::CS_KBV_CS_ERP_Medication_Category;
using codes::CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM;
using codes::CS_KBV_CS_SFHIR_KBV_NORMGROESSE;

constexpr const char* kSnomedSystem = "http://snomed.info/sct";
// The finished product's kind, the same in both generations.
constexpr MedicationKind kProductKind{"763158003", "Medicinal product (product)"};
// The denominator of every amount and strength whose data give none.
constexpr const char* kOne = "1";

template <class Extension, class Value>
Extension* newExtension(Value* value) {
    auto* extension = new Extension();
    extension->setValue(value);
    return extension;
}

template <class P>
void addKind(core::Medication& medication, const MedicationKind& kind) {
    auto* coding = new core::Coding();
    coding->addSystem(new f_uri(kSnomedSystem));
    coding->addVersion(new f_string(P::kSnomedVersion));
    coding->addCode(new f_code(kind.code));
    coding->addDisplay(new f_string(kind.display));
    medication.addExtension(newExtension<typename P::MedicationType>(newConcept(coding)));
}

// Category and vaccine flag, which every kind carries.
template <class P>
void addCategoryAndVaccine(core::Medication& medication, int category, bool vaccine) {
    if (category != CS_KBV_CS_ERP_Medication_Category::EMPTY) {
        medication.addExtension(newExtension<typename P::MedicationCategory>(
            newCodingOf<CS_KBV_CS_ERP_Medication_Category>(category)));
    }
    medication.addExtension(newExtension<typename P::Vaccine>(new f_boolean(vaccine)));
}

template <class P>
void addPackageSizeCode(core::Medication& medication, int packageSize) {
    if (packageSize != CS_KBV_CS_SFHIR_KBV_NORMGROESSE::EMPTY) {
        medication.addExtension(
            newExtension<typename P::PackageSize>(new f_code(CS_KBV_CS_SFHIR_KBV_NORMGROESSE::toCode(packageSize))));
    }
}

// The code of the medication's kind with the class's fixed system and code.
template <class Profile>
core::CodeableConcept* newKindCode(const Profile& medication, const std::string& text) {
    auto* code = newConcept(medication.codeVerordnungskategorieSystem, medication.codeVerordnungskategorieCode);
    if (!text.empty()) {
        code->addText(new f_string(text));
    }
    return code;
}

core::CodeableConcept* newTextConcept(const std::string& text) {
    auto* concept = new core::CodeableConcept();
    concept->addText(new f_string(text));
    return concept;
}

core::Quantity* newQuantity(const std::string& value, const std::string& unit) {
    auto* quantity = new core::Quantity();
    if (!value.empty()) {
        quantity->addValue(new f_decimal(value));
    }
    if (!unit.empty()) {
        quantity->addUnit(new f_string(unit));
    }
    return quantity;
}

// A package or total quantity: its text as packaging-size extension and its
// unit over a denominator of 1.
template <class P>
core::Ratio* newPackageAmount(const std::string& quantity, const std::string& unit) {
    auto* numerator = new core::Quantity();
    numerator->addExtension(newExtension<typename P::PackagingSize>(new f_string(quantity)));
    if (!unit.empty()) {
        numerator->addUnit(new f_string(unit));
    }
    auto* ratio = new core::Ratio();
    ratio->addNumerator(numerator);
    ratio->addDenominator(newQuantity(kOne, ""));
    return ratio;
}

// Strength over reference quantity; the reference quantity is 1 when absent.
core::Ratio* newStrength(const ERezeptIngredientData& ingredient) {
    auto* ratio = new core::Ratio();
    ratio->addNumerator(newQuantity(ingredient.wirkstaerke, ingredient.wirkstaerkeneinheit));
    const std::string& reference = ingredient.bezugsmenge.empty() ? std::string(kOne) : ingredient.bezugsmenge;
    ratio->addDenominator(newQuantity(reference, ingredient.bezugsmengeneinheit));
    return ratio;
}

// An ingredient named by ASK number (when given) and name.
template <class P>
core::Medication_ingredient* newAskIngredient(const ERezeptIngredientData& ingredient) {
    auto* item = newTextConcept(ingredient.wirkstoffname);
    if (!ingredient.wirkstoffnummer.empty()) {
        auto* ask = new typename P::CodingAsk();
        ask->addSystem(new f_uri(ask->system));
        ask->addCode(new f_code(ingredient.wirkstoffnummer));
        item->addCoding(ask);
    }
    auto* entry = new core::Medication_ingredient();
    entry->addItem(item);
    entry->addStrength(newStrength(ingredient));
    return entry;
}

core::CodeableConcept* newFormText(const std::string& form) { return form.empty() ? nullptr : newTextConcept(form); }

template <class Medication>
void addForm(Medication& medication, core::CodeableConcept* form) {
    if (form) {
        medication.addForm(form);
    }
}

template <class P>
core::Medication* buildFreeText(const ERezeptData& data, const ERezeptFreeTextData& m) {
    auto* medication = new typename P::MedicationFreeText();
    identify(*medication, newUuid(), profileOf<P>(*medication));
    addCategoryAndVaccine<P>(*medication, m.category, data.impfstoff);
    medication->addCode(newKindCode(*medication, m.freitextverordnung));
    addForm(*medication, newFormText(m.darreichungsformfreitext));
    return medication;
}

template <class P>
core::Medication* buildActiveIngredient(const ERezeptData& data, const ERezeptActiveIngredientData& m) {
    auto* medication = new typename P::MedicationIngredient();
    identify(*medication, newUuid(), profileOf<P>(*medication));
    addCategoryAndVaccine<P>(*medication, m.category, data.impfstoff);
    addPackageSizeCode<P>(*medication, m.package.packageSize);
    medication->addCode(newKindCode(*medication, ""));
    addForm(*medication, newFormText(m.darreichungsformfreitext));
    if (!m.package.menge.empty()) {
        medication->addAmount(newPackageAmount<P>(m.package.menge, m.package.einheit));
    }
    medication->addIngredient(newAskIngredient<P>(m.ingredient));
    return medication;
}

template <class P>
core::Medication* buildFinishedProduct(const ERezeptData& data, const ERezeptFinishedProductData& m) {
    auto* medication = new typename P::MedicationPzn();
    identify(*medication, newUuid(), profileOf<P>(*medication));
    addKind<P>(*medication, kProductKind);
    addCategoryAndVaccine<P>(*medication, m.category, data.impfstoff);
    addPackageSizeCode<P>(*medication, m.package.packageSize);
    auto* pzn = new typename P::CodingPzn();
    pzn->addSystem(new f_uri(pzn->system));
    pzn->addCode(new f_code(m.pzn));
    auto* code = newConcept(pzn);
    if (!m.handelsname.empty()) {
        code->addText(new f_string(m.handelsname));
    }
    medication->addCode(code);
    if (m.dosageForm != CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::EMPTY) {
        medication->addForm(newConcept(newCodingOf<CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM>(m.dosageForm)));
    }
    if (!m.package.menge.empty()) {
        medication->addAmount(newPackageAmount<P>(m.package.menge, m.package.einheit));
    }
    for (const ERezeptIngredientData& ingredient : m.wirkstoffe) {
        medication->addIngredient(newAskIngredient<P>(ingredient));
    }
    return medication;
}

// A component: its form, name with PZN when given, and its quantity either
// as quantity and unit or as free text.
template <class P>
core::Medication_ingredient* newComponent(const ERezeptComponentData& component) {
    auto* entry = new core::Medication_ingredient();
    if (!component.darreichungsform.empty()) {
        entry->addExtension(newExtension<typename P::IngredientForm>(new f_string(component.darreichungsform)));
    }
    auto* item = newTextConcept(component.name);
    if (!component.pzn.empty()) {
        auto* pzn = new typename P::CodingPzn();
        pzn->addSystem(new f_uri(pzn->system));
        pzn->addCode(new f_code(component.pzn));
        item->addCoding(pzn);
    }
    entry->addItem(item);
    auto* strength = new core::Ratio();
    if (!component.mengeundeinheit.empty()) {
        strength->addExtension(newExtension<typename P::IngredientAmount>(new f_string(component.mengeundeinheit)));
    } else {
        strength->addNumerator(newQuantity(component.menge, component.einheit));
        strength->addDenominator(newQuantity(kOne, ""));
    }
    entry->addStrength(strength);
    return entry;
}

template <class P>
core::Medication* buildCompounding(const ERezeptData& data, const ERezeptCompoundingData& m) {
    auto* medication = new typename P::MedicationCompounding();
    identify(*medication, newUuid(), profileOf<P>(*medication));
    addKind<P>(*medication, P::kCompoundingKind);
    addCategoryAndVaccine<P>(*medication, m.category, data.impfstoff);
    if (!m.herstellungsanweisung.empty()) {
        medication->addExtension(newExtension<typename P::CompoundingInstruction>(new f_string(m.herstellungsanweisung)));
    }
    // The 1.1.0 profile holds at most four extensions: with a manufacturing
    // instruction there is no room for the packaging.
    if (!m.verpackung.empty() && (P::kInstructionWithPackaging || m.herstellungsanweisung.empty())) {
        medication->addExtension(newExtension<typename P::Packaging>(new f_string(m.verpackung)));
    }
    medication->addCode(newKindCode(*medication, m.rezepturname));
    addForm(*medication, newFormText(m.darreichungsformfreitext));
    medication->addAmount(newPackageAmount<P>(m.gesamtmenge, m.gesamtmengeneinheit));
    for (const ERezeptComponentData& component : m.bestandteile) {
        medication->addIngredient(newComponent<P>(component));
    }
    return medication;
}

}  // namespace

template <class P>
core::Medication* buildMedication(const ERezeptData& data) {
    if (const ERezeptFreeTextData* m = presentFreeText(data)) {
        return buildFreeText<P>(data, *m);
    }
    if (const ERezeptCompoundingData* m = presentCompounding(data)) {
        return buildCompounding<P>(data, *m);
    }
    if (const ERezeptActiveIngredientData* m = presentActiveIngredient(data)) {
        return buildActiveIngredient<P>(data, *m);
    }
    if (const ERezeptFinishedProductData* m = presentFinishedProduct(data)) {
        return buildFinishedProduct<P>(data, *m);
    }
    return nullptr;
}

template core::Medication* buildMedication<ERezept110>(const ERezeptData&);
template core::Medication* buildMedication<ERezept132>(const ERezeptData&);

}  // namespace fhir::erezept
