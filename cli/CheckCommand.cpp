#include "CheckCommand.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include "boundary/ResultCode.h"
#include "usecases/check/DocumentCheck.h"

namespace cli {

namespace {

void print(std::ostream& out, const std::string& prefix, const tevo::check::DocumentCheck& check) {
    for (const std::string& message : check.messages) {
        out << prefix << message << '\n';
    }
}

int runCheck(const Options& options) {
    if (options.inputs.empty()) {
        std::cerr << "tevofhir check: no file named (see tevofhir check --help)\n";
        return kExitUsage;
    }
    int status = kExitOk;
    for (const std::string& file : options.inputs) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::cerr << "tevofhir: cannot read " << file << '\n';
            return kExitUsage;
        }
        std::ostringstream text;
        text << in.rdbuf();
        const tevo::check::DocumentCheck check = tevo::check::checkDocument(text.str());
        if (check.code == tevo::result::kOk) {
            continue;
        }
        if (check.code == tevo::result::kProfileRulesBroken) {
            print(std::cout, file + ": ", check);
            status = status == kExitOk ? kExitRulesBroken : status;
        } else {
            print(std::cerr, file + ": ", check);
            status = kExitOther;
        }
    }
    return status;
}

const char kCheckHelp[] =
    "Usage: tevofhir check FILE...\n"
    "\n"
    "Checks FHIR XML documents (built by this tool or received) against the\n"
    "rules (invariants) of the published profiles each resource names in\n"
    "meta.profile; a resource without one is checked against the core FHIR R4\n"
    "definition of its type. Every broken rule prints one line on standard\n"
    "output, \"FILE: <the profile's text> (<rule key>)\", in UTF-8.\n"
    "\n"
    "Exit status: 0 no rule broken, 2 a file cannot be read, 3 a file is not\n"
    "a readable XML document (reason on standard error), 4 a rule is broken.\n";

}  // namespace

int reportRuleCheck(const std::string& document) {
    const tevo::check::DocumentCheck check = tevo::check::checkDocument(document);
    if (check.code != tevo::result::kProfileRulesBroken) {
        return kExitOk;
    }
    print(std::cerr, "", check);
    std::cerr << "tevofhir: document written, but rejected by the rules of the published profiles\n";
    return kExitRulesBroken;
}

const Command kCheck{"check", "check FHIR XML documents against the published profiles' rules", kCheckHelp,
                     runCheck, true};

}  // namespace cli
