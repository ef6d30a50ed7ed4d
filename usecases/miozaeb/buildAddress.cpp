#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/ADXP_additionalLocator.h"
#include "fhir/r4/core/v4_0_1/ADXP_houseNumber.h"
#include "fhir/r4/core/v4_0_1/ADXP_streetName.h"
#include "fhir/r4/debasis/v0_9_13/AddressDeBasis.h"
#include "usecases/miozaeb/zaebBuilders.h"

namespace fhir::zaeb {
namespace {

template <class Part>
void addPart(f_string& line, const std::string& value) {
    if (!value.empty()) {
        auto* part = new Part();
        part->setValue(new f_string(value));
        line.addExtension(part);
    }
}

// "Street 1" as the line's text; an address with an addition only shows
// the addition there, so that the line is never without text.
std::string lineText(const ZaebAddress& address) {
    std::string text = address.street;
    if (!text.empty() && !address.houseNumber.empty()) {
        text += ' ';
    }
    text += address.houseNumber;
    return text.empty() ? address.addition : text;
}

void addText(core::Address& address, void (core::Address::*add)(f_string*), const std::string& value) {
    if (!value.empty()) {
        (address.*add)(new f_string(value));
    }
}

}  // namespace

core::Address* buildAddress(const ZaebAddress& data, const std::string& type) {
    auto* address = new r4::debasis::v0_9_13::AddressDeBasis();
    address->addType(new f_code(type));
    const std::string text = lineText(data);
    if (!text.empty()) {
        auto* line = new f_string(text);
        addPart<core::ADXP_streetName>(*line, data.street);
        addPart<core::ADXP_houseNumber>(*line, data.houseNumber);
        addPart<core::ADXP_additionalLocator>(*line, data.addition);
        address->addLine(line);
    }
    addText(*address, &core::Address::addCity, data.city);
    addText(*address, &core::Address::addPostalCode, data.postalCode);
    addText(*address, &core::Address::addCountry, data.countryCode);
    return address;
}

}  // namespace fhir::zaeb
