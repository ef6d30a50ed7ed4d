// The document check of the host interface.
#include "boundary/Export.h"
#include "boundary/quillkit.h"
#include "tevofhir/tevo.h"
#include "usecases/check/DocumentCheck.h"

TEVO_EXPORT std::int32_t TevoCheckDocument(HostString* document, HostString* messages) {
    const tevo::check::DocumentCheck check = tevo::check::checkDocument(document ? document->str() : std::string());
    if (messages) {
        HostString text;
        for (const std::string& message : check.messages) {
            text += UTF8ToAnsi(HostString(message));
            text += "\n";
        }
        text.TrimRight();
        *messages = text;
    }
    return check.code;
}
