#include "fhir/r4/debasis/v0_9_13/AddressDeBasis.h"
#include "usecases/miozaeb/zaebBuilders.h"
#include "usecases/shared/addressParts.h"

namespace fhir::zaeb {

core::Address* buildAddress(const ZaebAddress& data, const std::string& type) {
    const shared::StreetAddressData street{data.countryCode, data.postalCode,  data.city,
                                           data.street,      data.houseNumber, data.addition};
    auto* address = new r4::debasis::v0_9_13::AddressDeBasis();
    shared::fillOneLineStreetAddress(*address, type, street);
    return address;
}

}  // namespace fhir::zaeb
