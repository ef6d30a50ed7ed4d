#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/ADXP_additionalLocator.h"
#include "usecases/shared/PartyProfiles.h"
#include "usecases/shared/addressParts.h"
#include "usecases/shared/partyBuilders.h"

namespace fhir::shared {
namespace {

// Street and house number share the first line ("Musterstr. 1"); an address
// addition follows on a line of its own, or stands alone on the first line.
// Each line carries its own address-part extensions: with two lines a holder
// of the field would put them all into the first one.
void addStreetLines(core::Address& address, const StreetAddressData& data) {
    if (f_string* line = newStreetLine(data)) {
        address.addLine(line);
    }
    if (!data.anschriftenzusatz.empty()) {
        auto* line = new f_string(data.anschriftenzusatz);
        line->addExtension(newAddressPart<core::ADXP_additionalLocator>(data.anschriftenzusatz));
        address.addLine(line);
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
    fillPostBoxAddress(*address, address->type, data);
    return address;
}

template core::Address* buildStreetAddress<For110>(const StreetAddressData&);
template core::Address* buildStreetAddress<For120>(const StreetAddressData&);
template core::Address* buildPostBoxAddress<For110>(const PostBoxAddressData&);
template core::Address* buildPostBoxAddress<For120>(const PostBoxAddressData&);

}  // namespace fhir::shared
