#include "usecases/eau/checksCountry.h"

#include "fhir/r4/codes/CountryCodes.h"
#include "usecases/shared/checkHelpers.h"

namespace fhir::eauchecks {

bool unknownCountryOlder(const std::string& code) { return !code.empty() && codes::lookupCountryCodeOld(code) == 0; }
bool unknownCountryNewer(const std::string& code) { return !code.empty() && codes::lookupCountryCodeNew(code) == 0; }

std::string insuredAddressCountryMessage(const EauData& d) {
    return shared::countryMessage("Versichertenanschrift", d.strassenadresse.laendercode,
                                  "in der Anschrift des Patienten");
}

std::string insuredPostBoxCountryMessage(const EauData& d) {
    return shared::countryMessage("Versichertenpostfachanschrift", d.postfachanschrift.laendercode,
                                  "in der Postfachanschrift des Patienten");
}

std::string practiceAddressCountryMessage(const EauData& d) {
    return shared::countryMessage("Praxisanschrift", d.institution.adresse.laendercode,
                                  "in der Anschrift des Praxisinhabers");
}

}  // namespace fhir::eauchecks
