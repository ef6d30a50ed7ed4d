#include "boundary/Wrapper.h"

namespace fhir {

HostString Wrapper::getMessageText() const {
    HostString text;
    for (const HostString& message : messages_) {
        text += message;
        text += "\n";
    }
    text.TrimRight();
    return text;
}

bool Wrapper::run() {
    return true;
}

}  // namespace fhir
