#include "usecases/vos/vosNames.h"

#include "usecases/shared/PartyProfiles.h"
#include "usecases/shared/partyBuilders.h"

namespace fhir::vos {

// The VoS profiles build on the datatypes of KBV base 1.3.0 and German base
// 1.3.2, the generation of FOR 1.1.0. The builders take the host's ANSI text
// as it is; they add no text of their own but ASCII codes.
using Party = shared::For110;

core::HumanName* buildName(const std::string& given, const std::string& family, const std::string& ownName,
                           const std::string& title, const std::string& suffix) {
    static const std::string kNoPrefixWord;
    return shared::buildName<Party>({given, family, ownName, title, kNoPrefixWord, suffix});
}

core::Address* buildStreetAddress(const VosStreetAddress& address) {
    return shared::buildStreetAddress<Party>({address.laenderkennzeichen.str(), address.postleitzahl.str(),
                                              address.ort.str(), address.strasse.str(), address.hausnummer.str(),
                                              address.anschriftenzusatz.str()});
}

core::Address* buildPostBoxAddress(const VosPostBoxAddress& address) {
    return shared::buildPostBoxAddress<Party>({address.laenderkennzeichen.str(), address.postleitzahl.str(),
                                               address.ort.str(), address.postfach.str()});
}

}  // namespace fhir::vos
