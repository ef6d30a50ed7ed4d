// Checks 133-143: the compounding with its components, the ingredients of a
// finished product (1.3.2) and the free text.
#include "usecases/erezept/checksTable.h"

namespace fhir::erezeptchecks {
namespace {

const ERezeptCompoundingData* compounding(const ERezeptData& d) { return presentCompounding(d); }

std::string numbered(const char* prefix, int position, const char* suffix) {
    return prefix + std::to_string(position) + suffix;
}

// A component gives its quantity either as quantity and unit or as free text.
bool quantityFormsAmbiguous(const ERezeptComponentData& c) {
    return (present(c.menge) && present(c.einheit)) == present(c.mengeundeinheit);
}

constexpr const char* kIngredientSuffixMissing =
    ". Wirkstoffs ist nicht vorhanden. Bitte prüfen Sie die Angaben zum E-Rezept bzw. zum Fertigarzneimittel.";

// The four values of an ingredient entry after its name: value, the first
// prefix for "missing", the second prefix for "too long".
struct IngredientPart {
    std::string ERezeptIngredientData::*value;
    const char* missingPrefix;
    const char* tooLongPrefix;
};
constexpr IngredientPart kIngredientParts[] = {
    {&ERezeptIngredientData::wirkstaerke, "Der Wirkstärkenwert des ", "Der Wirkstärkenwert ("},
    {&ERezeptIngredientData::wirkstaerkeneinheit, "Die Wirkstärkeneinheit des ", "Die Wirkstärkeneinheit ("},
    {&ERezeptIngredientData::bezugsmenge, "Der Bezugsmengenwert des ", "Der Bezugsmengenwert ("},
    {&ERezeptIngredientData::bezugsmengeneinheit, "Die Bezugsmengeneinheit des ", "Die Bezugsmengeneinheit ("},
};

template <std::size_t kPart>
EntryCheck<ERezeptIngredientData> partMissing() {
    return {[](const ERezeptIngredientData& i) { return !present(i.*kIngredientParts[kPart].value); },
            [](const ERezeptIngredientData& i, int n) {
                return kIngredientParts[kPart].missingPrefix + std::to_string(n) + ". Wirkstoffs (" +
                       i.wirkstoffname +
                       ") ist nicht vorhanden. Bitte prüfen Sie die Angaben zum E-Rezept bzw. zum Fertigarzneimittel.";
            }};
}

template <std::size_t kPart>
EntryCheck<ERezeptIngredientData> partTooLong() {
    return {[](const ERezeptIngredientData& i) { return presentWithBadLength(i.*kIngredientParts[kPart].value, 1, 15); },
            [](const ERezeptIngredientData& i, int n) {
                return kIngredientParts[kPart].tooLongPrefix + i.*kIngredientParts[kPart].value + ") des " +
                       std::to_string(n) + ".Wirkstoffs (" + i.wirkstoffname +
                       ") ist zu lang. Es dürfen maximal 15 Zeichen verwendet werden. Bitte prüfen Sie die Angaben "
                       "zum E-Rezept bzw.zum Fertigarzneimittel.";
            }};
}

}  // namespace

std::vector<RecordCheck> compoundingChecks() {
    return {
        {133, kBoth,
         [](const ERezeptData& d) { return compounding(d) && presentWithBadLength(compounding(d)->rezepturname, 1, 70); },
         "Der Name der Rezeptur ist zu lang. Es dürfen maximal 70 Zeichen verwendet werden. Bitte prüfen Sie die "
         "Angaben zum E-Rezept.",
         nullptr},
        {134, kBoth, [](const ERezeptData& d) { return compounding(d) && !present(compounding(d)->gesamtmenge); },
         "Die Gesamtmenge der Rezeptur ist nicht vorhanden. Bitte prüfen Sie die Angaben zum E-Rezept.", nullptr},
        {135, kBoth,
         [](const ERezeptData& d) { return compounding(d) && presentWithBadLength(compounding(d)->gesamtmenge, 1, 7); },
         "Die Gesamtmenge der Rezeptur ist zu lang. Es dürfen maximal 7 Zeichen verwendet werden. Bitte prüfen Sie "
         "die Angaben zum E-Rezept.",
         nullptr},
        {136, kBoth,
         [](const ERezeptData& d) { return compounding(d) && !present(compounding(d)->gesamtmengeneinheit); },
         "Die Einheit der Gesamtmenge der Rezeptur ist nicht vorhanden. Bitte prüfen Sie die Angaben zum E-Rezept.",
         nullptr},
        {137, kBoth,
         [](const ERezeptData& d) {
             return compounding(d) && presentWithBadLength(compounding(d)->gesamtmengeneinheit, 1, 12);
         },
         "Die Einheit der Gesamtmenge der Rezeptur ist zu lang. Es dürfen maximal 12 Zeichen verwendet werden. Bitte "
         "prüfen Sie die Angaben zum E-Rezept.",
         nullptr},
        {138, kBoth,
         [](const ERezeptData& d) {
             return compounding(d) && presentWithBadLength(compounding(d)->herstellungsanweisung, 1, 500);
         },
         "Die Herstellungsanweisung der Rezeptur (Subscriptio) ist zu lang. Es dürfen maximal 500 Zeichen verwendet "
         "werden. Bitte prüfen Sie die Angaben zum E-Rezept.",
         nullptr},
        {139, kBoth,
         [](const ERezeptData& d) { return compounding(d) && presentWithBadLength(compounding(d)->verpackung, 1, 90); },
         "Die Verpackung der Rezeptur ist zu lang. Es dürfen maximal 90 Zeichen verwendet werden. Bitte prüfen Sie "
         "die Angaben zum E-Rezept.",
         nullptr},
        {140, kBoth, [](const ERezeptData& d) { return compounding(d) && !present(d.gebrauchsanweisung); },
         "Die Gebrauchsanweisung der Rezeptur ist nicht vorhanden. Bitte prüfen Sie die Angaben zum E-Rezept.",
         nullptr},
        {141, kBoth,
         [](const ERezeptData& d) { return compounding(d) && presentWithBadLength(d.gebrauchsanweisung, 1, 500); },
         "Die Gebrauchsanweisung der Rezeptur ist zu lang. Es dürfen maximal 500 Zeichen verwendet werden. Bitte "
         "prüfen Sie die Angaben zum E-Rezept.",
         nullptr},
    };
}

const std::vector<EntryCheck<ERezeptComponentData>>& componentChecks() {
    using C = ERezeptComponentData;
    static const std::vector<EntryCheck<C>> kChecks = {
        {[](const C& c) { return !present(c.name); },
         [](const C&, int n) {
             return numbered("Der Name des ", n,
                             ". Bestandteils der Rezeptur ist nicht vorhanden. Bitte prüfen Sie die Angaben zum "
                             "E-Rezept.");
         }},
        {[](const C& c) { return presentWithBadLength(c.name, 1, 60); },
         [](const C&, int n) {
             return numbered("Der Name des ", n,
                             ". Bestandteils der Rezeptur ist zu lang. Es dürfen maximal 60 Zeichen verwendet werden. "
                             "Bitte prüfen Sie die Angaben zum E-Rezept.");
         }},
        {[](const C& c) { return presentWithBadLength(c.pzn, 1, 10); },
         [](const C&, int n) {
             return numbered("Die PZN des ", n,
                             ". Bestandteils der Rezeptur ist zu lang. Es dürfen maximal 10 Zeichen verwendet werden. "
                             "Bitte prüfen Sie die Angaben zum E-Rezept.");
         }},
        {[](const C& c) { return presentWithBadLength(c.darreichungsform, 1, 30); },
         [](const C&, int n) {
             return numbered("Die Freitext Darreichungsform des ", n,
                             ". Bestandteils der Rezeptur ist zu lang. Es dürfen maximal 30 Zeichen verwendet werden. "
                             "Bitte prüfen Sie die Angaben zum E-Rezept.");
         }},
        {quantityFormsAmbiguous,
         [](const C&, int n) {
             return numbered("Entweder müssen die Menge und Einheit des ", n,
                             ". Bestandteils der Rezeptur als Freitext oder getrennt angegeben werden. Bitte prüfen "
                             "Sie die Angaben zum E-Rezept.");
         }},
        {[](const C& c) { return presentWithBadLength(c.menge, 1, 7); },
         [](const C&, int n) {
             return numbered("Die Menge des ", n,
                             ". Bestandteils der Rezeptur ist zu lang. Es dürfen maximal 7 Zeichen verwendet werden. "
                             "Bitte prüfen Sie die Angaben zum E-Rezept.");
         }},
        {[](const C& c) { return !present(c.menge) && present(c.einheit); },
         [](const C&, int n) {
             return numbered("Die Menge des ", n,
                             ". Bestandteils der Rezeptur ist nicht vorhanden. Bitte prüfen Sie die Angaben zum "
                             "E-Rezept.");
         }},
        {[](const C& c) { return present(c.menge) && !present(c.einheit); },
         [](const C&, int n) {
             return numbered("Die Einheit des ", n,
                             ". Bestandteils der Rezeptur ist nicht vorhanden. Bitte prüfen Sie die Angaben zum "
                             "E-Rezept.");
         }},
        {[](const C& c) { return presentWithBadLength(c.einheit, 1, 12); },
         [](const C&, int n) {
             return numbered("Die Einheit des ", n,
                             ". Bestandteils der Rezeptur ist zu lang. Es dürfen maximal 12 Zeichen verwendet werden. "
                             "Bitte prüfen Sie die Angaben zum E-Rezept.");
         }},
        {[](const C& c) { return presentWithBadLength(c.mengeundeinheit, 1, 20); },
         [](const C&, int n) {
             return numbered("Die freitextliche Angabe zur Menge und Einheit des ", n,
                             ". Bestandteils der Rezeptur ist zu lang. Es dürfen maximal 20 Zeichen verwendet werden. "
                             "Bitte prüfen Sie die Angaben zum E-Rezept.");
         }},
    };
    return kChecks;
}

const std::vector<EntryCheck<ERezeptIngredientData>>& ingredientChecks() {
    using I = ERezeptIngredientData;
    static const std::vector<EntryCheck<I>> kChecks = {
        {[](const I& i) { return !present(i.wirkstoffname); },
         [](const I&, int n) { return numbered("Der Name des ", n, kIngredientSuffixMissing); }},
        {[](const I& i) { return presentWithBadLength(i.wirkstoffname, 1, 80); },
         [](const I&, int n) {
             return numbered("Der Name des ", n,
                             ". Wirkstoffs ist zu lang. Es dürfen maximal 80 Zeichen verwendet werden. Bitte prüfen "
                             "Sie die Angaben zum E-Rezept bzw. zum Fertigarzneimittel.");
         }},
        partMissing<0>(), partTooLong<0>(), partMissing<1>(), partTooLong<1>(),
        partMissing<2>(), partTooLong<2>(), partMissing<3>(), partTooLong<3>(),
    };
    return kChecks;
}

std::vector<RecordCheck> freeTextChecks() {
    return {
        {143, kBoth,
         [](const ERezeptData& d) {
             const ERezeptFreeTextData* m = presentFreeText(d);
             return m && presentWithBadLength(m->freitextverordnung, 1, 500);
         },
         "Die Freitextverordnung ist zu lang. Es dürfen maximal 500 Zeichen verwendet werden. Bitte prüfen Sie die "
         "Angaben zum E-Rezept.",
         nullptr},
    };
}

}  // namespace fhir::erezeptchecks
