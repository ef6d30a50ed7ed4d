// Reader of the answer to an eAU 1.2.0 certificate.
#pragma once

#include <cstdint>
#include <string>

#include "boundary/Wrapper.h"
#include "usecases/shared/answerReading.h"

namespace fhir {

class eauOperationOutcome1_2_0_Wrapper : public Wrapper {
public:
    eauOperationOutcome1_2_0_Wrapper() = default;
    ~eauOperationOutcome1_2_0_Wrapper() = default;

    // Reads the received XML text (UTF-8). Returns 0, 13, 1465, 1359 or 574;
    // every failure leaves one message.
    std::int32_t read(const std::string& text);
    const AnswerIssue& answer() const { return answer_; }

private:
    AnswerIssue answer_;
};

}  // namespace fhir
