// The flat-text exports of the certificate.
#include "boundary/Export.h"
#include "flattext/EauAdapters.h"
#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"

using tevo::flattext::Buffers;
using tevo::flattext::OutputBuffer;

TEVO_EXPORT std::int32_t LumoCreateEAUBundle(const char* input, int outputSize, char* output, int messageSize,
                                             char* message, int errorSize, char* error) {
    const Buffers buffers{OutputBuffer(outputSize, output), OutputBuffer(messageSize, message),
                          OutputBuffer(errorSize, error)};
    return tevo::flattext::createEau(input, buffers, TevoCreateEAUBundle);
}

TEVO_EXPORT std::int32_t LumoCreateEAUStornoBundle(const char* input, int outputSize, char* output, int messageSize,
                                                   char* message, int errorSize, char* error) {
    const Buffers buffers{OutputBuffer(outputSize, output), OutputBuffer(messageSize, message),
                          OutputBuffer(errorSize, error)};
    return tevo::flattext::createEauStorno(input, buffers, TevoCreateEAUStornoBundle);
}

TEVO_EXPORT std::int32_t LumoReadEAUOperationOutcome(int outputSize, char* output, const char* inputXml,
                                                     int messageSize, char* message, int errorSize, char* error) {
    const Buffers buffers{OutputBuffer(outputSize, output), OutputBuffer(messageSize, message),
                          OutputBuffer(errorSize, error)};
    return tevo::flattext::readEauAnswer(inputXml, buffers, TevoReadEAUOperationOutcome);
}
