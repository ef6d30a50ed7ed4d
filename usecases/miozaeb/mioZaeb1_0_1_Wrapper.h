// The bonus-booklet entry (MIO ZAEB 1.1.0): checks its data and writes the
// document.
#pragma once

#include <string>

#include "boundary/Wrapper.h"
#include "usecases/miozaeb/ZaebData.h"

namespace fhir {

class mioZaeb1_0_1_Wrapper : public Wrapper {
public:
    mioZaeb1_0_1_Wrapper() = default;
    ~mioZaeb1_0_1_Wrapper() = default;

    void setData(const ZaebData& data) { data_ = data; }
    // Runs every check of the entry; true when none failed.
    bool run() override;
    // The written Bundle (UTF-8, with XML declaration).
    std::string getDocumentText() const;

private:
    ZaebData data_;
};

}  // namespace fhir
