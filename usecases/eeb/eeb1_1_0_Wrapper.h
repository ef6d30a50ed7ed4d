// The EEB use case, profiles 1.1.0: checks the request and writes it, and
// reads the insurer's two kinds of answer.
#pragma once

#include <cstdint>
#include <string>

#include "boundary/Wrapper.h"
#include "usecases/eeb/EebCertificate.h"
#include "usecases/eeb/EebData.h"
#include "usecases/shared/answerReading.h"

namespace fhir {

class eeb1_1_0_Wrapper : public Wrapper {
public:
    eeb1_1_0_Wrapper() = default;
    ~eeb1_1_0_Wrapper() = default;

    void setData(const EebData& data) { data_ = data; }
    // Runs every check of the request; true when none failed.
    bool run() override;
    // The written request bundle (UTF-8, with XML declaration).
    std::string getDocumentText() const;

    // Read the received XML text (UTF-8). Both return 0, 13, 1465, 1359 or
    // 574; every failure leaves one message.
    std::int32_t readCertificate(const std::string& text);
    std::int32_t readAnswer(const std::string& text);
    const EebCertificate& certificate() const { return certificate_; }
    const AnswerIssue& answer() const { return answer_; }

private:
    EebData data_;
    EebCertificate certificate_;
    AnswerIssue answer_;
};

}  // namespace fhir
