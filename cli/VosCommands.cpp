#include "VosCommands.h"

#include <iostream>
#include <string>
#include <vector>

#include "CommandSupport.h"
#include "InputText.h"
#include "flattext/VosKeys.h"
#include "tevofhir/tevo.h"

namespace cli {
namespace {

// The files named by dokument.N.datei, read into the documents' content. A
// relative name is taken from the input file's folder.
bool readDocumentFiles(const Options& options, const std::vector<std::string>& files, VosRecord& record) {
    const std::size_t slash = options.input.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : options.input.substr(0, slash + 1);
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].empty()) {
            continue;
        }
        const std::string name = files[i][0] == '/' ? files[i] : folder + files[i];
        std::string bytes;
        if (!readFile(name, bytes)) {
            std::cerr << "tevofhir: cannot read " << name << " (dokument." << i + 1 << ".datei)\n";
            return false;
        }
        record.dokumente[i].inhalt = HostString(bytes);
    }
    return true;
}

int runVosCreate(const Options& options) {
    HostString flatText;
    if (!loadFlatText(options, flatText)) {
        return kExitUsage;
    }
    std::vector<std::string> files;
    VosRecord record = tevo::flattext::readVosRecord(flatText, files);
    if (!readDocumentFiles(options, files, record)) {
        return kExitUsage;
    }
    ExportResult result;
    HostString messages;
    const std::int32_t code = TevoCreateVOSBundle(&record, &result, &messages);
    return deliverDocument(code, result, messages, options);
}

// The answer's values as readable lines; they stay UTF-8 as received.
std::string answerLines(const ExportResult& result) {
    const std::pair<const char*, const HostString*> kValues[] = {
        {"bundle-identifier", &result.document}, {"message-id", &result.validation},
        {"fehlercode", &result.errorCode},       {"fehlertext", &result.errorText},
    };
    std::string lines = std::string("fehler = ") + (result.errorFlag ? "1" : "0") + "\n";
    for (const auto& [key, value] : kValues) {
        if (!value->IsEmpty()) {
            lines += std::string(key) + " = " + value->str() + "\n";
        }
    }
    return lines;
}

int runVosReadAnswer(const Options& options) {
    std::string content;
    if (!readInput(options, content)) {
        return kExitUsage;
    }
    HostString answer(content);
    ExportResult result;
    TevoReadVOSOperationOutcome(&answer, &result);
    return writeResult(options, answerLines(result));
}

std::string createHelp() {
    return std::string(
    "Usage: tevofhir vos-create [options] [FILE]\n"
    "\n"
    "Builds the document that hands the current patient to prescribing software\n"
    "(VoS 2.1.0). It runs no checks: every input gives a document. Lists are\n"
    "numbered from 1 (diagnose.N, allergie.N, medikament.N, dokument.N); a list\n"
    "is as long as its highest number. dokument.N.datei names a file (relative to\n"
    "the input file's folder) whose bytes become the document's content.\n"
    "\n"
    "Keys:\n") + tevo::flattext::vosKeyList() +
    "  dokument.N.datei\n"
    "\n" + kInputHelp;
}

const char kReadAnswerHelp[] =
    "Usage: tevofhir vos-read-answer [options] [FILE]\n"
    "\n"
    "Reads the OperationOutcome XML that prescribing software returned and prints\n"
    "its values as \"key = value\" lines, in UTF-8 as received:\n"
    "  fehler             1 when the answer carries an error code, else 0\n"
    "  bundle-identifier  the answered bundle (\"urn:uuid:\" removed)\n"
    "  message-id         the answered message\n"
    "  fehlercode         the error code\n"
    "  fehlertext         the error text\n"
    "A value that the answer lacks is left out; an unreadable answer gives\n"
    "fehler = 0 alone.\n"
    "\n"
    "Options:\n"
    "  -o, --output FILE  write the values to FILE (default: standard output)\n"
    "  -h, --help         show this help\n"
    "\n"
    "Exit status: 0 read, 2 unreadable input or unwritable output.\n";

}  // namespace

const Command& vosCreateCommand() {
    static const std::string help = createHelp();
    static const Command command{"vos-create", "build the document for prescribing software (VoS)", help.c_str(),
                                 runVosCreate};
    return command;
}

const Command& vosReadAnswerCommand() {
    static const Command command{"vos-read-answer", "read prescribing software's OperationOutcome answer",
                                 kReadAnswerHelp, runVosReadAnswer};
    return command;
}

}  // namespace cli
