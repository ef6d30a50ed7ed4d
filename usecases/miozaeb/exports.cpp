// The bonus-booklet exports of the host interface.
#include <cstdint>
#include <string>

#include "boundary/BuildingCall.h"
#include "boundary/Export.h"
#include "boundary/ResultCode.h"
#include "tevofhir/tevo.h"
#include "usecases/miozaeb/ZaebData.h"
#include "usecases/miozaeb/mioZaeb1_0_1_Extractor.h"
#include "usecases/miozaeb/mioZaeb1_0_1_Wrapper.h"

// A missing record is checked like an empty one.
TEVO_EXPORT std::int32_t TevoCreateMIOZAEBBundle(ZaebRecord* record, ExportResult* result, HostString* messages) {
    return tevo::runBuildingCall<fhir::mioZaeb1_0_1_Wrapper>(fhir::convertZaebRecord(record ? *record : ZaebRecord()),
                                                              result, messages);
}

// Without a record the bundle is still read, and only the result reported.
TEVO_EXPORT std::int32_t TevoExtractMIOZAEBBundle(ZaebRecord* record, std::string document, HostString* messages) {
    ZaebRecord unused;
    fhir::mioZaeb1_0_1_Extractor extractor;
    const std::int32_t code = extractor.read(document, record ? *record : unused);
    if (code != tevo::result::kOk && messages) {
        *messages = extractor.getMessageText();
    }
    return code;
}
