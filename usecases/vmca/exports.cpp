// The VMCA exports of the host interface: the appointment-service request,
// the reading of its answer and the two code lists.
#include <cstdint>

#include "boundary/BuildingCall.h"
#include "boundary/Export.h"
#include "boundary/ResultCode.h"
#include "boundary/quillkit.h"
#include "tevofhir/tevo.h"
#include "usecases/vmca/codeLists.h"
#include "usecases/vmca/convert.h"
#include "usecases/vmca/kvdigital_vmca1_1_0_Wrapper.h"
#include "usecases/vmca/kvdigital_vmcaOperationOutcome1_1_0_Wrapper.h"

namespace {

// Written whatever the status: the reader leaves every value empty when it
// could not read the answer. Only the code is handed over as received.
void fillAnswerResult(const fhir::VmcaAnswer& answer, ExportResult& result) {
    result.errorFlag = !answer.code.empty();
    result.errorCode = HostString(answer.code);
    result.errorText = UTF8ToAnsi(HostString(answer.text));
    result.document = UTF8ToAnsi(HostString(answer.identifier));
    result.validation = UTF8ToAnsi(HostString(answer.url));
}

}  // namespace

TEVO_EXPORT std::int32_t TevoCreateVMCA_REQUEST(VmcaRecord* record, HostString* document, HostString* messages) {
    // No record is checked like an empty one.
    const VmcaRecord request = record ? *record : VmcaRecord();
    return tevo::runBuildingCall<fhir::kvdigital_vmca1_1_0_Wrapper>(fhir::convertVmcaRecord(request), document,
                                                                     messages);
}

TEVO_EXPORT std::int32_t TevoReadVMCA_REQUESTOperationOutcome(HostString* answerText, ExportResult* result) {
    fhir::kvdigital_vmcaOperationOutcome1_1_0_Wrapper reader;
    const std::int32_t status = reader.read(answerText ? answerText->str() : std::string());
    if (result) {
        fillAnswerResult(reader.answer(), *result);
    }
    return status;
}

TEVO_EXPORT std::int32_t TevoGetVMCAZusatzbezeichnungen(VmcaCodeList* list) {
    if (list) {
        fhir::vmca::addAdditionalQualifications(*list);
    }
    return tevo::result::kOk;
}

TEVO_EXPORT std::int32_t TevoGetVMCAFacharztgruppen(VmcaCodeList* list) {
    if (list) {
        fhir::vmca::fillSpecialistGroups(*list);
    }
    return tevo::result::kOk;
}
