// Public C++ interface of the library for the host: the eAU host records, the
// result record and the eAU exports. Records and results belong to the
// caller; the library copies what it needs and keeps no pointer.
#pragma once

#include <cstdint>

#include "boundary/ExportResult.h"
#include "boundary/HostString.h"
#include "usecases/eau/EauRecord.h"
#include "usecases/eau/EauStornoRecord.h"

// Builds the certificate (profile version by the issue date). Returns 0 with
// the document in result->document, -1 with the messages (one per line), or
// -2 for an issue date before 20230701 (no profile version; nothing written).
// `noStatusForUnknownCertainty`: a diagnosis certainty other than "A", "G",
// "V", "Z" gets no status when true and is taken as "G" when false.
extern "C" std::int32_t TevoCreateEAUBundle(EauRecord* record, ExportResult* result,
                                            HostString* messages, bool noStatusForUnknownCertainty);

// Builds the cancellation (profile version by the cancellation date); runs no
// checks and returns 0 with the document in result->document, or -2 for a
// cancellation date before 20230701 (nothing written).
extern "C" std::int32_t TevoCreateEAUStornoBundle(EauStornoRecord* record, ExportResult* result);

// Reads the receiver's OperationOutcome answer into `result`. Returns 0, or
// 13, 1465, 1359, 574 with the messages (-2 only when today's date lies
// before 20230701: nothing read, nothing written).
extern "C" std::int32_t TevoReadEAUOperationOutcome(HostString* answer, ExportResult* result,
                                                    HostString* messages);
