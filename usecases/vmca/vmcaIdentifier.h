// The identifiers of the request: practice number, LANR and the two
// insurance numbers, each with a type coding that carries a display text.
#pragma once

#include <string>

#include "fhir/r4/core/v4_0_1/Identifier.h"

namespace fhir::vmca {

struct IdentifierType {
    const std::string& system;
    const std::string& code;
    const char* display;
};

// A new identifier: type, system and value.
r4::core::v4_0_1::Identifier* newTypedIdentifier(const IdentifierType& type, const std::string& system,
                                                 const std::string& value);

}  // namespace fhir::vmca
