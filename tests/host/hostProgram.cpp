// A host program that knows only the public C++ header and links only the
// shared library: it proves that the host records, the result record and the
// exports (eAU, VMCA, EEB, bonus booklet) can be used without any symbol the
// library keeps to itself.
#include <cstdio>
#include <cstring>

#include "tevofhir/tevo.h"

int main() {
    EauRecord empty;
    ExportResult result;
    HostString messages;
    if (TevoCreateEAUBundle(&empty, &result, &messages, false) != -2) {
        std::puts("an empty record must give -2");
        return 1;
    }

    EauRecord record;
    record.angaben.ausstellungsdatum = "20251015";
    if (TevoCreateEAUBundle(&record, &result, &messages, false) != -1 || messages.IsEmpty()) {
        std::puts("a record without content must fail its checks with messages");
        return 1;
    }

    EauStornoRecord cancellation;
    cancellation.stornodatum = "20251015";
    if (TevoCreateEAUStornoBundle(&cancellation, &result) != 0 ||
        std::strncmp(result.document.GetString(), "<?xml", 5) != 0) {
        std::puts("a cancellation must be written");
        return 1;
    }

    HostString answer("<OperationOutcome");
    HostString readMessages;
    if (TevoReadEAUOperationOutcome(&answer, &result, &readMessages) != 1465) {
        std::puts("a broken answer must give 1465");
        return 1;
    }

    VmcaRecord request;
    HostString requestDocument;
    HostString requestMessages;
    if (TevoCreateVMCA_REQUEST(&request, &requestDocument, &requestMessages) != -1 || requestMessages.IsEmpty()) {
        std::puts("an empty appointment-service request must fail its checks with messages");
        return 1;
    }
    if (TevoReadVMCA_REQUESTOperationOutcome(&answer, &result) != 1465) {
        std::puts("a broken appointment-service answer must give 1465");
        return 1;
    }
    VmcaCodeList groups;
    VmcaCodeList qualifications;
    if (TevoGetVMCAFacharztgruppen(&groups) != 0 || groups.size() != 99 ||
        TevoGetVMCAZusatzbezeichnungen(&qualifications) != 0 || qualifications.size() != 108) {
        std::puts("the code lists must hold 99 and 108 entries");
        return 1;
    }

    EebRecord eebRequest;
    HostString document;
    if (TevoCreateEEBAnfrageBundle(&eebRequest, &document, &messages) != -1 || !document.IsEmpty()) {
        std::puts("an empty EEB request must fail its checks");
        return 1;
    }
    EebBescheinigungRecord certificate;
    EebAnswerRecord eebAnswer;
    if (TevoReadEEBBescheinigungBundle(&answer, &certificate, &readMessages) != 1465 ||
        TevoReadEEBOperationOutcome(&answer, &eebAnswer, &readMessages) != 1465) {
        std::puts("broken EEB answers must give 1465");
        return 1;
    }

    ZaebRecord booklet;
    booklet.checkUpDate = "2025-10-14";
    if (TevoCreateMIOZAEBBundle(&booklet, &result, &messages) != -1) {
        std::puts("a bonus-booklet entry without patient must fail its checks");
        return 1;
    }
    if (TevoExtractMIOZAEBBundle(&booklet, "<Parameters/>", &messages) != 13 ||
        std::strcmp(messages.GetString(), "No FHIR Bundle detected.") != 0) {
        std::puts("a Parameters document is no bonus-booklet bundle");
        return 1;
    }
    std::puts("host program: ok");
    return 0;
}
