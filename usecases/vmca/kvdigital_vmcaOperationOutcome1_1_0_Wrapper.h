// Reader of the appointment service's answer to a request: a Parameters
// resource with the booking's identifier and URL, or an OperationOutcome
// with an error. It walks the XML nodes only.
#pragma once

#include <cstdint>
#include <string>

#include "boundary/Wrapper.h"

namespace fhir {

// The values of the answer, UTF-8, as received; empty when absent.
struct VmcaAnswer {
    std::string url;  // Parameters: valueUrl of the last parameter with one
    std::string identifier;  // Parameters: value of the last valueIdentifier
    std::string severity;  // OperationOutcome: the severity
    std::string code;  // OperationOutcome: code of the details' coding
    std::string text;  // OperationOutcome: diagnostics, else the coding's display
};

class kvdigital_vmcaOperationOutcome1_1_0_Wrapper : public Wrapper {
public:
    kvdigital_vmcaOperationOutcome1_1_0_Wrapper() = default;
    ~kvdigital_vmcaOperationOutcome1_1_0_Wrapper() = default;

    // Reads the received XML text (UTF-8). Returns 0 for an OperationOutcome
    // or Parameters answer; 13 for a document without element ("XML document
    // is empty.") or with another root (no message); 1465, 1359 or 574 with
    // one message when reading failed, and then the answer stays empty.
    std::int32_t read(const std::string& text);
    const VmcaAnswer& answer() const { return answer_; }

private:
    VmcaAnswer answer_;
};

}  // namespace fhir
