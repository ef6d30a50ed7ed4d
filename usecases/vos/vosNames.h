// Names and addresses of the VoS persons and the practice, built by the
// shared builders over the KBV base 1.3.0 datatypes.
#pragma once

#include <string>

#include "fhir/r4/core/v4_0_1/Address.h"
#include "fhir/r4/core/v4_0_1/HumanName.h"
#include "usecases/vos/VosRecord.h"

namespace fhir::vos {

namespace core = fhir::r4::core::v4_0_1;

// The official name: family with name suffix and own name, given name, and
// the title as academic prefix.
core::HumanName* buildName(const std::string& given, const std::string& family, const std::string& ownName,
                           const std::string& title, const std::string& suffix);

core::Address* buildStreetAddress(const VosStreetAddress& address);
core::Address* buildPostBoxAddress(const VosPostBoxAddress& address);

}  // namespace fhir::vos
