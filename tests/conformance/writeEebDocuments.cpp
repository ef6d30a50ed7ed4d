// Writes the sample requests as documents into the folder given as argument,
// one file per document, for the conformance checker. Fails when a sample
// does not pass the checks.
#include <fstream>
#include <iostream>
#include <string>

#include "conformance/eebSamples.h"
#include "tevofhir/tevo.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <output folder>\n";
        return 2;
    }
    const std::string folder = argv[1];
    int failures = 0;
    for (eebsamples::NamedRequest& sample : eebsamples::allRequests()) {
        HostString document;
        HostString messages;
        std::ofstream out(folder + "/eeb_" + sample.name + ".xml", std::ios::binary);
        if (TevoCreateEEBAnfrageBundle(&sample.record, &document, &messages) != 0 || !(out << document.str())) {
            std::cerr << sample.name << ": not built\n" << messages.str() << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
