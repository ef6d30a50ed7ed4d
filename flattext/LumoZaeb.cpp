// The flat-text exports of the bonus booklet.
#include "boundary/Export.h"
#include "flattext/ZaebAdapters.h"
#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"

using tevo::flattext::Buffers;
using tevo::flattext::OutputBuffer;

TEVO_EXPORT std::int32_t LumoCreateMIOZAEBBundle(const char* input, int outputSize, char* output, int messageSize,
                                                 char* message, int errorSize, char* error) {
    const Buffers buffers{OutputBuffer(outputSize, output), OutputBuffer(messageSize, message),
                          OutputBuffer(errorSize, error)};
    return tevo::flattext::createZaeb(input, buffers, TevoCreateMIOZAEBBundle);
}

TEVO_EXPORT std::int32_t LumoExtractMIOZAEBBundle(int outputSize, char* output, const char* inputXml,
                                                  int messageSize, char* message) {
    return tevo::flattext::extractZaeb(inputXml, OutputBuffer(outputSize, output), OutputBuffer(messageSize, message),
                                       TevoExtractMIOZAEBBundle);
}
