// The cancellation of an earlier certificate as the host fills it.
#pragma once

#include "boundary/HostString.h"
#include "usecases/eau/EauRecord.h"

struct EauStornoRecord {
    HostString dokumentenid;  // identifier of the cancellation document
    HostString dokumentenidsubmission;  // identifier of the cancelled certificate
    HostString stornodatum;  // cancellation date; selects the profile version
    EauPerson person;  // the person who cancels
    EauInstitution institution;
};
