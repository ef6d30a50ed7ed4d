// Test support for the bonus booklet: building a sample through the export
// and comparing records through their flat text.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "flattext/ZaebKeys.h"
#include "tevofhir/tevo.h"

namespace zaebtest {

// The written document, or the messages prefixed with "FAILED:".
inline std::string documentText(ZaebRecord record) {
    ExportResult result;
    HostString messages;
    if (TevoCreateMIOZAEBBundle(&record, &result, &messages) != 0) {
        return "FAILED:" + messages.str();
    }
    return result.document.str();
}

// Every non-empty field, one "key=value" per line, for readable comparisons.
inline std::string fieldLines(const ZaebRecord& record) {
    std::string lines;
    for (char c : tevo::flattext::zaebText(record)) {
        lines += c == '\x02' ? '=' : c == '\x01' ? '\n' : c;
    }
    return lines;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace zaebtest
