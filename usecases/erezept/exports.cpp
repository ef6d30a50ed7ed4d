// The eRezept export of the host interface.
#include <cstdint>

#include "boundary/BuildingCall.h"
#include "boundary/Export.h"
#include "boundary/ExportResult.h"
#include "boundary/HostString.h"
#include "boundary/ProfileVersion.h"
#include "boundary/ResultCode.h"
#include "tevofhir/tevo.h"
#include "usecases/erezept/convert.h"
#include "usecases/erezept/ERezeptWrapper.h"

TEVO_EXPORT std::int32_t TevoCreateERezeptBundle(ERezeptRecord* record, ExportResult* result, HostString* messages) {
    // No record is treated like an empty one: without a date of issue there
    // is no profile version, and nothing is written.
    if (!record) {
        return tevo::result::kNoProfileVersion;
    }
    const tevo::ProfileVersion version = tevo::selectProfileVersion(record->verordnung.ausstellungsdatum);
    switch (version) {
        case tevo::ProfileVersion::V1_1:
            return tevo::runBuildingCall<fhir::erezept1_1_0_Wrapper>(fhir::convertERezeptRecord(*record, version),
                                                                     result, messages);
        case tevo::ProfileVersion::V1_2:
            return tevo::runBuildingCall<fhir::erezept1_3_2_Wrapper>(fhir::convertERezeptRecord(*record, version),
                                                                     result, messages);
        case tevo::ProfileVersion::None:
            break;
    }
    return tevo::result::kNoProfileVersion;
}
