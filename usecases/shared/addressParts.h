// Building blocks of the addresses of every document: the address-part
// extensions of a line, the place (city, postal code, country) and the body of
// a post-box address. Each adds new elements to the address it is given.
#pragma once

#include <string>

#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/Address.h"
#include "usecases/shared/PartyData.h"

namespace fhir::shared {

// A new address-part extension (ADXP_streetName, ADXP_houseNumber, ...).
template <class Part>
Part* newAddressPart(const std::string& value) {
    auto* part = new Part();
    part->setValue(new f_string(value));
    return part;
}

// "street number" (joined by a blank when both are given) with the
// street-name and house-number extensions; null when both are empty.
f_string* newStreetLine(const StreetAddressData& data);

// One line for the whole street address: "street number" as newStreetLine,
// or the address addition alone when both are missing; the addition is
// always an address-part extension of that line. Null when all are empty.
f_string* newOneStreetLine(const StreetAddressData& data);

// Type, the one line of newOneStreetLine (when any) and the place.
void fillOneLineStreetAddress(r4::core::v4_0_1::Address& address, const std::string& type,
                              const StreetAddressData& data);

// City, postal code and country, each when given.
void addPlace(r4::core::v4_0_1::Address& address, const std::string& city, const std::string& postalCode,
              const std::string& country);

// Type, the post box as line with its address-part extension (when given)
// and the place.
void fillPostBoxAddress(r4::core::v4_0_1::Address& address, const std::string& type, const PostBoxAddressData& data);

}  // namespace fhir::shared
