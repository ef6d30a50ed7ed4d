// A program of a library user: builds against the installed headers and
// links the installed shared library, found by find_package(TevoFhir) or by
// pkg-config. Uses both the C++ records and the flat-text exports.
#include <cstdio>
#include <cstring>

#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"

int main() {
    EauStornoRecord cancellation;
    cancellation.stornodatum = "20251015";
    ExportResult result;
    if (TevoCreateEAUStornoBundle(&cancellation, &result) != 0 ||
        std::strstr(result.document.GetString(), "KBV_PR_EAU_Storno_Bundle") == nullptr) {
        std::puts("TevoCreateEAUStornoBundle did not build the cancellation");
        return 1;
    }
    char output[8] = "";
    char message[8] = "";
    char error[8] = "";
    if (LumoCreateEAUBundle("", sizeof output, output, sizeof message, message, sizeof error, error) !=
        LUMO_NO_INPUT) {
        std::puts("LumoCreateEAUBundle did not report the empty input");
        return 1;
    }
    std::puts("consumer: ok");
    return 0;
}
