/* Public C interface of the flat-text exports.
 *
 * Input records are flat texts: entries of key, byte 0x02, value, byte 0x01
 * (the last 0x01 may be missing); values are code page 1252. Each output
 * buffer is passed as its size in bytes and a pointer; the library clears a
 * buffer before it writes it and never writes past its size. A written text
 * always ends with a zero byte.
 *
 * Results besides those of the underlying export:
 *   9999  the input text is null or empty; no buffer is touched
 *   9998  the document or answer text does not fit its buffer (size - 1)
 *   9997  the error text does not fit its buffer
 * Messages that do not fit are cut without a code.
 */
#ifndef TEVOFHIR_LUMO_H
#define TEVOFHIR_LUMO_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum {
    LUMO_NO_INPUT = 9999,
    LUMO_DOCUMENT_TOO_LARGE = 9998,
    LUMO_ERROR_TOO_LARGE = 9997
};

/* Certificate of incapacity for work. Output: "bundle" and, when present,
 * "validation" entries. Returns 0 built, -1 checks failed (messages in
 * `message`), -2 issue date before the first supported profile version. */
int32_t LumoCreateEAUBundle(const char* input, int outputSize, char* output,
                            int messageSize, char* message, int errorSize, char* error);

/* Cancellation of a certificate; the message buffer is cleared and stays empty. */
int32_t LumoCreateEAUStornoBundle(const char* input, int outputSize, char* output,
                                  int messageSize, char* message, int errorSize, char* error);

/* Reads the OperationOutcome answer to a certificate. Output entries:
 * "operationoutcome.dokumentenid", "operationoutcome.kimid",
 * "operationoutcome.fehlercode", "operationoutcome.fehlertext". */
int32_t LumoReadEAUOperationOutcome(int outputSize, char* output, const char* inputXml,
                                    int messageSize, char* message, int errorSize, char* error);

#ifdef __cplusplus
}
#endif

#endif /* TEVOFHIR_LUMO_H */
