// Prints, for every FHIR XML file named on the command line, the keys of the
// profile rules it breaks: "<file>\t<key> <key> ...", keys sorted, each once.
// A file that cannot be read or parsed gives "<file>\t!error".
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>

#include "fhir/fhirpath/ProfileCheck.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        std::cout << argv[i] << '\t';
        try {
            const fhir::path::NodeDocument document(text.str());
            std::set<std::string> keys;
            for (const auto& failure : fhir::path::checkProfiles(document)) {
                keys.insert(std::string(failure.key));
            }
            const char* separator = "";
            for (const auto& key : keys) {
                std::cout << separator << key;
                separator = " ";
            }
        } catch (const std::exception&) {
            std::cout << "!error";
        }
        std::cout << '\n';
    }
    return 0;
}
