// The result record of the document-building and answer-reading exports.
// The caller owns it; the library only assigns the fields it writes.
#pragma once

#include "boundary/HostString.h"

struct ExportResult {
    bool errorFlag = false;          // answer carries an error code
    HostString errorCode;            // the answer's error code
    HostString errorText;            // the answer's error text (ANSI)
    HostString exceptionMessage;     // printed by the flat-text family when set
    HostString exceptionCause;       // printed by the flat-text family when set
    HostString exceptionStackTrace;  // printed by the flat-text family when set
    HostString document;             // built document (UTF-8) / answered document id
    HostString validation;           // transport message id of an answer
    HostString answerCode;           // the answer's error code (again)
    HostString answerText;           // the answer's error text (again, ANSI)
};
