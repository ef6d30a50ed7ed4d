#include "EebCommands.h"

#include <string>

#include "CommandSupport.h"
#include "EebKeys.h"
#include "tevofhir/tevo.h"

namespace cli {
namespace {

const char kEebRequestHelp[] =
    "Usage: tevofhir eeb-request [options] [FILE]\n"
    "\n"
    "Builds the request for an electronic substitute certificate (EEB) to the\n"
    "patient's health insurer. With versichertenid the patient is known by the\n"
    "insurance number alone; without it name, birth date and address are sent.\n"
    "All checks run; every failed one prints one message.\n"
    "\n"
    "Input (FILE, or standard input when FILE is missing or \"-\"):\n"
    "  one entry per line, \"key = value\"; the keys are the member names of the\n"
    "  request record, for example\n"
    "    dokumentid = 6b2c9a3e-4f1d-4e2a-9b7c-0d8e5f6a7b8c\n"
    "    leistungsdatum = 2025-10-15\n"
    "    einverstaendnis = 1\n"
    "    ursprung = 1.2.276.0.76.4.50\n"
    "    adresse.postleitzahl = 50667\n"
    "    praxisadresse.strassenname = Invalidenstra\xC3\x9F" "e\n"
    "  Address keys: wohnsitzlaenderkuerzel, postleitzahl, ortsname,\n"
    "  strassenname, hausnummer, anschriftenzusatz after \"adresse.\" (patient) or\n"
    "  \"praxisadresse.\" (practice). Keys ignore case; blank lines and lines\n"
    "  starting with # are skipped. The file is UTF-8 and converted to code page\n"
    "  1252 for the library.\n"
    "\n"
    "Options:\n"
    "  -o, --output FILE  write the request to FILE (default: standard output)\n"
    "  --ansi             the file is code page 1252, not UTF-8\n"
    "  --raw              the file is flat text: key, byte 0x02, value, byte 0x01\n"
    "  -h, --help         show this help\n"
    "\n"
    "Exit status: 0 request written, 1 checks failed (messages on standard error\n"
    "in UTF-8), 2 wrong arguments or unreadable input or unwritable output.\n";

const char kEebReadCertificateHelp[] =
    "Usage: tevofhir eeb-read-certificate [options] [FILE]\n"
    "\n"
    "Reads the insurer's certificate bundle (EEBBescheinigungBundle XML) and\n"
    "prints every value of the certificate record as \"key = value\" lines in\n"
    "UTF-8, for example versichertenid, versichertenidtyp (kvz10 or kvk), vorname,\n"
    "nachname, versicherungsbeginn, iknummer and zuzahlungsstatus (1 or 0).\n"
    "\n"
    "Options:\n"
    "  -o, --output FILE  write the values to FILE (default: standard output)\n"
    "  --raw              write flat text (0x02/0x01, code page 1252) instead\n"
    "  -h, --help         show this help\n"
    "\n"
    "Exit status: 0 read, 2 unreadable input or unwritable output, 3 the\n"
    "certificate could not be read (empty, not a Bundle, header, patient or\n"
    "coverage missing, malformed XML; the reason goes to standard error).\n";

const char kEebReadAnswerHelp[] =
    "Usage: tevofhir eeb-read-answer [options] [FILE]\n"
    "\n"
    "Reads the insurer's error answer to an EEB request (OperationOutcome XML)\n"
    "and prints its values as \"key = value\" lines in UTF-8:\n"
    "  fehler            1 when the answer carries an error code\n"
    "  bundleidentifier  the request's bundle identifier\n"
    "  messageid         the transport message's id\n"
    "  fehlercode, fehleranzeige, fehlertext\n"
    "\n"
    "Options:\n"
    "  -o, --output FILE  write the values to FILE (default: standard output)\n"
    "  --raw              write flat text (0x02/0x01, code page 1252) instead\n"
    "  -h, --help         show this help\n"
    "\n"
    "Exit status: 0 read, 2 unreadable input or unwritable output, 3 the answer\n"
    "could not be read (the reason goes to standard error).\n";

int runEebRequest(const Options& options) {
    HostString flatText;
    if (!loadFlatText(options, flatText)) {
        return kExitUsage;
    }
    EebRecord record = readEebRecord(flatText);
    HostString document;
    HostString messages;
    const std::int32_t code = TevoCreateEEBAnfrageBundle(&record, &document, &messages);
    return deliverDocument(code, document, messages, options);
}

int runEebReadCertificate(const Options& options) {
    return runReader(options, [](HostString& document, HostString& messages, std::string& values) {
        EebBescheinigungRecord record;
        const std::int32_t code = TevoReadEEBBescheinigungBundle(&document, &record, &messages);
        values = certificateEntries(record);
        return code;
    });
}

int runEebReadAnswer(const Options& options) {
    return runReader(options, [](HostString& document, HostString& messages, std::string& values) {
        EebAnswerRecord answer;
        const std::int32_t code = TevoReadEEBOperationOutcome(&document, &answer, &messages);
        values = answerEntries(answer);
        return code;
    });
}

}  // namespace

const Command kEebRequest = {"eeb-request", "build an EEB request to the patient's insurer", kEebRequestHelp,
                             runEebRequest};
const Command kEebReadCertificate = {"eeb-read-certificate", "read the insurer's EEB certificate bundle",
                                     kEebReadCertificateHelp, runEebReadCertificate};
const Command kEebReadAnswer = {"eeb-read-answer", "read the insurer's error answer to an EEB request",
                                kEebReadAnswerHelp, runEebReadAnswer};

}  // namespace cli
