#include "usecases/eau/checksCountry.h"

#include "fhir/r4/codes/CountryCodes.h"

namespace fhir::eauchecks {
namespace {

// The code goes between quotation marks; the fixed texts carry them.
std::string countryMessage(const char* beginning, const std::string& code, const char* end) {
    return beginning + code + end;
}

}  // namespace

bool unknownCountryOlder(const std::string& code) { return !code.empty() && codes::lookupCountryCodeOld(code) == 0; }
bool unknownCountryNewer(const std::string& code) { return !code.empty() && codes::lookupCountryCodeNew(code) == 0; }

std::string insuredAddressCountryMessage(const EauData& d) {
    return countryMessage("Der Wohnsitzländercode der Versichertenanschrift \"", d.strassenadresse.wohnsitzlaenderkuerzel,
                          "\" entspricht nicht den gesetzlichen Vorgaben. Bitte korrigieren Sie das "
                          "Länderkennzeichen in der Anschrift des Patienten auf \"D\".");
}

std::string insuredPostBoxCountryMessage(const EauData& d) {
    return countryMessage("Der Wohnsitzländercode der Versichertenpostfachanschrift \"",
                          d.postfachanschrift.wohnsitzlaenderkuerzel,
                          "\" entspricht nicht den gesetzlichen Vorgaben. Bitte korrigieren Sie das "
                          "Länderkennzeichen in der Postfachanschrift des Patienten auf \"D\".");
}

std::string practiceAddressCountryMessage(const EauData& d) {
    return countryMessage("Der Wohnsitzländercode der Praxisanschrift \"", d.institution.adresse.wohnsitzlaenderkuerzel,
                          "\" entspricht nicht den gesetzlichen Vorgaben. Bitte korrigieren Sie das "
                          "Länderkennzeichen in der Anschrift des Praxisinhabers auf \"D\".");
}

}  // namespace fhir::eauchecks
