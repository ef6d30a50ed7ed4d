// The profile classes of the parties of a statutory form, by generation.
// Every use case of a generation builds its practitioners, practice, patient
// and insurance with the same classes; a use-case profile set names its
// generation as `Party` and hands it to the party builders.
#pragma once

#include <string>
#include <string_view>

#include "fhir/r4/ProfileCanonical.h"
#include "fhir/r4/core/v4_0_1/Resource.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionGkvBesonderePersonengruppe.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionGkvDmpKennzeichen.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionGkvVersichertenart.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionGkvWop.h"
#include "fhir/r4/debasis/v1_3_2/HumannameNamenszusatz.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierBsnr.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierIknr.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierKvid10.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierKzva.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierLanr.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierStandortnummer.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierTelematikId.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierZanr.h"
#include "fhir/r4/debasis/v1_5_2/ExtensionGkvBesonderePersonengruppe.h"
#include "fhir/r4/debasis/v1_5_2/ExtensionGkvDmpKennzeichen.h"
#include "fhir/r4/debasis/v1_5_2/ExtensionGkvVersichertenart.h"
#include "fhir/r4/debasis/v1_5_2/ExtensionGkvWop.h"
#include "fhir/r4/debasis/v1_5_2/HumannameNamenszusatz.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierBsnr.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierIknr.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierKvid10.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierKzva.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierLanr.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierStandortnummer.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierTelematikId.h"
#include "fhir/r4/debasis/v1_5_2/IdentifierZanr.h"
#include "fhir/r4/kbvbasis/v1_3_0/KBV_PR_Base_Datatype_Contactpoint.h"
#include "fhir/r4/kbvbasis/v1_3_0/KBV_PR_Base_Datatype_Name.h"
#include "fhir/r4/kbvbasis/v1_3_0/KBV_PR_Base_Datatype_Post_Office_Box.h"
#include "fhir/r4/kbvbasis/v1_3_0/KBV_PR_Base_Datatype_Street_Address.h"
#include "fhir/r4/kbvbasis/v1_7_0/KBV_PR_Base_Datatype_Contactpoint.h"
#include "fhir/r4/kbvbasis/v1_7_0/KBV_PR_Base_Datatype_Name.h"
#include "fhir/r4/kbvbasis/v1_7_0/KBV_PR_Base_Datatype_Post_Office_Box.h"
#include "fhir/r4/kbvbasis/v1_7_0/KBV_PR_Base_Datatype_Street_Address.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_EX_FOR_Alternative_IK.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_EX_FOR_Legal_basis.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_PR_FOR_Coverage.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_PR_FOR_Identifier_PkvID_10.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_PR_FOR_Organization.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_PR_FOR_Patient.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_PR_FOR_Practitioner.h"
#include "fhir/r4/kbvitafor/v1_1_0/KBV_PR_FOR_PractitionerRole.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_EX_FOR_Alternative_IK.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_EX_FOR_Legal_basis.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_PR_FOR_Coverage.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_PR_FOR_Organization.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_PR_FOR_Patient.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_PR_FOR_Practitioner.h"
#include "fhir/r4/kbvitafor/v1_2_0/KBV_PR_FOR_PractitionerRole.h"

namespace fhir::shared {

namespace core = fhir::r4::core::v4_0_1;

// The generation valid from 20230701: FOR 1.1.0, KBV base 1.3.0, German base
// 1.3.2 (eAU 1.1.0, eRezept 1.1.0).
struct For110 {
    using Practitioner = r4::kbvitafor::v1_1_0::KBV_PR_FOR_Practitioner;
    using PractitionerRole = r4::kbvitafor::v1_1_0::KBV_PR_FOR_PractitionerRole;
    using Organization = r4::kbvitafor::v1_1_0::KBV_PR_FOR_Organization;
    using Patient = r4::kbvitafor::v1_1_0::KBV_PR_FOR_Patient;
    using Coverage = r4::kbvitafor::v1_1_0::KBV_PR_FOR_Coverage;
    using LegalBasis = r4::kbvitafor::v1_1_0::KBV_EX_FOR_Legal_basis;
    using AlternativeIk = r4::kbvitafor::v1_1_0::KBV_EX_FOR_Alternative_IK;
    using IdentifierPkv = r4::kbvitafor::v1_1_0::KBV_PR_FOR_Identifier_PkvID_10;
    using Name = r4::kbvbasis::v1_3_0::KBV_PR_Base_Datatype_Name;
    using StreetAddress = r4::kbvbasis::v1_3_0::KBV_PR_Base_Datatype_Street_Address;
    using PostOfficeBox = r4::kbvbasis::v1_3_0::KBV_PR_Base_Datatype_Post_Office_Box;
    using ContactPoint = r4::kbvbasis::v1_3_0::KBV_PR_Base_Datatype_Contactpoint;
    using IdentifierLanr = r4::debasis::v1_3_2::IdentifierLanr;
    using IdentifierZanr = r4::debasis::v1_3_2::IdentifierZanr;
    using IdentifierTelematikId = r4::debasis::v1_3_2::IdentifierTelematikId;
    using IdentifierIknr = r4::debasis::v1_3_2::IdentifierIknr;
    using IdentifierBsnr = r4::debasis::v1_3_2::IdentifierBsnr;
    using IdentifierKzva = r4::debasis::v1_3_2::IdentifierKzva;
    using IdentifierStandortnummer = r4::debasis::v1_3_2::IdentifierStandortnummer;
    using IdentifierKvid10 = r4::debasis::v1_3_2::IdentifierKvid10;
    using NameAddition = r4::debasis::v1_3_2::HumannameNamenszusatz;
    using SpecialGroup = r4::debasis::v1_3_2::ExtensionGkvBesonderePersonengruppe;
    using DmpMark = r4::debasis::v1_3_2::ExtensionGkvDmpKennzeichen;
    using InsuredKind = r4::debasis::v1_3_2::ExtensionGkvVersichertenart;
    using Wop = r4::debasis::v1_3_2::ExtensionGkvWop;

