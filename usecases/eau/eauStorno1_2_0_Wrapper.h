// The cancellation of an eAU 1.2.0 certificate. It runs no checks of its own:
// the export writes the document directly.
#pragma once

#include <string>

#include "usecases/eau/EauData.h"
#include "usecases/eau/eau1_2_0_Wrapper.h"

namespace fhir {

class eauStorno1_2_0_Wrapper : public eau1_2_0_Wrapper {
public:
    void setData(const EauStornoData& data) { stornoData_ = data; }
    // The written cancellation Bundle (UTF-8, with XML declaration).
    std::string getDocumentText() const;

private:
    EauStornoData stornoData_;
};

}  // namespace fhir
