// Profile references written into Meta.profile.
#pragma once

#include <string>
#include <string_view>

namespace fhir::r4 {

// Shortens the version of a canonical URL to major.minor:
// ".../KBV_PR_EAU_Bundle|1.2.0" becomes ".../KBV_PR_EAU_Bundle|1.2". A canonical
// without a version of at least three parts is returned unchanged.
std::string shortProfileCanonical(const std::string& canonical);

// The same for a text of one line (a canonical URL), where the shortened text
// is always a beginning of the given one: no copy is made.
std::string_view shortProfileCanonicalLine(std::string_view canonical);

}  // namespace fhir::r4
