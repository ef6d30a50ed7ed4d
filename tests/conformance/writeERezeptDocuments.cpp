// Writes the sample prescriptions of both versions as documents into the
// folder given as argument, one file per document, for the conformance
// checker. Fails when a sample does not pass the checks.
#include <fstream>
#include <iostream>
#include <string>

#include "conformance/erezeptSamples.h"
#include "tevofhir/tevo.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <output folder>\n";
        return 2;
    }
    const std::string folder = argv[1];
    int failures = 0;
    for (erezeptsamples::NamedPrescription& sample : erezeptsamples::allPrescriptions()) {
        ExportResult result;
        HostString messages;
        const std::string path = folder + "/erezept_" + sample.name + ".xml";
        std::ofstream out(path, std::ios::binary);
        if (TevoCreateERezeptBundle(&sample.record, &result, &messages) != 0 ||
            !(out << result.document.str())) {
            std::cerr << sample.name << ": not built\n" << messages.str() << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
