// Checks 108-132: the medication objects, their forms, package sizes and the
// active ingredient. Between rows 127 and 128, 1.3.2 checks the ingredients
// of a finished product (ingredientChecks).
#include <cstdlib>

#include "usecases/erezept/checksTable.h"

namespace fhir::erezeptchecks {
namespace {

constexpr const char* kPackageQuantityTooLong =
    "Die Packungsgröße nach abgeteilter Menge ist zu lang. Es dürfen maximal 7 Zeichen verwendet werden. Bitte "
    "prüfen Sie die Angaben zum E-Rezept.";
constexpr const char* kPackageUnitTooLong =
    "Die Einheit der Packungsgröße ist zu lang. Es dürfen maximal 12 Zeichen verwendet werden. Bitte prüfen Sie die "
    "Angaben zum E-Rezept.";

// A package size is given by N code or by quantity with unit.
bool packageSizeMissing(const ERezeptPackageData& p) {
    return p.packageSize == 0 && (!present(p.menge) || !present(p.einheit));
}

const ERezeptPackageData* productPackage(const ERezeptData& d) {
    const ERezeptFinishedProductData* m = presentFinishedProduct(d);
    return m ? &m->package : nullptr;
}
const ERezeptPackageData* activePackage(const ERezeptData& d) {
    const ERezeptActiveIngredientData* m = presentActiveIngredient(d);
    return m ? &m->package : nullptr;
}
const ERezeptIngredientData* activeIngredient(const ERezeptData& d) {
    const ERezeptActiveIngredientData* m = presentActiveIngredient(d);
    return m ? &m->ingredient : nullptr;
}

int presentMedicationCount(const ERezeptData& d) {
    return (presentFinishedProduct(d) ? 1 : 0) + (presentActiveIngredient(d) ? 1 : 0) +
           (presentCompounding(d) ? 1 : 0) + (presentFreeText(d) ? 1 : 0);
}

// The number of packages must have at most six characters and a leading
// integer (as C atoi reads it) other than 0.
bool packageCountInvalid(const std::string& count) {
    return present(count) && (!tevo::checkLength(count, 1, 6) || std::atoi(count.c_str()) == 0);
}

bool tradeNameTooLong(const ERezeptData& d, int maximum) {
    const ERezeptFinishedProductData* m = presentFinishedProduct(d);
    return m && presentWithBadLength(m->handelsname, 1, maximum);
}

}  // namespace

std::vector<RecordCheck> medicationChecks() {
    return {
        {108, kBoth, [](const ERezeptData& d) { return !presentFinishedProduct(d) && d.dosageForm != 0; },
         "Die kodierte Darreichungsform darf nur bei Fertigarzneimitteln vorhanden sein. Bitte prüfen Sie die Angaben "
         "zum E-Rezept.",
         nullptr},
        {109, kBoth, [](const ERezeptData& d) { return presentFinishedProduct(d) && d.dosageForm == 0; },
         "Die kodierte Darreichungsform muss bei Fertigarzneimitteln vorhanden sein. Bitte prüfen Sie die Angaben zum "
         "E-Rezept.",
         nullptr},
        {110, kBoth,
         [](const ERezeptData& d) {
             const ERezeptCompoundingData* m = presentCompounding(d);
             return m && !present(m->darreichungsformfreitext);
         },
         "Die Darreichungsform als Freitext muss bei Rezepturverodnungen vorhanden sein. Bitte prüfen Sie die Angaben "
         "zum E-Rezept.",
         nullptr},
        {111, kBoth,
         [](const ERezeptData& d) {
             const ERezeptCompoundingData* m = presentCompounding(d);
             return m && presentWithBadLength(m->darreichungsformfreitext, 1, 30);
         },
         "Die Darreichungsform als Freitext ist zu lang. Es dürfen maximal 30 Zeichen verwendet werden. Bitte prüfen "
         "Sie die Angaben zum E-Rezept.",
         nullptr},
        {112, kBoth,
         [](const ERezeptData& d) {
             const ERezeptActiveIngredientData* m = presentActiveIngredient(d);
             return m && !present(m->darreichungsformfreitext);
         },
         "Die Darreichungsform als Freitext muss bei Wirkstoffverordnungen vorhanden sein.Bitte prüfen Sie die Angaben "
         "zum E-Rezept.",
         nullptr},
        {113, kBoth,
         [](const ERezeptData& d) {
             const ERezeptActiveIngredientData* m = presentActiveIngredient(d);
             return m && presentWithBadLength(m->darreichungsformfreitext, 1, 30);
         },
         "Die Darreichungsform als Freitext ist zu lang.  Es dürfen maximal 30 Zeichen verwendet werden. Bitte prüfen "
         "Sie die Angaben zum E-Rezept.",
         nullptr},
        {114, kBoth,
         [](const ERezeptData& d) {
             const ERezeptFreeTextData* m = presentFreeText(d);
             return m && presentWithBadLength(m->darreichungsformfreitext, 1, 30);
         },
         "Die Darreichungsform als Freitext ist zu lang. Es dürfen maximal 30 Zeichen verwendet werden. Bitte prüfen "
         "Sie die Angaben zum E-Rezept.",
         nullptr},
        {115, kBoth, [](const ERezeptData& d) { return presentWithBadLength(d.abgabehinweis, 1, 500); },
         "Der Abgabehinweis ist zu lang. Es dürfen maximal 500 Zeichen verwendet werden. Bitte prüfen Sie die Angaben "
         "zum E-Rezept.",
         nullptr},
        {116, kBoth, [](const ERezeptData& d) { return d.kennzeichendosierung && !present(d.dosieranweisung); },
         "Wenn das Kennzeichen Dosierung gesetzt ist muss eine Dosieranweisung vorhanden sein. Bitte prüfen Sie die "
         "Angaben zum E-Rezept.",
         nullptr},
        {117, kBoth, [](const ERezeptData& d) { return presentWithBadLength(d.dosieranweisung, 1, 500); },
         "Die Dosieranweisung ist zu lang. Es dürfen maximal 500 Zeichen verwendet werden. Bitte prüfen Sie die "
         "Angaben zum E-Rezept.",
         nullptr},
        {117, kV132, [](const ERezeptData& d) { return presentWithBadLength(d.verschreiberid, 1, 45); },
         "Die Verschreiber-ID ist zu lang. Es dürfen maximal 45 Zeichen verwendet werden. Bitte prüfen Sie die "
         "Angaben zum E-Rezept.",
         nullptr},
        {118, kBoth,
         [](const ERezeptData& d) {
             const ERezeptPackageData* p = productPackage(d);
             return p && packageSizeMissing(*p);
         },
         "Bei einer Fertigarzneimittelverordnung muss die Packungsgröße nach N-Bezeichnung oder die Packungsgröße "
         "nach abgeteilter Menge mit Einheit angegeben werden. Bitte prüfen Sie die Angaben zum E-Rezept.",
         nullptr},
        {119, kBoth,
         [](const ERezeptData& d) {
             const ERezeptPackageData* p = productPackage(d);
             return p && presentWithBadLength(p->menge, 1, 7);
         },
         kPackageQuantityTooLong, nullptr},
        {120, kBoth,
         [](const ERezeptData& d) {
             const ERezeptPackageData* p = productPackage(d);
             return p && presentWithBadLength(p->einheit, 1, 12);
         },
         kPackageUnitTooLong, nullptr},
        {121, kBoth,
         [](const ERezeptData& d) {
             const ERezeptPackageData* p = activePackage(d);
             return p && packageSizeMissing(*p);
         },
         "Bei einer Wirkstoffverordnung muss die Packungsgröße nach N-Bezeichnung oder die Packungsgröße nach "
         "abgeteilter Menge mit Einheit angegeben werden. Bitte prüfen Sie die Angaben zum E-Rezept.",
         nullptr},
        {122, kBoth,
         [](const ERezeptData& d) {
             const ERezeptPackageData* p = activePackage(d);
             return p && presentWithBadLength(p->menge, 1, 7);
         },
         kPackageQuantityTooLong, nullptr},
        {122, kBoth,
         [](const ERezeptData& d) {
             const ERezeptPackageData* p = activePackage(d);
             return p && presentWithBadLength(p->einheit, 1, 12);
         },
         kPackageUnitTooLong, nullptr},
        {123, kBoth, [](const ERezeptData& d) { return !present(d.anzahlpackungen); },
         "Die Anzahl der verordneten Packungen ist nicht vorhanden. Bitte prüfen Sie die Angaben zum E-Rezept.",
         nullptr},
        {124, kBoth, [](const ERezeptData& d) { return packageCountInvalid(d.anzahlpackungen); },
         "Die Anzahl der verordneten Packungen ist ungültig. Sie muss numerisch und maximal 6-stellig sein. Bitte "
         "prüfen Sie die Angaben zum E-Rezept.",
         nullptr},
        {125, kBoth, [](const ERezeptData& d) { return presentMedicationCount(d) != 1; },
         "Es muss genau 1 Medikament vorhanden sein. Bitte prüfen Sie die Angaben zum E-Rezept.", nullptr},
        {126, kBoth,
         [](const ERezeptData& d) {
             const ERezeptFinishedProductData* m = presentFinishedProduct(d);
             return m && !present(m->handelsname);
         },
         "Der Handelsname des Fertigarzneimittels ist nicht vorhanden. Bitte prüfen Sie die Angaben zum E-Rezept.",
         nullptr},
        {127, kV110, [](const ERezeptData& d) { return tradeNameTooLong(d, 50); },
         "Der Handelsname des Fertigarzneimittels ist zu lang. Es dürfen maximal 50 Zeichen verwendet werden. Bitte "
         "prüfen Sie die Angaben zum E-Rezept.",
         nullptr},
        {127, kV132, [](const ERezeptData& d) { return tradeNameTooLong(d, 100); },
         "Der Handelsname des Fertigarzneimittels ist zu lang. Es dürfen maximal 100 Zeichen verwendet werden. Bitte "
         "prüfen Sie die Angaben zum E-Rezept.",
         nullptr},
        {127, kV132,
         [](const ERezeptData& d) {
             const ERezeptFinishedProductData* m = presentFinishedProduct(d);
             return m && m->wirkstoffe.empty();
         },
         "Es ist kein Wirkstoff des Fertigarzneimittels eingetragen. Bitte prüfen Sie die Angaben zum E-Rezept bzw. "
         "zum Fertigarzneimittel.",
         nullptr},
    };
}

std::vector<RecordCheck> activeIngredientChecks() {
    return {
        {128, kBoth,
         [](const ERezeptData& d) {
             const ERezeptIngredientData* i = activeIngredient(d);
             return i && !tevo::checkLength(i->wirkstoffname, 1, 80);
         },
         "Der Wirkstoffname ist zu lang. Es dürfen maximal 80 Zeichen verwendet werden. Bitte prüfen Sie die Angaben "
         "zum E-Rezept.",
         nullptr},
        {129, kBoth,
         [](const ERezeptData& d) {
             const ERezeptIngredientData* i = activeIngredient(d);
             return i && !present(i->wirkstaerke);
         },
         "Die Wirkstärke ist nicht vorhanden. Bitte prüfen Sie die Angaben zum E-Rezept.", nullptr},
        {130, kBoth,
         [](const ERezeptData& d) {
             const ERezeptIngredientData* i = activeIngredient(d);
             return i && presentWithBadLength(i->wirkstaerke, 1, 15);
         },
         "Die Wirkstärke ist zu lang. Es dürfen maximal 15 Zeichen verwendet werden. Bitte prüfen Sie die Angaben zum "
         "E-Rezept.",
         nullptr},
        {131, kBoth,
         [](const ERezeptData& d) {
             const ERezeptIngredientData* i = activeIngredient(d);
             return i && !present(i->wirkstaerkeneinheit);
         },
         "Die Wirkstärkeneinheit ist nicht vorhanden. Bitte prüfen Sie die Angaben zum E-Rezept.", nullptr},
        {132, kBoth,
         [](const ERezeptData& d) {
             const ERezeptIngredientData* i = activeIngredient(d);
             return i && presentWithBadLength(i->wirkstaerkeneinheit, 1, 15);
         },
         "Die Wirkstärkeneinheit ist zu lang. Es dürfen maximal 15 Zeichen verwendet werden. Bitte prüfen Sie die "
         "Angaben zum E-Rezept.",
         nullptr},
    };
}

}  // namespace fhir::erezeptchecks
