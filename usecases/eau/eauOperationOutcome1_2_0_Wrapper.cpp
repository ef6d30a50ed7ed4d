#include "usecases/eau/eauOperationOutcome1_2_0_Wrapper.h"

#include "fhir/r4/kbvitaeau/v1_2_0/KBV_PR_EAU_health_insurance_Practitioner.h"

namespace fhir {

std::int32_t eauOperationOutcome1_2_0_Wrapper::read(const std::string& text) {
    messages_.RemoveAll();
    answer_ = AnswerIssue();
    static constexpr shared::AnswerRules kRules{true, true};
    return shared::readAnswer(*this, text, kRules,
                           &shared::hasIssue<r4::kbvitaeau::v1_2_0::KBV_PR_EAU_health_insurance_Practitioner>, answer_);
}

}  // namespace fhir
