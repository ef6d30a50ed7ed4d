#include "boundary/quillkit.h"
#include "fhir/CanonicalBase.h"
#include "fhir/r4/core/v4_0_1/Attachment.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_EX_VoS_ePrescription_Access.h"
#include "fhir/r4/kbvitavos/v2_1_0/KBV_PR_VoS_DocumentReference.h"
#include "usecases/vos/vosBuilders.h"
#include "usecases/vos/vosChoices.h"
#include "usecases/vos/vosElements.h"

namespace fhir::vos {
namespace {

namespace vosp = r4::kbvitavos::v2_1_0;

// Access code and task id of an e-prescription, when either is given.
void addAccess(core::DocumentReference& reference, const VosDocument& document) {
    if (document.accessCode.IsEmpty() && document.taskId.IsEmpty()) {
        return;
    }
    auto* access = new vosp::KBV_EX_VoS_ePrescription_Access();
    access->addExtension(newSubExtension(access->extensionAccessUrl, new f_string(document.accessCode.str())));
    access->addExtension(newSubExtension(access->extensionTaskIDUrl, new f_string(document.taskId.str())));
    reference.addExtension(access);
}

// An instant needs a time: a bare date YYYYMMDD stands for its start.
std::string instantOf(const std::string& time) {
    if (time.size() == 8 && time.find_first_not_of("0123456789") == std::string::npos) {
        return time.substr(0, 4) + "-" + time.substr(4, 2) + "-" + time.substr(6, 2) + "T00:00:00Z";
    }
    return time;
}

core::DocumentReference_content* content(const VosDocument& document) {
    auto* attachment = new core::Attachment();
    if (!document.mimeTyp.IsEmpty()) {
        attachment->addContentType(new f_code(document.mimeTyp.str()));
    }
    const std::string& bytes = document.inhalt.str();
    const HostString data =
        EncodeBase64(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), 0);
    attachment->addData(new f_base64Binary(data.str()));
    auto* content = new core::DocumentReference_content();
    content->addAttachment(attachment);
    return content;
}

}  // namespace

core::DocumentReference* buildDocumentReference(const VosDocument& document, const core::Patient* patient,
                                                const core::Practitioner& author) {
    auto* reference = new vosp::KBV_PR_VoS_DocumentReference();
    identifyFresh(*reference);
    addAccess(*reference, document);
    if (!document.dokumentId.IsEmpty()) {
        reference->addIdentifier(
            newIdentifier(std::string(base::kMaker) + choice::kDocumentIdPath, document.dokumentId.str()));
    }
    reference->addStatus(new f_code(choice::kDocumentStatus));
    if (!document.typ.IsEmpty()) {
        reference->addType(newConcept(choice::kDocumentTypeSystem, document.typ.str()));
    }
    if (patient) {
        reference->addSubject(newReference(*patient));
    }
    if (!document.erstellt.IsEmpty()) {
        reference->addDate(new f_instant(instantOf(document.erstellt.str())));
    }
    reference->addAuthor(newReference(author));
    reference->addContent(content(document));
    return reference;
}

}  // namespace fhir::vos
