// Checks 59-74: dates, kind of certificate, measures and the diagnosis list.
#include <algorithm>

#include "usecases/eau/checksGroups.h"
#include "usecases/eau/checksHelpers.h"

namespace fhir::eauchecks {
namespace {

bool isDate(const std::string& value) { return tevo::checkLength(value, 8, 10); }
bool presentAndNoDate(const std::string& value) { return present(value) && !isDate(value); }

constexpr std::size_t kMaximumDiagnoses = 6;

}  // namespace

std::vector<RecordCheck> certificateChecks() {
    return {
        {59, kAllVersions, [](const EauData& d) { return !present(d.ausstellungsdatum); },
         "Das Ausstellungsdatum ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {60, kAllVersions, [](const EauData& d) { return presentAndNoDate(d.ausstellungsdatum); },
         "Das Ausstellungsdatum ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {61, kAllVersions,
         [](const EauData& d) {
             return isOneOf(d.auType, {eaucode::kAuFirst, eaucode::kAuFirstFinal}) && !present(d.auseit);
         },
         "Das arbeitsunfähig seit Datum ist nicht vorhanden. Bitte prüfen Sie die Datumsangaben in der eAU.", nullptr},
        {62, kAllVersions, [](const EauData& d) { return presentAndNoDate(d.auseit); },
         "Das arbeitsunfähig-seit-Datum ist ungültig. Bitte prüfen Sie die Datumsangaben in der eAU.", nullptr},
        {63, kAllVersions, [](const EauData& d) { return !present(d.voraussichtlichaubis); },
         "Das voraussichtlich-arbeitsunfähig-bis-Datum ist nicht vorhanden. Bitte prüfen Sie die Datumsangaben in "
         "der eAU.",
         nullptr},
        {64, kAllVersions, [](const EauData& d) { return presentAndNoDate(d.voraussichtlichaubis); },
         "Das voraussichtlich-arbeitsunfähig-bis-Datum ist ungültig. Bitte prüfen Sie die Datumsangaben in der eAU.",
         nullptr},
        {65, kAllVersions, [](const EauData& d) { return payerIsPkv(d) && presentAndNoDate(d.teilweisearbeitsfaehigab); },
         "Das teilweise-arbeitsfähig-ab-Datum für PKV-Versicherte ist ungültig. Bitte prüfen Sie die Datumsangaben "
         "in der eAU.",
         nullptr},
        {66, kAllVersions, [](const EauData& d) { return !present(d.festgestelltam); },
         "Das festgestellt-am-Datum ist nicht vorhanden. Bitte prüfen Sie die Datumsangaben in der eAU.", nullptr},
        {67, kAllVersions, [](const EauData& d) { return presentAndNoDate(d.festgestelltam); },
         "Das festgestellt-am-Datum ist ungültig. Bitte prüfen Sie die Datumsangaben in der eAU.", nullptr},
        {68, kAllVersions, [](const EauData& d) { return d.auType == 0; },
         "Die Art der AU ist nicht vorhanden (Erst, Folge, Erst-End, Folge-End). Bitte prüfen Sie die Angaben in der "
         "eAU.",
         nullptr},
        {69, kAllVersions, [](const EauData& d) { return payerIsPkv(d) && presentAndNoDate(d.aufnahmedatum); },
         "Das Aufnahmedatum bspw. in die Reha, stationäre Behandlung usw. für PKV-Versicherte ist ungültig. Bitte "
         "prüfen Sie die Datumsangaben in der eAU.",
         nullptr},
        {70, kAllVersions, [](const EauData& d) { return payerIsPkv(d) && presentAndNoDate(d.entlassungsdatum); },
         "Das Entlassungsdatum bspw. aus der Reha, stationären Behandlung usw. für PKV-Versicherte ist ungültig. "
         "Bitte prüfen Sie die Datumsangaben in der eAU.",
         nullptr},
        {71, kAllVersions, [](const EauData& d) { return payerIsPkv(d) && presentAndNoDate(d.wiedereingliederungab); },
         "Das Wiedereingliederung-ab-Datum für PKV-Versicherte ist ungültig. Bitte prüfen Sie die Datumsangaben in "
         "der eAU.",
         nullptr},
        {72, kAllVersions,
         [](const EauData& d) {
             const bool otherMeasures =
                 std::find(d.measures.begin(), d.measures.end(), eaucode::kMeasureOther) != d.measures.end();
             return otherMeasures && !present(d.sonstigetext);
         },
         "Der Text für Sonstige Maßnahmen darf nicht leer sein, wenn sonstige Maßnahmen ausgewählt sind. Bitte "
         "überprüfen Sie die Angaben zu den Maßnahmen in der eAU.",
         nullptr},
        {73, kAllVersions, [](const EauData& d) { return d.diagnosen.empty(); },
         "Es ist keine ICD-10-Diagnose vorhanden. Bitte tragen Sie eine ICD-10-Diagnose in die dafür vorgesehenen "
         "Felder ein.",
         nullptr},
        {74, kAllVersions, [](const EauData& d) { return d.diagnosen.size() > kMaximumDiagnoses; },
         "Es können maximal 6 ICD-10-Diagnosen angegeben werden.", nullptr},
    };
}

}  // namespace fhir::eauchecks
