#include "usecases/shared/addressParts.h"

#include "fhir/r4/core/v4_0_1/ADXP_additionalLocator.h"
#include "fhir/r4/core/v4_0_1/ADXP_houseNumber.h"
#include "fhir/r4/core/v4_0_1/ADXP_postBox.h"
#include "fhir/r4/core/v4_0_1/ADXP_streetName.h"

namespace fhir::shared {

f_string* newStreetLine(const StreetAddressData& data) {
    const bool hasStreet = !data.strassenname.empty();
    const bool hasNumber = !data.hausnummer.empty();
    if (!hasStreet && !hasNumber) {
        return nullptr;
    }
    auto* line = new f_string(data.strassenname + (hasStreet && hasNumber ? " " : "") + data.hausnummer);
    if (hasStreet) {
        line->addExtension(newAddressPart<r4::core::v4_0_1::ADXP_streetName>(data.strassenname));
    }
    if (hasNumber) {
        line->addExtension(newAddressPart<r4::core::v4_0_1::ADXP_houseNumber>(data.hausnummer));
    }
    return line;
}

f_string* newOneStreetLine(const StreetAddressData& data) {
    const std::string& addition = data.anschriftenzusatz;
    f_string* line = newStreetLine(data);
    if (!line && !addition.empty()) {
        line = new f_string(addition);
    }
    if (line && !addition.empty()) {
        line->addExtension(newAddressPart<r4::core::v4_0_1::ADXP_additionalLocator>(addition));
    }
    return line;
}

void fillOneLineStreetAddress(r4::core::v4_0_1::Address& address, const std::string& type,
                              const StreetAddressData& data) {
    address.addType(new f_code(type));
    if (f_string* line = newOneStreetLine(data)) {
        address.addLine(line);
    }
    addPlace(address, data.ortsname, data.postleitzahl, data.laendercode);
}

void addPlace(r4::core::v4_0_1::Address& address, const std::string& city, const std::string& postalCode,
              const std::string& country) {
    if (!city.empty()) {
        address.addCity(new f_string(city));
    }
    if (!postalCode.empty()) {
        address.addPostalCode(new f_string(postalCode));
    }
    if (!country.empty()) {
        address.addCountry(new f_string(country));
    }
}

void fillPostBoxAddress(r4::core::v4_0_1::Address& address, const std::string& type, const PostBoxAddressData& data) {
    address.addType(new f_code(type));
    if (!data.postfach.empty()) {
        auto* line = new f_string(data.postfach);
        line->addExtension(newAddressPart<r4::core::v4_0_1::ADXP_postBox>(data.postfach));
        address.addLine(line);
    }
    addPlace(address, data.ortsname, data.postleitzahl, data.laendercode);
}

}  // namespace fhir::shared
