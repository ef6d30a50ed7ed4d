// Writes the sample appointment-service requests, and variants that reach
// the builder's other branches, into the folder given as argument, one file
// per document, for the conformance checks. Fails when a sample does not
// pass the checks.
#include <fstream>
#include <iostream>
#include <string>

#include "conformance/vmcaSamples.h"
#include "tevofhir/tevo.h"

namespace {

struct Sample {
    const char* name;
    VmcaRecord record;
};

VmcaRecord changed(VmcaRecord record, void (*change)(VmcaRecord&)) {
    change(record);
    return record;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <output folder>\n";
        return 2;
    }
    const Sample samples[] = {
        {"with_patient", vmcasamples::requestWithPatient()},
        {"ptv11_without_patient", vmcasamples::ptv11WithoutPatient()},
        {"empty_patient_block", changed(vmcasamples::requestWithPatient(), [](VmcaRecord& r) { r.patient = {}; })},
        {"codes_outside_the_lists", changed(vmcasamples::requestWithPatient(),
                                            [](VmcaRecord& r) {
                                                r.dringlichkeit = "sofort";
                                                r.facharztgruppe = "999";
                                                r.zusatzbezeichnung = "x";
                                                r.patient.geschlecht = "X";
                                                r.patient.strassenadresse.strassenname = "";
                                                r.patient.postfachanschrift = {};
                                            })},
        {"gender_divers_address_addition_alone",
         changed(vmcasamples::requestWithPatient(),
                 [](VmcaRecord& r) {
                     r.patient.geschlecht = "D";
                     r.patient.strassenadresse.strassenname = "";
                     r.patient.strassenadresse.hausnummer = "";
                     r.patient.kvkVersichertennummer = "";
                 })},
    };
    int failures = 0;
    for (const Sample& sample : samples) {
        VmcaRecord record = sample.record;
        HostString document;
        HostString messages;
        const std::string path = std::string(argv[1]) + "/vmca_" + sample.name + ".xml";
        std::ofstream out(path, std::ios::binary);
        if (TevoCreateVMCA_REQUEST(&record, &document, &messages) != 0 || !(out << document.str())) {
            std::cerr << sample.name << ": not built\n" << messages.str() << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
