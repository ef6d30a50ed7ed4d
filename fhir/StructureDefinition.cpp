#include "fhir/StructureDefinition.h"

namespace fhir {

StructureDefinition::~StructureDefinition() = default;

std::string StructureDefinition::getUrl() const {
    return std::string();
}

}  // namespace fhir
