// Host codes of the certificate mapped to member numbers (0 = not a known
// code). Comparisons are exact and case-sensitive.
#pragma once

#include <string>

namespace fhir::eaucodes {

int payerKind(const std::string& code);
int insuredKind(const std::string& code);
int specialGroup(const std::string& code);
int dmp(const std::string& code);
int legalBasis(const std::string& code);
int wop(const std::string& code);
int personType(const std::string& code);
int certainty(const std::string& code);
int side(const std::string& code);

}  // namespace fhir::eaucodes
