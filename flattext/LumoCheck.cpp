// The flat-text export of the document check.
#include <string>

#include "boundary/Export.h"
#include "flattext/OutputBuffer.h"
#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"

TEVO_EXPORT std::int32_t LumoCheckDocument(const char* inputXml, int messageSize, char* message) {
    HostString document(inputXml ? inputXml : "");
    HostString messages;
    const std::int32_t code = TevoCheckDocument(&document, &messages);
    const tevo::flattext::OutputBuffer buffer(messageSize, message);
    buffer.clear();
    buffer.writeCut(messages.str());
    return code;
}
