#include "Options.h"

namespace cli {

bool parseOptions(const std::vector<std::string>& args, Options& options, std::string& error, bool manyInputs) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--raw") {
            options.raw = true;
        } else if (arg == "--ansi") {
            options.ansi = true;
        } else if (arg == "--no-profile-check") {
            options.noProfileCheck = true;
        } else if (arg == "-o" || arg == "--output") {
            if (i + 1 == args.size()) {
                error = "option " + arg + " needs a file name";
                return false;
            }
            options.output = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return false;
        } else if (!options.inputs.empty() && !manyInputs) {
            error = "more than one input file: " + arg;
            return false;
        } else {
            options.inputs.push_back(arg);
            options.input = options.inputs.front();
        }
    }
    return true;
}

}  // namespace cli
