#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/EN_qualifier.h"
#include "fhir/r4/core/v4_0_1/own_name.h"
#include "fhir/r4/core/v4_0_1/own_prefix.h"
#include "usecases/shared/PartyProfiles.h"
#include "usecases/shared/partyBuilders.h"

namespace fhir::shared {

template <class P>
core::HumanName* buildName(const NameParts& parts) {
    auto* name = new typename P::Name();
    name->addUse(new f_code(name->use));
    // Family name and its parts are each left out when missing; the parts
    // alone still make up the family element.
    if (!parts.family.empty()) {
        name->addFamily(new f_string(parts.family));
    }
    if (!parts.addition.empty()) {
        auto* addition = new typename P::NameAddition();
        addition->setValue(new f_string(parts.addition));
        name->add_family(addition);
    }
    // The own name is mandatory; without a main part the whole family name is it.
    const std::string& ownNameText = parts.ownName.empty() ? parts.family : parts.ownName;
    if (!ownNameText.empty()) {
        auto* ownName = new core::own_name();
        ownName->setValue(new f_string(ownNameText));
        name->add_family(ownName);
    }
    if (!parts.prefixWord.empty()) {
        auto* prefixWord = new core::own_prefix();
        prefixWord->setValue(new f_string(parts.prefixWord));
        name->add_family(prefixWord);
    }
    if (!parts.given.empty()) {
        name->addGiven(new f_string(parts.given));
    }
    if (!parts.title.empty()) {
        name->addPrefix(new f_string(parts.title));
        auto* qualifier = new core::EN_qualifier();
        qualifier->setValue(new f_code("AC"));
        name->add_prefix(qualifier);
    }
    return name;
}

template core::HumanName* buildName<For110>(const NameParts&);
template core::HumanName* buildName<For120>(const NameParts&);

}  // namespace fhir::shared
