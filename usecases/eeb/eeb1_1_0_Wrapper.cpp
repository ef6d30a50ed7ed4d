#include "usecases/eeb/eeb1_1_0_Wrapper.h"

#include "fhir/r4/gematikeeb/v1_1_0/EEBFehler.h"
#include "usecases/eeb/certificateReading.h"
#include "usecases/eeb/checks.h"
#include "usecases/eeb/requestBundle.h"

namespace fhir {

bool eeb1_1_0_Wrapper::run() {
    messages_.RemoveAll();
    for (const HostString& message : runEebChecks(data_)) {
        addMessage(message);
    }
    return messages_.IsEmpty();
}

std::string eeb1_1_0_Wrapper::getDocumentText() const { return eeb::writeRequest(data_); }

std::int32_t eeb1_1_0_Wrapper::readCertificate(const std::string& text) {
    messages_.RemoveAll();
    certificate_ = EebCertificate();
    return eeb::readCertificate(*this, text, certificate_);
}

std::int32_t eeb1_1_0_Wrapper::readAnswer(const std::string& text) {
    messages_.RemoveAll();
    answer_ = AnswerIssue();
    static constexpr shared::AnswerRules kRules{true, true};
    return shared::readAnswer(*this, text, kRules, &shared::hasIssue<r4::gematikeeb::v1_1_0::EEBFehler>, answer_);
}

}  // namespace fhir
