// Checks 93-107: date, category, the flags of practice supply and the
// multiple prescription.
#include "usecases/erezept/checksTable.h"

namespace fhir::erezeptchecks {
namespace {

bool multiple(const ERezeptData& d) { return d.kennzeichenmehrfachverordnung; }

// The category counts only on a medication object that exists.
bool anyMedicationWithCategory(const ERezeptData& d) {
    const ERezeptMedications& m = d.medications;
    return (m.finishedProduct && m.finishedProduct->category != 0) ||
           (m.activeIngredient && m.activeIngredient->category != 0) ||
           (m.compounding && m.compounding->category != 0) || (m.freeText && m.freeText->category != 0);
}

}  // namespace

std::vector<RecordCheck> prescriptionChecks() {
    return {
        {93, kBoth, [](const ERezeptData& d) { return !present(d.ausstellungsdatum); },
         "Ausstellungsdatum der Verordnung ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {94, kBoth, [](const ERezeptData& d) { return presentWithBadLength(d.ausstellungsdatum, 8, 10); },
         "Ausstellungsdatum der Verordnung ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {95, kBoth, [](const ERezeptData& d) { return !anyMedicationWithCategory(d); },
         "Die Kategorie der Verordnung ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {96, kBoth, [](const ERezeptData& d) { return supply(d) && d.noctucitu; },
         "Bei Sprechstundenbedarf darf die Kennzeichnung, ob diese Verordnung auch während der allgemeinen "
         "Ladenschlusszeiten beliefert werden soll, nicht gesetzt werden. Bitte prüfen Sie die Angaben zur "
         "Verordnung.",
         nullptr},
        {97, kBoth, [](const ERezeptData& d) { return supply(d) && d.bvg; },
         "Bei Sprechstundenbedarf darf die Kennzeichnung, ob diese Verordnung für Anspruchsberechtigte nach dem "
         "Bundesentschädigungsgesetz (BEG) oder für Anspruchsberechtigte nach dem Bundesversorgungsgesetz (BVG) "
         "erfolgt, nicht gesetzt werden. Bitte prüfen Sie die Angaben zur Verordnung.",
         nullptr},
        {98, kBoth, [](const ERezeptData& d) { return supply(d) && multiple(d); },
         "Bei Sprechstundenbedarf darf die Kennzeichnung, ob es sich bei der Verordnung um eine Mehrfachverordnung "
         "handelt, nicht gesetzt werden. Bitte prüfen Sie die Angaben zur Verordnung.",
         nullptr},
        {99, kBoth, [](const ERezeptData& d) { return multiple(d) && !present(d.idmehrfachverordnung); },
         "Die ID der Mehrfachverordnung fehlt. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {100, kBoth, [](const ERezeptData& d) { return multiple(d) && presentWithBadLength(d.idmehrfachverordnung, 36, 36); },
         "Die ID der Mehrfachverordnung ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {101, kBoth, [](const ERezeptData& d) { return multiple(d) && d.zaehlermehrfachverordnung == 0; },
         "Der Zähler der Mehrfachverordnung ist nicht vorhanden. Bitte prüfen Sie die Angaben zur "
         "Mehrfachverordnung.",
         nullptr},
        {102, kBoth,
         [](const ERezeptData& d) { return multiple(d) && static_cast<long long>(d.nennermehrfachverordnung) == 0; },
         "Der Nenner der Mehrfachverordnung ist nicht vorhanden. Bitte prüfen Sie die Angaben zur "
         "Mehrfachverordnung.",
         nullptr},
        {103, kBoth, [](const ERezeptData& d) { return multiple(d) && !present(d.beginnmehrfachverordnung); },
         "Der Beginn der Einlösefrist der Mehrfachverordnung ist nicht vorhanden. Bitte prüfen Sie die Angaben zur "
         "Mehrfachverordnung.",
         nullptr},
        {104, kBoth,
         [](const ERezeptData& d) { return multiple(d) && presentWithBadLength(d.beginnmehrfachverordnung, 8, 10); },
         "Der Beginn der Einlösefrist der Mehrfachverordnung ist ungültig. Bitte prüfen Sie die Angaben zur "
         "Mehrfachverordnung.",
         nullptr},
        {105, kBoth,
         [](const ERezeptData& d) { return multiple(d) && presentWithBadLength(d.endemehrfachverordnung, 8, 10); },
         "Das Ende der Einlösefrist der Mehrfachverordnung ist ungültig. Bitte prüfen Sie die Angaben zur "
         "Mehrfachverordnung.",
         nullptr},
        {106, kBoth, [](const ERezeptData& d) { return !multiple(d) && present(d.idmehrfachverordnung); },
         "Die ID der Mehrfachverordnung darf nicht vorhanden sein. Bitte prüfen Sie die Angaben zur "
         "Mehrfachverordnung.",
         nullptr},
        // Row 107, four checks in our own wording after row 106.
        {107, kBoth, [](const ERezeptData& d) { return !multiple(d) && d.zaehlermehrfachverordnung > 0; },
         "Der Zähler der Mehrfachverordnung darf nur bei einer Mehrfachverordnung vorhanden sein. Bitte prüfen Sie "
         "die Angaben zur Mehrfachverordnung.",
         nullptr},
        {107, kBoth, [](const ERezeptData& d) { return !multiple(d) && d.nennermehrfachverordnung > 0.0; },
         "Der Nenner der Mehrfachverordnung darf nur bei einer Mehrfachverordnung vorhanden sein. Bitte prüfen Sie "
         "die Angaben zur Mehrfachverordnung.",
         nullptr},
        {107, kBoth, [](const ERezeptData& d) { return !multiple(d) && present(d.beginnmehrfachverordnung); },
         "Der Beginn der Einlösefrist darf nur bei einer Mehrfachverordnung vorhanden sein. Bitte prüfen Sie die "
         "Angaben zur Mehrfachverordnung.",
         nullptr},
        {107, kBoth, [](const ERezeptData& d) { return !multiple(d) && present(d.endemehrfachverordnung); },
         "Das Ende der Einlösefrist darf nur bei einer Mehrfachverordnung vorhanden sein. Bitte prüfen Sie die "
         "Angaben zur Mehrfachverordnung.",
         nullptr},
    };
}

}  // namespace fhir::erezeptchecks