    // Meta.profile carries the canonical with the full version.
    static std::string_view profileReference(std::string_view canonical) { return canonical; }
};

// The generation valid from 20251001: FOR 1.2.0, KBV base 1.7.0, German base
// 1.5.2 (eAU 1.2.0, eRezept 1.3.2).
struct For120 {
    using Practitioner = r4::kbvitafor::v1_2_0::KBV_PR_FOR_Practitioner;
    using PractitionerRole = r4::kbvitafor::v1_2_0::KBV_PR_FOR_PractitionerRole;
    using Organization = r4::kbvitafor::v1_2_0::KBV_PR_FOR_Organization;
    using Patient = r4::kbvitafor::v1_2_0::KBV_PR_FOR_Patient;
    using Coverage = r4::kbvitafor::v1_2_0::KBV_PR_FOR_Coverage;
    using LegalBasis = r4::kbvitafor::v1_2_0::KBV_EX_FOR_Legal_basis;
    using AlternativeIk = r4::kbvitafor::v1_2_0::KBV_EX_FOR_Alternative_IK;
    using Name = r4::kbvbasis::v1_7_0::KBV_PR_Base_Datatype_Name;
    using StreetAddress = r4::kbvbasis::v1_7_0::KBV_PR_Base_Datatype_Street_Address;
    using PostOfficeBox = r4::kbvbasis::v1_7_0::KBV_PR_Base_Datatype_Post_Office_Box;
    using ContactPoint = r4::kbvbasis::v1_7_0::KBV_PR_Base_Datatype_Contactpoint;
    using IdentifierLanr = r4::debasis::v1_5_2::IdentifierLanr;
    using IdentifierZanr = r4::debasis::v1_5_2::IdentifierZanr;
    using IdentifierTelematikId = r4::debasis::v1_5_2::IdentifierTelematikId;
    using IdentifierIknr = r4::debasis::v1_5_2::IdentifierIknr;
    using IdentifierBsnr = r4::debasis::v1_5_2::IdentifierBsnr;
    using IdentifierKzva = r4::debasis::v1_5_2::IdentifierKzva;
    using IdentifierStandortnummer = r4::debasis::v1_5_2::IdentifierStandortnummer;
    using IdentifierKvid10 = r4::debasis::v1_5_2::IdentifierKvid10;
    using NameAddition = r4::debasis::v1_5_2::HumannameNamenszusatz;
    using SpecialGroup = r4::debasis::v1_5_2::ExtensionGkvBesonderePersonengruppe;
    using DmpMark = r4::debasis::v1_5_2::ExtensionGkvDmpKennzeichen;
    using InsuredKind = r4::debasis::v1_5_2::ExtensionGkvVersichertenart;
    using Wop = r4::debasis::v1_5_2::ExtensionGkvWop;

    // Meta.profile carries the canonical shortened to major.minor.
    static std::string_view profileReference(std::string_view canonical) {
        return fhir::r4::shortProfileCanonicalLine(canonical);
    }
};

// The reference that a resource's meta carries in generation P, taken from
// the profile class's own canonical text: the resource's static type must be
// the class it was made as.
template <class P, class Profile>
std::string_view profileOf(const Profile& /*resource*/) {
    return P::profileReference(Profile::kCanonical);
}

}  // namespace fhir::shared
