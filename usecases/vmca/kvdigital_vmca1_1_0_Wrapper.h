// The appointment-service request: checks its data and writes the document.
#pragma once

#include <string>

#include "boundary/Wrapper.h"
#include "usecases/vmca/VmcaData.h"

namespace fhir {

class kvdigital_vmca1_1_0_Wrapper : public Wrapper {
public:
    kvdigital_vmca1_1_0_Wrapper() = default;
    ~kvdigital_vmca1_1_0_Wrapper() = default;

    void setData(const VmcaData& data) { data_ = data; }
    // Runs every check of the request; true when none failed.
    bool run() override;
    // The written Parameters resource (UTF-8, without XML declaration).
    std::string getDocumentText() const;

private:
    VmcaData data_;
};

}  // namespace fhir
