#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/ADXP_additionalLocator.h"
#include "fhir/r4/core/v4_0_1/ADXP_houseNumber.h"
#include "fhir/r4/core/v4_0_1/ADXP_postBox.h"
#include "fhir/r4/core/v4_0_1/ADXP_streetName.h"
#include "usecases/shared/PartyProfiles.h"
#include "usecases/shared/partyBuilders.h"

namespace fhir::shared {
namespace {

template <class Part>
Part* newPart(const std::string& value) {
    auto* part = new Part();
    part->setValue(new f_string(value));
    return part;
}

// Street and house number share the first line ("Musterstr. 1"); an address
// addition follows on a line of its own, or stands alone on the first line.
// Each line carries its own address-part extensions: with two lines a holder
// of the field would put them all into the first one.
void addStreetLines(core::Address& address, const StreetAddressData& data) {
    const bool hasStreet = !data.strassenname.empty();
    const bool hasNumber = !data.hausnummer.empty();
    if (hasStreet || hasNumber) {
        const std::string separator = hasStreet && hasNumber ? " " : "";
        auto* line = new f_string(data.strassenname + separator + data.hausnummer);
        if (hasStreet) {
            line->addExtension(newPart<core::ADXP_streetName>(data.strassenname));
        }
        if (hasNumber) {
            line->addExtension(newPart<core::ADXP_houseNumber>(data.hausnummer));
        }
        address.addLine(line);
    }
    if (!data.anschriftenzusatz.empty()) {
        auto* line = new f_string(data.anschriftenzusatz);
        line->addExtension(newPart<core::ADXP_additionalLocator>(data.anschriftenzusatz));
        address.addLine(line);
    }
}

void addPlace(core::Address& address, const std::string& city, const std::string& postalCode,
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

}  // namespace

template <class P>
core::Address* buildStreetAddress(const StreetAddressData& data) {
    auto* address = new typename P::StreetAddress();
    address->addType(new f_code(address->type));
    addStreetLines(*address, data);
    addPlace(*address, data.ortsname, data.postleitzahl, data.laendercode);
    return address;
}

template <class P>
core::Address* buildPostBoxAddress(const PostBoxAddressData& data) {
    auto* address = new typename P::PostOfficeBox();
    address->addType(new f_code(address->type));
    if (!data.postfach.empty()) {
        auto* line = new f_string(data.postfach);
        line->addExtension(newPart<core::ADXP_postBox>(data.postfach));
        address->addLine(line);
    }
    addPlace(*address, data.ortsname, data.postleitzahl, data.laendercode);
    return address;
}

template core::Address* buildStreetAddress<For110>(const StreetAddressData&);
template core::Address* buildStreetAddress<For120>(const StreetAddressData&);
template core::Address* buildPostBoxAddress<For110>(const PostBoxAddressData&);
template core::Address* buildPostBoxAddress<For120>(const PostBoxAddressData&);

}  // namespace fhir::shared
