#include "usecases/eau/checks.h"

#include <string>

#include "boundary/quillkit.h"
#include "usecases/eau/checksGroups.h"
#include "usecases/eau/checksHelpers.h"

namespace fhir {
namespace eauchecks {

const std::vector<RecordCheck>& recordChecks() {
    static const std::vector<RecordCheck> kChecks = [] {
        std::vector<RecordCheck> all;
        for (auto group : {insuredChecks, personChecks, institutionChecks, certificateChecks}) {
            const std::vector<RecordCheck> rows = group();
            all.insert(all.end(), rows.begin(), rows.end());
        }
        return all;
    }();
    return kChecks;
}

const std::vector<DiagnosisCheck>& diagnosisChecks() {
    static const std::vector<DiagnosisCheck> kChecks = {
        {75, [](const EauDiagnosisData& g) { return !present(g.code); },
         [](int n) { return "Für Diagnose #" + std::to_string(n) + " ist kein ICD-10-Code vorhanden."; }},
        {76, [](const EauDiagnosisData& g) { return presentWithBadLength(g.code, 3, 6); },
         [](int n) {
             return "Für Diagnose #" + std::to_string(n) +
                    " ist ein ungültiger ICD-10-Code vorhanden. Ein ICD-10-Code darf nur 3-6 Zeichen enthalten. "
                    "Bitte wenden Sie sich an die Tevo-Hotline.";
         }},
        {77, [](const EauDiagnosisData& g) { return !present(g.version); },
         [](int n) {
             return "Für Diagnose #" + std::to_string(n) +
                    " ist keine Version vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.";
         }},
        {78, [](const EauDiagnosisData& g) { return presentWithBadLength(g.version, 4, 4); },
         [](int n) {
             return "Die Version für Diagnose #" + std::to_string(n) +
                    " ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.";
         }},
    };
    return kChecks;
}

namespace {

unsigned maskOf(tevo::ProfileVersion version) {
    return version == tevo::ProfileVersion::V1_2 ? kV120 : kV110;
}

// Messages are written in UTF-8 and handed to the host in code page 1252.
HostString toHost(const std::string& utf8) { return UTF8ToAnsi(HostString(utf8)); }

}  // namespace
}  // namespace eauchecks

std::vector<HostString> runEauChecks(const EauData& data, tevo::ProfileVersion version) {
    using namespace eauchecks;
    const unsigned mask = maskOf(version);
    std::vector<HostString> messages;
    for (const RecordCheck& check : recordChecks()) {
        if ((check.versions & mask) != 0 && check.fails(data)) {
            messages.push_back(toHost(check.buildMessage ? check.buildMessage(data) : std::string(check.message)));
        }
    }
    int position = 0;
    for (const EauDiagnosisData& diagnosis : data.diagnosen) {
        ++position;
        for (const DiagnosisCheck& check : diagnosisChecks()) {
            if (check.fails(diagnosis)) {
                messages.push_back(toHost(check.message(position)));
            }
        }
    }
    return messages;
}

}  // namespace fhir
