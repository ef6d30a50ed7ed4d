#include "fhir/r4/codes/Enumerations.h"
#include "fhir/r4/core/v4_0_1/Period.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionGkvBesonderePersonengruppe.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionGkvDmpKennzeichen.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionGkvEinlesedatumKarte.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionGkvVersichertenart.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionGkvWop.h"
#include "fhir/r4/debasis/v1_3_2/ExtensionGkvZuzahlungsstatus.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierIknr.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_EX_VoS_SKT.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Coverage.h"
#include "usecases/vos/vosBuilders.h"
#include "usecases/vos/vosElements.h"

namespace fhir::vos {
namespace {

using namespace codes;
namespace debasis = r4::debasis::v1_3_2;

// The co-payment status: exempt exactly for "1".
core::Extension* coPaymentStatus(const HostString& status) {
    auto* extension = new debasis::ExtensionGkvZuzahlungsstatus();
    extension->addExtension(newSubExtension(extension->extensionStatusUrl, new f_boolean(status == HostString("1"))));
    return extension;
}

// The extensions of the insurance relationship, each only when its field is set.
void addExtensions(core::Coverage& coverage, const VosPatient& patient) {
    const VosInsurance& insurance = patient.versicherung;
    if (!insurance.einlesedatum.IsEmpty()) {
        coverage.addExtension(
            newExtension<debasis::ExtensionGkvEinlesedatumKarte>(new f_dateTime(insurance.einlesedatum.str())));
    }
    addCodingExtension<debasis::ExtensionGkvBesonderePersonengruppe>(
        coverage, codingFor<CS_KBV_CS_SFHIR_KBV_PERSONENGRUPPE>(insurance.besonderePersonengruppe));
    addCodingExtension<debasis::ExtensionGkvDmpKennzeichen>(coverage,
                                                            codingFor<CS_KBV_CS_SFHIR_KBV_DMP>(insurance.dmpKennzeichen));
    addCodingExtension<debasis::ExtensionGkvVersichertenart>(
        coverage, codingFor<CS_KBV_CS_SFHIR_KBV_VERSICHERTENSTATUS>(insurance.versichertenart));
    addCodingExtension<debasis::ExtensionGkvWop>(coverage, codingFor<CS_KBV_CS_SFHIR_ITA_WOP>(insurance.wop));
    if (!patient.zuzahlungsstatus.IsEmpty()) {
        coverage.addExtension(coPaymentStatus(patient.zuzahlungsstatus));
    }
    // The profile gives the SKT information as text.
    if (!insurance.skt.IsEmpty()) {
        coverage.addExtension(
            newExtension<r4::kbvitavos::v2_1_0::KBV_EX_VoS_SKT>(new f_string(insurance.skt.str())));
    }
}

core::Reference* payor(const VosInsurance& insurance) {
    auto* payor = new core::Reference();
    if (!insurance.ikKostentraeger.IsEmpty()) {
        payor->addIdentifier(newSystemIdentifier<debasis::IdentifierIknr>(insurance.ikKostentraeger.str()));
    }
    if (!insurance.nameKostentraeger.IsEmpty()) {
        payor->addDisplay(new f_string(insurance.nameKostentraeger.str()));
    }
    return payor;
}

}  // namespace

core::Coverage* buildCoverage(const VosPatient& patient, const core::Patient* beneficiary) {
    const VosInsurance& insurance = patient.versicherung;
    if (insurance.versichertennummer.IsEmpty() && insurance.zweitnummer.IsEmpty() &&
        insurance.ikKostentraeger.IsEmpty() && insurance.nameKostentraeger.IsEmpty()) {
        return nullptr;
    }
    auto* coverage = new r4::kbvitavos::v2_1_0::KBV_PR_VoS_Coverage();
    identifyFresh(*coverage);
    addExtensions(*coverage, patient);
    coverage->addStatus(new f_code(coverage->status));
    if (core::Coding* kind = memberCodingFor<VS_KBV_VS_FOR_Payor_type>(insurance.versicherungsart)) {
        coverage->addType(newConcept(kind));
    }
    if (beneficiary) {
        coverage->addBeneficiary(newReference(*beneficiary));
    }
    if (!insurance.versicherungsschutzende.IsEmpty()) {
        auto* period = new core::Period();
        period->addEnd(new f_dateTime(insurance.versicherungsschutzende.str()));
        coverage->addPeriod(period);
    }
    coverage->addPayor(payor(insurance));
    return coverage;
}

}  // namespace fhir::vos
