// Writes the sample VoS documents into the folder given as argument, one file
// per document, for the conformance checkers.
#include <fstream>
#include <iostream>
#include <string>

#include "conformance/vosSamples.h"
#include "tevofhir/tevo.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <output folder>\n";
        return 2;
    }
    const std::string folder = argv[1];
    const std::pair<const char*, VosRecord> kSamples[] = {{"full", vossamples::fullRecord()},
                                                         {"minimal", vossamples::minimalRecord()}};
    int failures = 0;
    for (auto [name, record] : kSamples) {
        ExportResult result;
        HostString messages;
        std::ofstream out(folder + "/vos_" + name + ".xml", std::ios::binary);
        if (TevoCreateVOSBundle(&record, &result, &messages) != 0 || !(out << result.document.str())) {
            std::cerr << name << ": not built\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
