#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/codes/Enumerations.h"
#include "fhir/r4/core/v4_0_1/Period.h"
#include "fhir/r4/core/v4_0_1/assertedDate.h"
#include "fhir/r4/core/v4_0_1/dueTo.h"
#include "usecases/eau/EauProfiles.h"
#include "usecases/eau/eauBuilders.h"
#include "usecases/eau/eauDateTimeValue.h"

namespace fhir::eau {
namespace {

using namespace codes;

// The extensions of the incapacity, in profile order: date of the finding,
// seventh week, causes, partly able to work, incapacity for the occupation.
// The two flags are fixed to true in the profile and are left out when unset.
template <class P>
void addIncapacityExtensions(core::Condition& condition, const EauData& data) {
    auto* finding = new core::assertedDate();
    finding->setValue(new f_dateTime(data.festgestelltam));
    condition.addExtension(finding);
    if (data.siebteauwoche) {
        auto* seventhWeek = new typename P::SevenWeeks();
        seventhWeek->setValue(new f_boolean(true));
        condition.addExtension(seventhWeek);
    }
    for (const int cause : data.causes) {
        auto* dueTo = new core::dueTo();
        dueTo->setValue(newConcept(newCodingOf<CS_KBV_CS_FOR_Ursache_Type>(cause)));
        condition.addExtension(dueTo);
    }
    if (!data.teilweisearbeitsfaehigab.empty()) {
        auto* partly = new DateTimeValued<typename P::PartiallyEmployable>();
        partly->setValue(new f_dateTime(data.teilweisearbeitsfaehigab));
        condition.addExtension(partly);
    }
    if (data.berufsunfaehigkeit) {
        auto* occupation = new typename P::Unemployability();
        occupation->setValue(new f_boolean(true));
        condition.addExtension(occupation);
    }
}

}  // namespace

template <class P>
core::Condition* buildConditionAU(const EauData& data, const core::Patient& patient,
                                  const core::Practitioner& issuer) {
    auto* condition = new typename P::ConditionAU();
    identify(*condition, newUuid(), profileOf<P>(*condition));
    addIncapacityExtensions<P>(*condition, data);
    condition->addClinicalStatus(newConcept(condition->clinicalStatusSystem, condition->clinicalStatusCode));
    condition->addVerificationStatus(
        newConcept(condition->verificationStatusSystem, condition->verificationStatusCode));
    condition->addCode(newConcept(condition->codeSystem, condition->code));
    condition->addSubject(newReference(patient));
    auto* period = new core::Period();
    if (!data.auseit.empty()) {
        period->addStart(new f_dateTime(data.auseit));
    }
    period->addEnd(new f_dateTime(data.voraussichtlichaubis));
    condition->addOnset(period);
    condition->addAsserter(newReference(issuer));
    return condition;
}

template core::Condition* buildConditionAU<Eau110>(const EauData&, const core::Patient&, const core::Practitioner&);
template core::Condition* buildConditionAU<Eau120>(const EauData&, const core::Patient&, const core::Practitioner&);

}  // namespace fhir::eau
