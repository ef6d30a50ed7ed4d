// Scheme and host of the canonical URLs the documents use; paths are added
// where a URL is formed.
#pragma once

namespace fhir::base {

constexpr const char* kHl7 = "http://hl7.org";
constexpr const char* kHl7Terminology = "http://terminology.hl7.org";
constexpr const char* kGerman = "http://fhir.de";
constexpr const char* kKbv = "https://fhir.kbv.de";
constexpr const char* kGematik = "https://gematik.de";
constexpr const char* kSnomed = "http://snomed.info";
constexpr const char* kLoinc = "http://loinc.org";
constexpr const char* kUcum = "http://unitsofmeasure.org";
constexpr const char* kOrphanet = "http://www.orpha.net";
// Identifier systems of the practice software's own patient and staff numbers.
constexpr const char* kMaker = "https://fhir.tevo-software.de";

// The FHIR XML namespace.
constexpr const char* kFhirNamespace = "http://hl7.org/fhir";
// Prefix of the core definitions: kCoreDefinitions + type name.
constexpr const char* kCoreDefinitions = "http://hl7.org/fhir/StructureDefinition/";
constexpr const char* kCoreVersionSuffix = "|4.0.1";

}  // namespace fhir::base
