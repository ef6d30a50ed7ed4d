/* A C program that uses the flat-text interface: the header must stand alone
 * in C, and the exports must be reachable with plain char buffers. */
#include <stdio.h>
#include <string.h>

#include "tevofhir/lumo.h"

static int expect(int condition, const char* what) {
    if (!condition) {
        fprintf(stderr, "failed: %s\n", what);
    }
    return condition ? 0 : 1;
}

int main(void) {
    char output[64];
    char message[64];
    char error[64];
    int failures = 0;
    int32_t code;

    memset(output, '#', sizeof output);
    code = LumoCreateEAUBundle("", (int)sizeof output, output, (int)sizeof message, message, (int)sizeof error, error);
    failures += expect(code == LUMO_NO_INPUT, "empty input gives 9999");
    failures += expect(output[0] == '#', "empty input leaves the buffers alone");

    code = LumoCreateEAUBundle("angaben.ausstellungsdatum\x02" "20240315\x01", (int)sizeof output, output,
                               (int)sizeof message, message, (int)sizeof error, error);
    failures += expect(code == -1, "an almost empty certificate fails its checks");
    failures += expect(strlen(message) == sizeof message - 1, "the messages are cut to the buffer");
    failures += expect(output[0] == '\0', "no document");

    code = LumoReadEAUOperationOutcome((int)sizeof output, output, "", (int)sizeof message, message,
                                       (int)sizeof error, error);
    failures += expect(code == 13, "an empty answer gives 13");

    code = LumoReadEAUOperationOutcome((int)sizeof output, output, NULL, (int)sizeof message, message,
                                       (int)sizeof error, error);
    failures += expect(code == 13, "no answer at all gives 13, not 9999");

    code = LumoCreateMIOZAEBBundle("", (int)sizeof output, output, (int)sizeof message, message, (int)sizeof error,
                                   error);
    failures += expect(code == LUMO_NO_INPUT, "an empty bonus-booklet entry gives 9999");
    code = LumoExtractMIOZAEBBundle((int)sizeof output, output, "<Parameters/>", (int)sizeof message, message);
    failures += expect(code == 13 && strcmp(message, "No FHIR Bundle detected.") == 0,
                       "a Parameters document is no bonus-booklet bundle");
    return failures == 0 ? 0 : 1;
}
