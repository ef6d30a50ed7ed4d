#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/codes/Enumerations.h"
#include "usecases/eau/EauProfiles.h"
#include "usecases/eau/eauBuilders.h"
#include "usecases/eau/eauDateTimeValue.h"

namespace fhir::eau {
namespace {

using codes::CS_KBV_CS_EAU_WeitereSchritte_Type;

// The dates a measure carries: the reintegration date belongs to the gradual
// reintegration, admission and discharge to rehabilitation and in-patient
// treatment; the text of other measures belongs to "sonstige".
struct MeasureDates {
    bool reintegration;
    bool stay;
    bool text;
};

MeasureDates datesOf(int measure) {
    static const struct {
        int measure;
        MeasureDates dates;
    } kMeasures[] = {
        {eaucode::kMeasureReha, {false, true, false}},
        {eaucode::kMeasureInPatient, {false, true, false}},
        {eaucode::kMeasureReintegration, {true, false, false}},
        {eaucode::kMeasureOther, {false, false, true}},
    };
    for (const auto& entry : kMeasures) {
        if (entry.measure == measure) {
            return entry.dates;
        }
    }
    return {false, false, false};
}

template <class Extension>
void addDateExtension(core::ServiceRequest& request, const std::string& date) {
    if (!date.empty()) {
        auto* extension = new DateTimeValued<Extension>();
        extension->setValue(new f_dateTime(date));
        request.addExtension(extension);
    }
}

}  // namespace

template <class P>
core::ServiceRequest* buildServiceRequest(int measure, const EauData& data, const core::Patient& patient,
                                          const core::Practitioner& issuer, const core::Condition& incapacity) {
    auto* request = new typename P::ServiceRequestSteps();
    identify(*request, newUuid(), profileOf<P>(*request));
    const MeasureDates dates = datesOf(measure);
    if (dates.reintegration) {
        addDateExtension<typename P::ReintegrationDate>(*request, data.wiedereingliederungab);
    }
    if (dates.stay) {
        addDateExtension<typename P::AdmissionDate>(*request, data.aufnahmedatum);
        addDateExtension<typename P::DischargeDate>(*request, data.entlassungsdatum);
    }
    request->addStatus(new f_code(request->status));
    request->addIntent(new f_code(request->intent));
    auto* code = newConcept(newCodingOf<CS_KBV_CS_EAU_WeitereSchritte_Type>(measure));
    if (dates.text && !data.sonstigetext.empty()) {
        code->addText(new f_string(data.sonstigetext));
    }
    request->addCode(code);
    request->addSubject(newReference(patient));
    request->addRequester(newReference(issuer));
    request->addReasonReference(newReference(incapacity));
    return request;
}

template core::ServiceRequest* buildServiceRequest<Eau110>(int, const EauData&, const core::Patient&,
                                                           const core::Practitioner&, const core::Condition&);
template core::ServiceRequest* buildServiceRequest<Eau120>(int, const EauData&, const core::Patient&,
                                                           const core::Practitioner&, const core::Condition&);

}  // namespace fhir::eau
