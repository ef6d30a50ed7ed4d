#include "fhir/Identity.h"
#include "fhir/primitives.h"
#include "fhir/r4/codes/Enumerations.h"
#include "usecases/shared/PartyProfiles.h"
#include "usecases/shared/partyBuilders.h"
#include "usecases/shared/Elements.h"

namespace fhir::shared {
namespace {

using codes::CS_KBV_CS_FOR_Qualification_Type;

enum class PersonNumber { None, Physician, Dentist };

// Which identifier the person's number becomes, by qualification: dentists
// carry a dentist number, midwives none, every other physician a LANR.
PersonNumber personNumberKind(int type) {
    static const struct {
        const char* code;
        PersonNumber kind;
    } kKinds[] = {
        {"00", PersonNumber::Physician}, {"01", PersonNumber::Dentist}, {"02", PersonNumber::None},
        {"03", PersonNumber::Physician}, {"04", PersonNumber::Physician},
    };
    const std::string code = CS_KBV_CS_FOR_Qualification_Type::toCode(type);
    for (const auto& entry : kKinds) {
        if (code == entry.code) {
            return entry.kind;
        }
    }
    return PersonNumber::None;
}

template <class P>
void addIdentifiers(core::Practitioner& practitioner, const PersonData& person) {
    if (!person.nummer.empty()) {
        switch (personNumberKind(person.type)) {
            case PersonNumber::Physician:
                practitioner.addIdentifier(newProfileIdentifier<typename P::IdentifierLanr>(person.nummer));
                break;
            case PersonNumber::Dentist:
                practitioner.addIdentifier(newProfileIdentifier<typename P::IdentifierZanr>(person.nummer));
                break;
            case PersonNumber::None:
                break;
        }
    }
    if (!person.telematikid.empty()) {
        practitioner.addIdentifier(newProfileIdentifier<typename P::IdentifierTelematikId>(person.telematikid));
    }
}

core::Practitioner_qualification* newQualification(core::CodeableConcept* code) {
    auto* qualification = new core::Practitioner_qualification();
    qualification->addCode(code);
    return qualification;
}

// Qualification type, job title and, for ASV, the specialist group number.
template <class Profile>
void addQualifications(Profile& practitioner, const PersonData& person) {
    if (person.type != CS_KBV_CS_FOR_Qualification_Type::EMPTY) {
        practitioner.addQualification(newQualification(newConcept(
            practitioner.qualificationTypCodeSystem, CS_KBV_CS_FOR_Qualification_Type::toCode(person.type))));
    }
    auto* jobTitle = newConcept(practitioner.qualificationBerufsbezeichnungCodeSystem,
                                practitioner.qualificationBerufsbezeichnungCode);
    if (!person.berufsbezeichnung.empty()) {
        jobTitle->addText(new f_string(person.berufsbezeichnung));
    }
    practitioner.addQualification(newQualification(jobTitle));
    if (!person.asvfachgruppennummer.empty()) {
        practitioner.addQualification(newQualification(
            newConcept(practitioner.qualificationASVFachgruppennummerCodeSystem, person.asvfachgruppennummer)));
    }
}

}  // namespace

template <class P>
core::Practitioner* buildPractitioner(const PersonData& person) {
    auto* practitioner = new typename P::Practitioner();
    identify(*practitioner, newUuid(), profileOf<P>(*practitioner));
    addIdentifiers<P>(*practitioner, person);
    practitioner->addName(buildName<P>({person.vorname, person.nachname, person.hauptteilnachname, person.titel,
                                        person.vorsatzwort, person.namenszusatz}));
    addQualifications(*practitioner, person);
    return practitioner;
}

template <class P>
core::PractitionerRole* buildPractitionerRole(const PersonData& person, const core::Practitioner& practitioner) {
    auto* role = new typename P::PractitionerRole();
    identify(*role, newUuid(), profileOf<P>(*role));
    role->addPractitioner(newReference(practitioner));
    auto* team = new core::Reference();
    team->addIdentifier(newIdentifier(role->organizationIdentifierSystem, person.asvteamnummer));
    role->addOrganization(team);
    return role;
}

template core::Practitioner* buildPractitioner<For110>(const PersonData&);
template core::Practitioner* buildPractitioner<For120>(const PersonData&);
template core::PractitionerRole* buildPractitionerRole<For110>(const PersonData&, const core::Practitioner&);
template core::PractitionerRole* buildPractitionerRole<For120>(const PersonData&, const core::Practitioner&);

}  // namespace fhir::shared
