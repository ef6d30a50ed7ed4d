// The eAU 1.1.0 certificate: checks its data and writes the document.
#pragma once

#include <string>
#include <utility>

#include "boundary/Wrapper.h"
#include "usecases/eau/EauData.h"

namespace fhir {

class eau1_1_0_Wrapper : public Wrapper {
public:
    eau1_1_0_Wrapper() = default;
    ~eau1_1_0_Wrapper() = default;

    void setData(const EauData& data) { data_ = data; }
    void setData(EauData&& data) { data_ = std::move(data); }
    // Runs every check of the certificate; true when none failed.
    bool run() override;
    // The written Bundle (UTF-8, with XML declaration).
    std::string getDocumentText() const;

protected:
    EauData data_;
};

}  // namespace fhir
