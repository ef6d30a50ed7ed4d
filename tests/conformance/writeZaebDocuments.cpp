// Writes the sample bonus-booklet entries as documents into the folder given
// as argument, for the conformance checks: each bundle as zaeb_<name>.xml,
// and its patient and practice on their own as patient_<name>.xml and
// organization_<name>.xml, so that they can be checked against the KBV base
// profiles the bonus-booklet profiles derive from. Fails when a sample does
// not pass the checks.
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "conformance/zaebSamples.h"
#include "tevofhir/tevo.h"
#include "usecases/miozaeb/ZaebData.h"
#include "usecases/miozaeb/zaebBuilders.h"

namespace {

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

bool writeResource(const std::string& path, std::unique_ptr<fhir::Element> resource) {
    std::string text;
    resource->writeXml(text, true);
    return writeFile(path, text);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <output folder>\n";
        return 2;
    }
    const std::string folder = argv[1];
    std::vector<zaebsamples::NamedEntry> samples = zaebsamples::allEntries();
    // The practice by its IK number as well.
    ZaebRecord byIk = zaebsamples::both();
    byIk.practice.ikNumber = "260326822";
    samples.push_back({"practice_by_ik", byIk});

    int failures = 0;
    for (zaebsamples::NamedEntry& sample : samples) {
        ExportResult result;
        HostString messages;
        const fhir::ZaebData data = fhir::convertZaebRecord(sample.record);
        const std::string name = sample.name;
        if (TevoCreateMIOZAEBBundle(&sample.record, &result, &messages) != 0 ||
            !writeFile(folder + "/zaeb_" + name + ".xml", result.document.str()) ||
            !writeResource(folder + "/patient_" + name + ".xml",
                           std::unique_ptr<fhir::Element>(fhir::zaeb::buildPatient(data.patient))) ||
            !writeResource(folder + "/organization_" + name + ".xml",
                           std::unique_ptr<fhir::Element>(fhir::zaeb::buildPractice(data.practice)))) {
            std::cerr << name << ": not built\n" << messages.str() << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
