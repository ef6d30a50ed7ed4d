#include <memory>

#include "fhir/Identity.h"
#include "fhir/r4/codes/Enumerations.h"
#include "usecases/eau/EauProfiles.h"
#include "usecases/eau/eauBuilders.h"

namespace fhir::eau {
namespace {

// A responsible person is named only for a certificate that a physician in
// training ("03") issues.
bool hasResponsiblePerson(const EauData& data) {
    const int inTraining = codes::CS_KBV_CS_FOR_Qualification_Type::fromCode("03");
    return !data.verantwortlichePerson.vorname.empty() && data.person.type == inTraining;
}

}  // namespace

// Entries follow the order of building; the composition comes first and is
// filled once every resource it refers to exists.
template <class P>
std::unique_ptr<core::Bundle> buildEauBundle(const EauData& data) {
    auto bundle = std::make_unique<typename P::Bundle>();
    startProfiledDocument(*bundle, data.dokumentenid, profileOf<P>(*bundle), data.creationTime);
    auto* composition = new typename P::Composition();
    identify(*composition, newUuid(), profileOf<P>(*composition));
    addEntry(*bundle, composition);

    EauParts parts;
    parts.issuer = file(*bundle, buildPractitioner<typename P::Party>(data.person));
    if (!data.person.asvteamnummer.empty()) {
        parts.team = file(*bundle, buildPractitionerRole<typename P::Party>(data.person, *parts.issuer));
    }
    if (hasResponsiblePerson(data)) {
        parts.responsible = file(*bundle, buildPractitioner<typename P::Party>(data.verantwortlichePerson));
    }
    parts.organization = file(*bundle, buildOrganization<typename P::Party>(data.institution));
    parts.patient = file(*bundle, buildPatient<typename P::Party>(data, P::patientIdentifier(data), {}));
    parts.coverage = file(*bundle, buildCoverage<typename P::Party>(data, data.versicherungsschutzende, *parts.patient));
    parts.incapacity = file(*bundle, buildConditionAU<P>(data, *parts.patient, *parts.issuer));
    if (!data.diagnosetext.empty()) {
        parts.diagnosisText = file(*bundle, buildConditionText<P>(data.diagnosetext, *parts.patient, *parts.issuer));
    }
    for (const EauDiagnosisData& diagnosis : data.diagnosen) {
        parts.diagnoses.push_back(file(*bundle, buildConditionICD<P>(diagnosis, *parts.patient, *parts.issuer)));
    }
    for (const int measure : data.measures) {
        parts.measures.push_back(
            file(*bundle, buildServiceRequest<P>(measure, data, *parts.patient, *parts.issuer, *parts.incapacity)));
    }
    fillComposition<P>(*composition, data, parts);
    return bundle;
}

template std::unique_ptr<core::Bundle> buildEauBundle<Eau110>(const EauData&);
template std::unique_ptr<core::Bundle> buildEauBundle<Eau120>(const EauData&);

}  // namespace fhir::eau
