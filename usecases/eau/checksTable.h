// The check tables behind runEauChecks: one row per message, array order is
// output order. Texts are UTF-8 here and become code page 1252 on output.
#pragma once

#include <string>
#include <vector>

#include "usecases/eau/EauData.h"

namespace fhir::eauchecks {

// Which profile versions a row belongs to.
enum VersionMask : unsigned {
    kV110 = 1u,
    kV120 = 2u,
    kAllVersions = kV110 | kV120,
};

// A check on the whole certificate. `buildMessage`, when set, makes a message
// that embeds a value; otherwise `message` is the text.
struct RecordCheck {
    int row;
    unsigned versions;
    bool (*fails)(const EauData&);
    const char* message;
    std::string (*buildMessage)(const EauData&);
};

// A check run for every diagnosis; `message` receives the 1-based position.
struct DiagnosisCheck {
    int row;
    bool (*fails)(const EauDiagnosisData&);
    std::string (*message)(int position);
};

const std::vector<RecordCheck>& recordChecks();
const std::vector<DiagnosisCheck>& diagnosisChecks();

}  // namespace fhir::eauchecks
