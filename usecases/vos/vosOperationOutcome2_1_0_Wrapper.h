// Reader of the prescribing software's answer: a FHIR OperationOutcome whose
// issues carry the answered bundle or the message in an extension and an
// error code and text in their details.
#pragma once

#include <cstdint>
#include <string>

#include "boundary/Wrapper.h"

namespace fhir {

// The values of the answer, UTF-8 as received. With several issues,
// extensions or codings the last one found wins.
struct VosAnswer {
    std::string key;  // url of the extension: "Bundle-Identifier", "Message-ID"
    std::string value;
    std::string severity;
    std::string code;
    std::string display;
};

class vosOperationOutcome2_1_0_Wrapper : public Wrapper {
public:
    vosOperationOutcome2_1_0_Wrapper() = default;
    ~vosOperationOutcome2_1_0_Wrapper() = default;

    // Reads the received XML text. Returns 0, 13 for a document without
    // element, or 1465, 1359, 574 for failures; every failure leaves one
    // message and the values found so far.
    std::int32_t read(const std::string& text);
    const VosAnswer& answer() const { return answer_; }

private:
    VosAnswer answer_;
};

}  // namespace fhir
