// The people and software around the call: user, practice software,
// practitioner, practice and the practitioner's role in it.
#include "fhir/CanonicalBase.h"
#include "fhir/r4/codes/Enumerations.h"
#include "fhir/r4/debasis/v1_3_2/HumannameDeBasis.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierBsnr.h"
#include "fhir/r4/debasis/v1_3_2/IdentifierLanr.h"
#include "fhir/r4/kbvbasis/v1_3_0/KBV_PR_Base_Datatype_Contactpoint.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Device_PVS.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Organization.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_Practitioner.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_PractitionerRole.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_User.h"
#include "usecases/vos/vosBuilders.h"
#include "usecases/vos/vosChoices.h"
#include "usecases/vos/vosElements.h"
#include "usecases/vos/vosNames.h"

namespace fhir::vos {
namespace {

namespace vosp = r4::kbvitavos::v2_1_0;

// "Given Family", or whichever of the two is set.
std::string fullName(const std::string& given, const std::string& family) {
    if (given.empty() || family.empty()) {
        return given + family;
    }
    return given + " " + family;
}

core::Practitioner_qualification* newQualification(core::CodeableConcept* code) {
    auto* qualification = new core::Practitioner_qualification();
    qualification->addCode(code);
    return qualification;
}

void addContact(core::Organization& practice, const std::string& system, const HostString& value) {
    if (value.IsEmpty()) {
        return;
    }
    auto* contact = new r4::kbvbasis::v1_3_0::KBV_PR_Base_Datatype_Contactpoint();
    contact->addSystem(new f_code(system));
    contact->addValue(new f_string(value.str()));
    practice.addTelecom(contact);
}

}  // namespace

core::Practitioner* buildUser(const VosUser& data) {
    auto* user = new vosp::KBV_PR_VoS_User();
    identifyFresh(*user);
    HostString number = data.personalnummer;
    number.Trim();
    if (!number.IsEmpty()) {
        user->addIdentifier(newIdentifier(std::string(base::kMaker) + choice::kPersonNumberPath, number.str()));
    }
    auto* name = new r4::debasis::v1_3_2::HumannameDeBasis();
    name->addText(new f_string(fullName(data.vorname.str(), data.nachname.str())));
    if (!data.nachname.IsEmpty()) {
        name->addFamily(new f_string(data.nachname.str()));
    }
    if (!data.vorname.IsEmpty()) {
        name->addGiven(new f_string(data.vorname.str()));
    }
    user->addName(name);
    return user;
}

core::Device* buildPracticeSoftware(const VosPracticeSoftware& data) {
    auto* device = new vosp::KBV_PR_VoS_Device_PVS();
    identifyFresh(*device);
    device->addIdentifier(newIdentifier(device->identifierSystem, data.pruefnummer.str()));
    auto* deviceName = new core::Device_deviceName();
    deviceName->addName(new f_string(data.name.str()));
    deviceName->addType(new f_code(device->deviceNameType));
    device->addDeviceName(deviceName);
    device->addType(newConcept(newCoding(device->typeSnomedSystem, device->typeSnomedVersion, device->typeSnomedCode,
                                         device->typeSnomedDisplay)));
    return device;
}

core::Practitioner* buildPractitioner(const VosPractitioner& data) {
    auto* practitioner = new vosp::KBV_PR_VoS_Practitioner();
    identifyFresh(*practitioner);
    practitioner->addIdentifier(newProfileIdentifier<r4::debasis::v1_3_2::IdentifierLanr>(data.lanr.str()));
    practitioner->addName(buildName(data.vorname.str(), data.nachname.str(), data.hauptteilnachname.str(),
                                    data.titel.str(), data.namenszusatz.str()));
    if (core::Coding* type = codingFor<codes::CS_KBV_CS_FOR_Qualification_Type>(data.qualifikationCode)) {
        practitioner->addQualification(newQualification(newConcept(type)));
    }
    auto* jobTitle = newConcept(practitioner->qualificationBerufsbezeichnungCodeSystem,
                                practitioner->qualificationBerufsbezeichnungCode);
    jobTitle->addText(new f_string(data.qualifikationText.str()));
    practitioner->addQualification(newQualification(jobTitle));
    return practitioner;
}

core::Organization* buildPractice(const VosPractice& data) {
    auto* practice = new vosp::KBV_PR_VoS_Organization();
    identifyFresh(*practice);
    practice->addIdentifier(newProfileIdentifier<r4::debasis::v1_3_2::IdentifierBsnr>(data.bsnr.str()));
    practice->addName(new f_string(data.name.str()));
    addContact(*practice, practice->telecomTelefonSystem, data.telefon);
    addContact(*practice, practice->telecomFaxSystem, data.fax);
    addContact(*practice, practice->telecomEMailSystem, data.email);
    practice->addAddress(buildStreetAddress(
        {HostString(), data.postleitzahl, data.ort, data.strasse, data.hausnummer, data.anschriftenzusatz}));
    return practice;
}

core::PractitionerRole* buildPractitionerRole(const VosPractitionerRole& data, const core::Practitioner& practitioner,
                                              const core::Organization& practice) {
    auto* role = new vosp::KBV_PR_VoS_PractitionerRole();
    identifyFresh(*role);
    role->addPractitioner(newReference(practitioner));
    core::Reference* organization = newReference(practice);
    if (!data.asvTeamnummer.IsEmpty()) {
        organization->addIdentifier(newIdentifier(role->organizationIdentifierSystem, data.asvTeamnummer.str()));
    }
    role->addOrganization(organization);
    return role;
}

}  // namespace fhir::vos
