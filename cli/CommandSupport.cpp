#include "CommandSupport.h"

#include <iostream>

#include "Commands.h"
#include "InputText.h"
#include "Output.h"
#include "boundary/ResultCode.h"

namespace cli {

bool readInput(const Options& options, std::string& content) {
    if (!readFile(options.input, content)) {
        std::cerr << "tevofhir: cannot read " << options.input << '\n';
        return false;
    }
    return true;
}

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

int writeResult(const Options& options, const std::string& bytes) {
    if (!writeOutput(options.output, bytes)) {
        std::cerr << "tevofhir: cannot write " << options.output << '\n';
        return kExitUsage;
    }
    return kExitOk;
}

int deliverDocument(std::int32_t code, const std::string& document, const HostString& messages,
                    const Options& options) {
    switch (code) {
        case tevo::result::kOk:
            return writeResult(options, document);
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

}  // namespace cli
