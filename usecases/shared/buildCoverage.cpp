#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/codes/Enumerations.h"
#include "fhir/r4/core/v4_0_1/Period.h"
#include "usecases/shared/PartyProfiles.h"
#include "usecases/shared/partyBuilders.h"
#include "usecases/shared/Elements.h"

namespace fhir::shared {
namespace {

using namespace codes;

// A coded extension of the insurance relationship; left out for a code that
// the host did not give or that is not in its list.
template <class Extension, class Enum>
void addCodedExtension(core::Coverage& coverage, int member) {
    if (member == Enum::EMPTY) {
        return;
    }
    auto* extension = new Extension();
    extension->setValue(newCodingOf<Enum>(member));
    coverage.addExtension(extension);
}

// The insurer's IK and, for accident insurance (BG, UK), the payer's IK as
// alternative identifier; the payer's name as display.
template <class P>
core::Reference* buildPayor(const PayerData& data) {
    auto* payor = new core::Reference();
    if (!data.ikkrankenkasse.empty()) {
        auto* insurer = newSystemIdentifier<typename P::IdentifierIknr>(data.ikkrankenkasse);
        const bool accidentInsurance =
            data.payerKind == payer::kBg || data.payerKind == payer::kUk;
        if (accidentInsurance && !data.ikkostentrager.empty()) {
            auto* alternative = new typename P::AlternativeIk();
            alternative->setValue(
                newSystemIdentifier<typename P::IdentifierIknr>(data.ikkostentrager));
            insurer->addExtension(alternative);
        }
        payor->addIdentifier(insurer);
    }
    if (!data.namekostentraeger.empty()) {
        payor->addDisplay(new f_string(data.namekostentraeger));
    }
    return payor;
}

}  // namespace

template <class P>
core::Coverage* buildCoverage(const PayerData& data, const std::string& endOfCover, const core::Patient& patient) {
    auto* coverage = new typename P::Coverage();
    identify(*coverage, newUuid(), profileOf<P>(*coverage));
    addCodedExtension<typename P::SpecialGroup, CS_KBV_CS_SFHIR_KBV_PERSONENGRUPPE>(*coverage, data.specialGroup);
    addCodedExtension<typename P::DmpMark, CS_KBV_CS_SFHIR_KBV_DMP>(*coverage, data.dmp);
    addCodedExtension<typename P::InsuredKind, CS_KBV_CS_SFHIR_KBV_VERSICHERTENSTATUS>(*coverage, data.insuredKind);
    addCodedExtension<typename P::Wop, CS_KBV_CS_SFHIR_ITA_WOP>(*coverage, data.wopCode);
    coverage->addStatus(new f_code(coverage->status));
    if (data.payerKind != VS_KBV_VS_FOR_Payor_type::EMPTY) {
        coverage->addType(newConcept(newMemberCodingOf<VS_KBV_VS_FOR_Payor_type>(data.payerKind)));
    }
    coverage->addBeneficiary(newReference(patient));
    if (!endOfCover.empty()) {
        auto* period = new core::Period();
        period->addEnd(new f_dateTime(endOfCover));
        coverage->addPeriod(period);
    }
    coverage->addPayor(buildPayor<P>(data));
    return coverage;
}

template core::Coverage* buildCoverage<For110>(const PayerData&, const std::string&, const core::Patient&);
template core::Coverage* buildCoverage<For120>(const PayerData&, const std::string&, const core::Patient&);

}  // namespace fhir::shared
