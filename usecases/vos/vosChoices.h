// The systems, codes and texts of the VoS document that neither the host nor
// an available profile fixes, each in this one place. The observation codes
// and units are fixed texts of their profile classes (tools/profilegen).
#pragma once

namespace fhir::vos::choice {

// Identifier systems under the maker base.
constexpr const char* kPatientNumberPath = "/tevo/patnr";
constexpr const char* kPersonNumberPath = "/tevo/persnr";
constexpr const char* kPrescriptionGroupPath = "/tevo/rezeptgruppe";
constexpr const char* kDocumentIdPath = "/tevo/dokumentid";

// The official German gender of "other" (GenderOtherDE).
constexpr const char* kGenderOfficialSystem = "http://fhir.de/CodeSystem/gender-amtlich-de";

// Allergy status codings; their versions stand as the placeholder the
// interface description gives.
constexpr const char* kAllergyClinicalSystem = "http://terminology.hl7.org/CodeSystem/allergyintolerance-clinical";
constexpr const char* kAllergyVerificationSystem =
    "http://terminology.hl7.org/CodeSystem/allergyintolerance-verification";
constexpr const char* kPlaceholderVersion = "TODO version";

// The legal basis when neither the record nor a prescription gives one: "00"
// (no special legal basis). The placeholder "TODO Rechtsgrundlage" of the
// interface description is not in the value set the profile requires.
constexpr const char* kNoLegalBasis = "00";
// The start-up context when the record gives none: "Ohne Aufrufkontext".
constexpr const char* kDefaultStartUpContext = "1";

// KBV_EX_Base_Medication_Type of a medication with PZN.
constexpr const char* kMedicinalProductSystem = "http://snomed.info/sct";
constexpr const char* kMedicinalProductVersion = "http://snomed.info/sct/900000000000207008/version/20220331";
constexpr const char* kMedicinalProductCode = "763158003";
constexpr const char* kMedicinalProductDisplay = "Medicinal product (product)";

// The ingredient number (ASK) of a medication.
constexpr const char* kAskSystem = "http://fhir.de/CodeSystem/ask";
// The code of the medication types without PZN (CS_KBV_CS_ERP_Medication_Type).
constexpr const char* kIngredientType = "wirkstoff";
constexpr const char* kFreeTextType = "freitext";

// A prescription: its status and intent, and the unit of the dispensed amount.
constexpr const char* kPrescriptionStatus = "active";
constexpr const char* kPrescriptionIntent = "order";
constexpr const char* kPackageUnitSystem = "http://unitsofmeasure.org";
constexpr const char* kPackageUnitCode = "{Package}";

// Attached documents: status and type system.
constexpr const char* kDocumentStatus = "current";
constexpr const char* kDocumentTypeSystem = "https://fhir.kbv.de/CodeSystem/KBV_CS_VoS_DocumentType";

}  // namespace fhir::vos::choice
