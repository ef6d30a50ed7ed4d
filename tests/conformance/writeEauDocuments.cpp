// Writes the sample certificates and cancellations of both generations as
// documents into the folder given as argument, one file per document, for
// the conformance checker. Fails when a sample does not pass the checks.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "conformance/eauSamples.h"
#include "tevofhir/tevo.h"

namespace {

bool writeFile(const std::string& path, const HostString& text) {
    std::ofstream out(path, std::ios::binary);
    out << text.str();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <output folder>\n";
        return 2;
    }
    const std::string folder = argv[1];
    int failures = 0;
    for (eausamples::NamedCertificate& sample : eausamples::allCertificates()) {
        ExportResult result;
        HostString messages;
        if (TevoCreateEAUBundle(&sample.record, &result, &messages, true) != 0 ||
            !writeFile(folder + "/eau_" + sample.name + ".xml", result.document)) {
            std::cerr << sample.name << ": not built\n" << messages.str() << "\n";
            ++failures;
        }
    }
    const std::pair<const char*, const char*> kCancellations[] = {{"storno_110", eausamples::kDate110},
                                                                  {"storno_120", eausamples::kDate120}};
    for (const auto& [name, date] : kCancellations) {
        EauStornoRecord record = eausamples::cancellation(date);
        ExportResult result;
        if (TevoCreateEAUStornoBundle(&record, &result) != 0 ||
            !writeFile(folder + "/eau_" + name + ".xml", result.document)) {
            std::cerr << name << ": not built\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
