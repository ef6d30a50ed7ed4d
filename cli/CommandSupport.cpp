#include "CommandSupport.h"

#include <iostream>
#include <string>

#include "CheckCommand.h"
#include "InputText.h"
#include "Output.h"
#include "boundary/ResultCode.h"
#include "boundary/quillkit.h"

namespace cli {

// The input as flat text in code page 1252, from a readable or a raw file.
bool loadFlatText(const Options& options, HostString& flatText) {
    std::string content;
    if (!readInput(options, content)) {
        return false;
    }
    if (options.raw) {
        flatText = HostString(content);
    } else {
        std::string error;
        if (!readableToFlatText(content, !options.ansi, flatText, error)) {
            std::cerr << "tevofhir: " << options.input << ": " << error << '\n';
            return false;
        }
    }
    if (flatText.IsEmpty()) {
        std::cerr << "tevofhir: " << options.input << " holds no entries\n";
        return false;
    }
    return true;
}

int deliverDocument(std::int32_t code, const ExportResult& result, const HostString& messages,
                    const Options& options) {
    return deliverDocument(code, result.document, messages, options);
}

int deliverDocument(std::int32_t code, const HostString& document, const HostString& messages,
                    const Options& options) {
    switch (code) {
        case tevo::result::kOk: {
            const int written = writeResult(options, document.str());
            if (written != kExitOk || options.noProfileCheck) {
                return written;
            }
            return reportRuleCheck(document.str());
        }
        case tevo::result::kChecksFailed:
            printMessages(messages);
            return kExitChecksFailed;
        case tevo::result::kNoProfileVersion:
            std::cerr << "tevofhir: no profile version for a date before 20230701; nothing built\n";
            return kExitOther;
        default:
            printMessages(messages);
            std::cerr << "tevofhir: result " << code << '\n';
            return kExitOther;
    }
}

std::string readableLines(const std::string& flatText, bool ansi) {
    std::string lines;
    for (char c : flatText) {
        if (c == '\x02') {
            lines += " = ";
        } else if (c == '\x01') {
            lines += '\n';
        } else {
            lines += c;
        }
    }
    return ansi ? AnsiToUTF8(HostString(lines)).str() : lines;
}

bool readInput(const Options& options, std::string& content) {
    if (!readFile(options.input, content)) {
        std::cerr << "tevofhir: cannot read " << options.input << '\n';
        return false;
    }
    return true;
}

int writeResult(const Options& options, const std::string& bytes) {
    if (!writeOutput(options.output, bytes)) {
        std::cerr << "tevofhir: cannot write " << options.output << '\n';
        return kExitUsage;
    }
    return kExitOk;
}

int deliverValues(std::int32_t code, const std::string& flatValues, const HostString& messages,
                  const Options& options) {
    if (code != tevo::result::kOk) {
        printMessages(messages);
        std::cerr << "tevofhir: result " << code << '\n';
        return kExitOther;
    }
    return writeResult(options, options.raw ? flatValues : readableLines(flatValues, true));
}

const char* const kInputHelp =
    "Input (FILE, or standard input when FILE is missing or \"-\"):\n"
    "  one entry per line, \"key = value\", with the command's flat-text keys,\n"
    "  for example\n"
    "    versicherter.vorname = Erika        (eau-create)\n"
    "    angaben.erstbescheinigung = 1       (eau-create)\n"
    "    pat.firstname = Erika               (zaeb-create)\n"
    "  Keys ignore case; blanks around keys and values are dropped; blank lines\n"
    "  and lines starting with # are skipped. The file is UTF-8 and converted to\n"
    "  code page 1252 for the library.\n"
    "\n"
    "Options:\n"
    "  -o, --output FILE  write the document to FILE (default: standard output)\n"
    "  --ansi             the readable file is code page 1252, not UTF-8\n"
    "  --raw              the file is flat text as the Lumo... functions take it:\n"
    "                     key, byte 0x02, value, byte 0x01, in code page 1252\n"
    "  -h, --help         show this help\n"
    "\n"
    "  --no-profile-check do not check the written document against the rules\n"
    "                     of the published profiles it names\n"
    "\n"
    "Messages go to standard error in UTF-8.\n"
    "Exit status: 0 document written, 1 checks failed (messages printed),\n"
    "2 wrong arguments or unreadable input or unwritable output, 3 anything else\n"
    "(for example a date before 20230701, for which no profile version exists),\n"
    "4 document written, but rejected by the published profiles' rules (one\n"
    "message per broken rule).\n";

}  // namespace cli
