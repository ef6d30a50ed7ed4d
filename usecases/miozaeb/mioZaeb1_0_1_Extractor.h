// Reads a received bonus-booklet bundle (MIO ZAEB 1.1.0) back into the host
// record: values are picked by element name and copied as they stand in the
// document (UTF-8), without any check of their content.
#pragma once

#include <cstdint>
#include <string>

#include "boundary/Wrapper.h"
#include "usecases/miozaeb/ZaebRecord.h"

namespace fhir {

class mioZaeb1_0_1_Extractor : public Wrapper {
public:
    mioZaeb1_0_1_Extractor() = default;
    ~mioZaeb1_0_1_Extractor() = default;

    // Fills `record` as far as reading gets. Returns 0 when practice, patient
    // and an observation were found; 13 for an empty text, a document that is
    // no Bundle or one that lacks a part; 1465, 1359 or 574 for failures.
    // Every non-zero result leaves its messages.
    std::int32_t read(const std::string& text, ZaebRecord& record);
};

}  // namespace fhir
