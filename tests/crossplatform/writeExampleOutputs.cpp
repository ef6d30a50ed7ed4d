// write_example_outputs EXAMPLES_DIR OUTPUT_DIR
//
// Runs every command of the command-line tool on every file of the examples
// folder, with pinned resource ids and clock, and writes what each run gave
// (exit status, messages, output) to OUTPUT_DIR/<example>.<command>. A file
// ending in .flat is passed with --raw. The Linux and the Windows build of
// this program must write the same bytes (tests/windows/).
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/Options.h"
#include "support/PinnedIdentity.h"

namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Diverts std::cerr into a string while it lives.
class CapturedErrors {
public:
    CapturedErrors() : previous_(std::cerr.rdbuf(text_.rdbuf())) {}
    ~CapturedErrors() { std::cerr.rdbuf(previous_); }
    CapturedErrors(const CapturedErrors&) = delete;
    CapturedErrors& operator=(const CapturedErrors&) = delete;
    std::string text() const { return text_.str(); }

private:
    std::ostringstream text_;
    std::streambuf* previous_;
};

struct Run {
    int status = 0;
    std::string messages;
    std::string output;
};

// The paths handed to the command are relative to the working folder, so that
// messages naming them read the same on both systems.
Run runCommand(const cli::Command& command, const std::string& example, const std::string& outputFile) {
    std::vector<std::string> args{"-o", outputFile};
    if (fs::path(example).extension() == ".flat") {
        args.push_back("--raw");
    }
    args.push_back(example);
    cli::Options options;
    std::string error;
    Run run;
    if (!cli::parseOptions(args, options, error)) {
        run.status = -1;
        run.messages = error;
        return run;
    }
    fs::remove(outputFile);
    pinned::pin();
    {
        const CapturedErrors errors;
        run.status = command.run(options);
        run.messages = errors.text();
    }
    pinned::release();
    if (fs::exists(outputFile)) {
        run.output = readBytes(outputFile);
        fs::remove(outputFile);
    }
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: write_example_outputs EXAMPLES_DIR OUTPUT_DIR\n";
        return 2;
    }
    const fs::path outputDir = fs::absolute(argv[2]);
    fs::create_directories(outputDir);
    std::error_code failed;
    fs::current_path(argv[1], failed);
    if (failed) {
        std::cerr << "cannot enter " << argv[1] << '\n';
        return 2;
    }
    std::vector<std::string> examples;
    for (const fs::directory_entry& entry : fs::directory_iterator(".")) {
        if (entry.is_regular_file()) {
            examples.push_back(entry.path().filename().string());
        }
    }
    std::sort(examples.begin(), examples.end());

    const std::string scratch = (outputDir / "output.tmp").string();
    int documents = 0;
    for (const std::string& example : examples) {
        for (const cli::Command* command = cli::commandsBegin(); command != cli::commandsEnd(); ++command) {
            const Run run = runCommand(*command, example, scratch);
            std::ofstream out(outputDir / (example + "." + command->name), std::ios::binary | std::ios::trunc);
            out << "exit status " << run.status << "\n--- messages\n" << run.messages << "--- output\n" << run.output;
            if (!out) {
                std::cerr << "cannot write to " << outputDir.string() << '\n';
                return 2;
            }
            documents += run.status == 0 && !run.output.empty() ? 1 : 0;
        }
    }
    std::cout << examples.size() << " examples, "
              << std::distance(cli::commandsBegin(), cli::commandsEnd()) << " commands, " << documents
              << " runs with output\n";
    return documents > 0 ? 0 : 1;
}
