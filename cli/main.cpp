// tevofhir: builds and reads the documents of the library (eAU, appointment
// service, dental bonus booklet) from readable key = value files with the
// library's flat-text keys.
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"
#include "Options.h"

namespace {

void printOverview(std::ostream& out) {
    out << "Usage: tevofhir COMMAND [options] [FILE]\n"
           "       tevofhir COMMAND --help\n"
           "\n"
           "Commands:\n";
    for (const cli::Command* c = cli::commandsBegin(); c != cli::commandsEnd(); ++c) {
        std::string name = c->name;
        name.resize(22, ' ');
        out << "  " << name << c->summary << '\n';
    }
    out << "\nExamples are in the examples/ folder of the source tree, for instance\n"
           "  tevofhir eau-create examples/eau_gkv_1_2_0.txt -o eau.xml\n";
}

const cli::Command* findCommand(const std::string& name) {
    for (const cli::Command* c = cli::commandsBegin(); c != cli::commandsEnd(); ++c) {
        if (name == c->name) {
            return c;
        }
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        printOverview(std::cerr);
        return cli::kExitUsage;
    }
    if (args[0] == "-h" || args[0] == "--help" || args[0] == "help") {
        const cli::Command* command = args.size() > 1 ? findCommand(args[1]) : nullptr;
        if (command) {
            std::cout << command->help;
        } else {
            printOverview(std::cout);
        }
        return cli::kExitOk;
    }
    const cli::Command* command = findCommand(args[0]);
    if (!command) {
        std::cerr << "tevofhir: unknown command " << args[0] << "\n\n";
        printOverview(std::cerr);
        return cli::kExitUsage;
    }
    cli::Options options;
    std::string error;
    if (!cli::parseOptions(std::vector<std::string>(args.begin() + 1, args.end()), options, error,
                           command->manyInputs)) {
        std::cerr << "tevofhir " << command->name << ": " << error << "\n(see tevofhir " << command->name
                  << " --help)\n";
        return cli::kExitUsage;
    }
    if (options.help) {
        std::cout << command->help;
        return cli::kExitOk;
    }
    return command->run(options);
}
