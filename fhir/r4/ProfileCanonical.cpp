#include "fhir/r4/ProfileCanonical.h"

#include <regex>

namespace fhir::r4 {

std::string shortProfileCanonical(const std::string& canonical) {
    static const std::regex kPatchVersion(R"((\|[0-9]+\.[0-9]+)\..*)", std::regex::ECMAScript);
    return std::regex_replace(canonical, kPatchVersion, "$1");
}

}  // namespace fhir::r4
