// Builder of the VoS document handed to prescribing software. It runs no
// checks: every record yields a document.
#pragma once

#include <string>

#include "boundary/Wrapper.h"
#include "usecases/vos/VosRecord.h"

namespace fhir {

class vos2_1_0_Wrapper : public Wrapper {
public:
    vos2_1_0_Wrapper() = default;
    ~vos2_1_0_Wrapper() = default;

    // Copies the record as it is: no field is trimmed, cut or converted.
    void setData(const VosRecord& record) { record_ = record; }
    // The written document with XML declaration, its texts in the host's
    // code page as the record holds them (the export converts it to UTF-8).
    // Throws std::invalid_argument when the clock cannot be converted.
    std::string getDocumentText() const;

private:
    VosRecord record_;
};

}  // namespace fhir
