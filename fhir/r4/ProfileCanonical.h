// Profile references written into Meta.profile.
#pragma once

#include <string>

namespace fhir::r4 {

// Shortens the version of a canonical URL to major.minor:
// ".../KBV_PR_EAU_Bundle|1.2.0" becomes ".../KBV_PR_EAU_Bundle|1.2". A canonical
// without a version of at least three parts is returned unchanged.
std::string shortProfileCanonical(const std::string& canonical);

}  // namespace fhir::r4
