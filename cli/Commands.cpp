#include "Commands.h"

#include <iostream>
#include <iterator>
#include <string>

#include "CheckCommand.h"
#include "CommandSupport.h"
#include "EebCommands.h"
#include "ERezeptCommands.h"
#include "Output.h"
#include "VmcaCommands.h"
#include "ZaebCommands.h"
#include "VosCommands.h"
#include "boundary/ResultCode.h"
#include "boundary/quillkit.h"
#include "flattext/EauAdapters.h"
#include "flattext/EauKeys.h"
#include "tevofhir/tevo.h"

namespace cli {
namespace {

int runEauCreate(const Options& options) {
    HostString flatText;
    if (!loadFlatText(options, flatText)) {
        return kExitUsage;
    }
    EauRecord record = tevo::flattext::readEauRecord(flatText);
    ExportResult result;
    HostString messages;
    const std::int32_t code = TevoCreateEAUBundle(&record, &result, &messages, true);
    return deliverDocument(code, result, messages, options);
}

int runEauCancel(const Options& options) {
    HostString flatText;
    if (!loadFlatText(options, flatText)) {
        return kExitUsage;
    }
    EauStornoRecord record = tevo::flattext::readEauStornoRecord(flatText);
    ExportResult result;
    const std::int32_t code = TevoCreateEAUStornoBundle(&record, &result);
    return deliverDocument(code, result, HostString(), options);
}

int runEauReadAnswer(const Options& options) {
    return runReader(options, [](HostString& answer, HostString& messages, std::string& values) {
        ExportResult result;
        const std::int32_t code = TevoReadEAUOperationOutcome(&answer, &result, &messages);
        values = tevo::flattext::answerText(result);
        return code;
    });
}

const std::string kCreateHelp = std::string(
    "Usage: tevofhir eau-create [options] [FILE]\n"
    "\n"
    "Builds the certificate of incapacity for work (eAU). The issue date\n"
    "(angaben.ausstellungsdatum) selects the profile version: from 20230701\n"
    "1.1.0, from 20251001 1.2.0. All checks run; every failed one prints one\n"
    "message. A diagnosis certainty other than A, G, V or Z gets no status.\n"
    "\n") + kInputHelp;

const std::string kCancelHelp = std::string(
    "Usage: tevofhir eau-cancel [options] [FILE]\n"
    "\n"
    "Builds the cancellation of an eAU sent earlier. Keys: dokumentenid,\n"
    "dokumentenidsubmission (the cancelled certificate), stornodatum (selects\n"
    "the profile version), and the person.* and institution.* keys of\n"
    "eau-create. The cancellation runs no checks.\n"
    "\n") + kInputHelp;

const char kReadAnswerHelp[] =
    "Usage: tevofhir eau-read-answer [options] [FILE]\n"
    "\n"
    "Reads the OperationOutcome XML that the receiver returned for an eAU and\n"
    "prints its values as \"key = value\" lines in UTF-8:\n"
    "  operationoutcome.dokumentenid  the answered document\n"
    "  operationoutcome.kimid         the transport message\n"
    "  operationoutcome.fehlercode    the receiver's error code\n"
    "  operationoutcome.fehlertext    the receiver's error text\n"
    "A value that the answer lacks is left out.\n"
    "\n"
    "Options:\n"
    "  -o, --output FILE  write the values to FILE (default: standard output)\n"
    "  --raw              write flat text (0x02/0x01, code page 1252) instead\n"
    "  -h, --help         show this help\n"
    "\n"
    "Exit status: 0 read, 2 unreadable input or unwritable output, 3 the answer\n"
    "could not be read (empty, not an OperationOutcome, malformed XML; the\n"
    "reason goes to standard error).\n";

const std::string kERezeptHelp = std::string(kERezeptCreateHelp) + kInputHelp;

const Command kCommands[] = {
    {"eau-create", "build an eAU certificate from a key = value file", kCreateHelp.c_str(), runEauCreate},
    {"eau-cancel", "build the cancellation of an eAU", kCancelHelp.c_str(), runEauCancel},
    {"eau-read-answer", "read the receiver's OperationOutcome answer to an eAU", kReadAnswerHelp,
     runEauReadAnswer},
    kVmcaRequest,
    kVmcaReadAnswer,
    kVmcaCodes,
    zaebCreateCommand(),
    zaebExtractCommand(),
    kEebRequest,
    kEebReadCertificate,
    kEebReadAnswer,
    {"erezept-create", "build an eRezept prescription from a key = value file", kERezeptHelp.c_str(),
     runERezeptCreate},
    vosCreateCommand(),
    vosReadAnswerCommand(),
    kCheck,
};

}  // namespace

const Command* commandsBegin() { return std::begin(kCommands); }
const Command* commandsEnd() { return std::end(kCommands); }

}  // namespace cli
