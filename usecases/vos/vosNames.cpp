#include "usecases/vos/vosNames.h"

#include "usecases/eau/EauProfiles.h"
#include "usecases/eau/eauBuilders.h"

namespace fhir::vos {

core::HumanName* buildName(const std::string& given, const std::string& family, const std::string& ownName,
                           const std::string& title, const std::string& suffix) {
    static const std::string kNoPrefixWord;
    return eau::buildName<eau::Eau110>({given, family, ownName, title, kNoPrefixWord, suffix});
}

core::Address* buildStreetAddress(const VosStreetAddress& address) {
    return eau::buildStreetAddress<eau::Eau110>({address.laenderkennzeichen.str(), address.postleitzahl.str(),
                                                 address.ort.str(), address.strasse.str(), address.hausnummer.str(),
                                                 address.anschriftenzusatz.str()});
}

core::Address* buildPostBoxAddress(const VosPostBoxAddress& address) {
    return eau::buildPostBoxAddress<eau::Eau110>({address.laenderkennzeichen.str(), address.postleitzahl.str(),
                                                  address.ort.str(), address.postfach.str()});
}

}  // namespace fhir::vos
