#include "usecases/erezept/checksCountry.h"

#include "fhir/r4/codes/CountryCodes.h"

namespace fhir::erezeptchecks {

bool unknownCountry132(const std::string& code) { return !code.empty() && codes::lookupCountryCodeNew(code) == 0; }
// The prescription 1.1.0 knows every code of the newer table but "SWZ".
bool unknownCountry110(const std::string& code) { return unknownCountry132(code) || code == "SWZ"; }

std::string insuredAddressCountryMessage(const ERezeptData& d) {
    return shared::countryMessage("Versichertenanschrift", d.insured.strassenadresse.laendercode,
                                  "in der Anschrift des Patienten");
}

std::string insuredPostBoxCountryMessage(const ERezeptData& d) {
    return shared::countryMessage("Versichertenpostfachanschrift", d.insured.postfachanschrift.laendercode,
                                  "in der Postfachanschrift des Patienten");
}

std::string practiceAddressCountryMessage(const ERezeptData& d) {
    return shared::countryMessage("Praxisanschrift", d.institution.adresse.laendercode,
                                  "in der Anschrift des Praxisinhabers");
}

}  // namespace fhir::erezeptchecks
