#include "ZaebCommands.h"

#include <iostream>
#include <string>

#include "CommandSupport.h"
#include "boundary/ResultCode.h"
#include "flattext/ZaebKeys.h"
#include "tevofhir/tevo.h"

namespace cli {
namespace {

int runZaebCreate(const Options& options) {
    HostString flatText;
    if (!loadFlatText(options, flatText)) {
        return kExitUsage;
    }
    ZaebRecord record = tevo::flattext::readZaebRecord(flatText);
    ExportResult result;
    HostString messages;
    const std::int32_t code = TevoCreateMIOZAEBBundle(&record, &result, &messages);
    return deliverDocument(code, result, messages, options);
}

// The values found are written even when the bundle lacks a part.
int runZaebExtract(const Options& options) {
    std::string content;
    if (!readInput(options, content)) {
        return kExitUsage;
    }
    ZaebRecord record;
    HostString messages;
    const std::int32_t code = TevoExtractMIOZAEBBundle(&record, content, &messages);
    const std::string values = tevo::flattext::zaebText(record);
    const int written = writeResult(options, options.raw ? values : readableLines(values, false));
    if (written != kExitOk) {
        return written;
    }
    if (code != tevo::result::kOk) {
        // The extractor's messages are plain ASCII.
        std::cerr << messages.str() << "\ntevofhir: result " << code << '\n';
        return kExitOther;
    }
    return kExitOk;
}

const char kCreateHelp[] =
    "Usage: tevofhir zaeb-create [options] [FILE]\n"
    "\n"
    "Builds an entry of the dental bonus booklet (MIO ZAEB 1.1.0): gap-free\n"
    "documentation since a date (gaplessdocumentation.date), a dental check-up\n"
    "(dentalcheckup.effective, dentalcheckup.type 2115003 child or 63963009\n"
    "adult), or both. Further keys: documentid, timestamp, pat.* (idgkv,\n"
    "firstname, lastname, lastnamemain, title, nameadd, vorsatz, gebdat),\n"
    "org.* (id.instkz, id.bsnr, id.kzvabr, name, phone, fax, email, url) and the\n"
    "addresses pat.adr.* and org.adr.* (country, zip, city, street, number,\n"
    "addition). All checks run; every failed one prints one message.\n"
    "\n";

const char kExtractHelp[] =
    "Usage: tevofhir zaeb-extract [options] [FILE]\n"
    "\n"
    "Reads a received bonus-booklet bundle (XML) and prints its values as\n"
    "\"key = value\" lines with the keys of zaeb-create, in UTF-8 as they stand\n"
    "in the document. The practice's identifier, whatever its kind, comes back\n"
    "as org.id.kzvabr. A value that the bundle lacks is left out.\n"
    "\n"
    "Options:\n"
    "  -o, --output FILE  write the values to FILE (default: standard output)\n"
    "  --raw              write flat text (0x02/0x01, values UTF-8) instead\n"
    "  -h, --help         show this help\n"
    "\n"
    "Exit status: 0 read, 2 unreadable input or unwritable output, 3 the bundle\n"
    "could not be read whole (empty, not a Bundle, malformed XML, or without\n"
    "practice, patient or observation; the values found are still printed and\n"
    "the reason goes to standard error).\n";

}  // namespace

// Functions rather than objects: the command table of another file copies
// them while the program starts.
const Command& zaebCreateCommand() {
    static const std::string help = std::string(kCreateHelp) + kInputHelp;
    static const Command command = {"zaeb-create", "build a dental bonus booklet entry from a key = value file",
                                    help.c_str(), runZaebCreate};
    return command;
}

const Command& zaebExtractCommand() {
    static const Command command = {"zaeb-extract", "read a received dental bonus booklet bundle", kExtractHelp,
                                    runZaebExtract};
    return command;
}

}  // namespace cli
