#include "VmcaCommands.h"

#include <iostream>
#include <string>

#include "CommandSupport.h"
#include "VmcaInput.h"
#include "boundary/ResultCode.h"
#include "boundary/quillkit.h"
#include "tevofhir/tevo.h"

namespace cli {
namespace {

std::string utf8(const HostString& ansi) { return AnsiToUTF8(ansi).str(); }

int runRequest(const Options& options) {
    HostString flatText;
    if (!loadFlatText(options, flatText)) {
        return kExitUsage;
    }
    VmcaRecord record = readVmcaRecord(flatText);
    HostString document;
    HostString messages;
    const std::int32_t code = TevoCreateVMCA_REQUEST(&record, &document, &messages);
    return deliverDocument(code, document, messages, options);
}

// The values of the answer as "key = value" lines in UTF-8; empty ones are
// left out.
std::string answerLines(const ExportResult& result) {
    const std::pair<const char*, std::string> kValues[] = {
        {"antwort.identifier", utf8(result.document)},
        {"antwort.url", utf8(result.validation)},
        {"antwort.fehler", result.errorFlag ? "1" : ""},
        {"antwort.fehlercode", result.errorCode.str()},  // handed over as received (UTF-8)
        {"antwort.fehlertext", utf8(result.errorText)},
    };
    std::string lines;
    for (const auto& [key, value] : kValues) {
        if (!value.empty()) {
            lines += std::string(key) + " = " + value + "\n";
        }
    }
    return lines;
}

int runReadAnswer(const Options& options) {
    std::string content;
    if (!readInput(options, content)) {
        return kExitUsage;
    }
    HostString answer(content);
    ExportResult result;
    const std::int32_t status = TevoReadVMCA_REQUESTOperationOutcome(&answer, &result);
    if (status != tevo::result::kOk) {
        std::cerr << "tevofhir: the answer could not be read (status " << status << ")\n";
        return kExitOther;
    }
    return writeResult(options, answerLines(result));
}

int runCodes(const Options& options) {
    VmcaCodeList list;
    if (options.input == "zusatzbezeichnungen") {
        TevoGetVMCAZusatzbezeichnungen(&list);
    } else if (options.input == "facharztgruppen") {
        TevoGetVMCAFacharztgruppen(&list);
    } else {
        std::cerr << "tevofhir vmca-codes: name zusatzbezeichnungen or facharztgruppen\n";
        return kExitUsage;
    }
    std::string lines;
    for (const VmcaCodeListEntry& entry : list) {
        lines += utf8(entry.second) + "\t" + utf8(entry.first) + "\n";
    }
    return writeResult(options, lines);
}

const char kRequestHelp[] =
    "Usage: tevofhir vmca-request [options] [FILE]\n"
    "\n"
    "Builds the request to the 116117 appointment service (a FHIR Parameters\n"
    "resource, written without XML declaration). All checks run; every failed\n"
    "one prints one message.\n"
    "\n"
    "Input (FILE, or standard input when FILE is missing or \"-\"): one entry per\n"
    "line, \"key = value\", UTF-8; keys ignore case; blank lines and lines\n"
    "starting with # are skipped. Keys:\n"
    "  isptv11, withpatient                      1 or 0 (defaults 0 and 1)\n"
    "  ptv11leistung1, ptv11leistung2, probatorischeleistung, fachgebietgrob,\n"
    "  fachgebietfein, facharztgruppe, zusatzbezeichnung (codes),\n"
    "  dringlichkeit (urgent or routine), bsnr,\n"
    "  ueberweiser.lanr, ueberweiser.vorname, ueberweiser.nachname,\n"
    "  patient.gkvversichertennummer, patient.kvkversichertennummer,\n"
    "  patient.vorname, patient.nachname, patient.hauptteilnachname,\n"
    "  patient.titel, patient.namenszusatz, patient.vorsatzwort,\n"
    "  patient.geburtsdatum (YYYY-MM-DD), patient.geschlecht (M, W/F, D, X),\n"
    "  patient.telefon1, patient.telefon2,\n"
    "  patient.strassenadresse.{wohnsitzlaendercode, postleitzahl, ortsname,\n"
    "    strassenname, hausnummer, anschriftenzusatz},\n"
    "  patient.postfachanschrift.{wohnsitzlaendercode, postleitzahl, ortsname,\n"
    "    postfach}\n"
    "\n"
    "Options:\n"
    "  -o, --output FILE  write the document to FILE (default: standard output)\n"
    "  --ansi             the file is code page 1252, not UTF-8\n"
    "  --raw              the file is flat text: key, byte 0x02, value, byte 0x01\n"
    "  -h, --help         show this help\n"
    "\n"
    "Exit status: 0 document written, 1 checks failed (messages on standard\n"
    "error in UTF-8), 2 wrong arguments or unreadable input or unwritable output.\n";

const char kReadAnswerHelp[] =
    "Usage: tevofhir vmca-read-answer [options] [FILE]\n"
    "\n"
    "Reads the appointment service's answer to a request (a Parameters or an\n"
    "OperationOutcome resource) and prints its values as \"key = value\" lines\n"
    "in UTF-8:\n"
    "  antwort.identifier  the booking's identifier (Parameters)\n"
    "  antwort.url         the booking's URL (Parameters)\n"
    "  antwort.fehler      1 when the answer is an error (OperationOutcome)\n"
    "  antwort.fehlercode  the error code\n"
    "  antwort.fehlertext  the error text (diagnostics, else the display)\n"
    "A value that the answer lacks is left out.\n"
    "\n"
    "Options:\n"
    "  -o, --output FILE  write the values to FILE (default: standard output)\n"
    "  -h, --help         show this help\n"
    "\n"
    "Exit status: 0 read, 2 unreadable input or unwritable output, 3 the answer\n"
    "could not be read (empty, another resource, malformed XML).\n";

const char kCodesHelp[] =
    "Usage: tevofhir vmca-codes [options] zusatzbezeichnungen|facharztgruppen\n"
    "\n"
    "Prints the code list the host offers for the request's additional\n"
    "qualification or specialist group: one line per entry, the code, a tab\n"
    "and the display text (UTF-8), ordered by the display text as the host's\n"
    "map holds it (byte order of code page 1252).\n"
    "\n"
    "Options:\n"
    "  -o, --output FILE  write the list to FILE (default: standard output)\n"
    "  -h, --help         show this help\n"
    "\n"
    "Exit status: 0 written, 2 an unknown list name or an unwritable output.\n";

}  // namespace

const Command kVmcaRequest = {"vmca-request", "build a 116117 appointment-service request", kRequestHelp,
                              runRequest};
const Command kVmcaReadAnswer = {"vmca-read-answer", "read the appointment service's answer", kReadAnswerHelp,
                                 runReadAnswer};
const Command kVmcaCodes = {"vmca-codes", "print a code list of the appointment service", kCodesHelp, runCodes};

}  // namespace cli
