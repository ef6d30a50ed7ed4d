// The flat-text export of the prescription.
#include "boundary/Export.h"
#include "flattext/ERezeptAdapter.h"
#include "tevofhir/lumo.h"
#include "tevofhir/tevo.h"

TEVO_EXPORT std::int32_t LumoCreateERezeptBundle(const char* input, int outputSize, char* output, int messageSize,
                                                 char* message, int errorSize, char* error) {
    const tevo::flattext::Buffers buffers{tevo::flattext::OutputBuffer(outputSize, output),
                                          tevo::flattext::OutputBuffer(messageSize, message),
                                          tevo::flattext::OutputBuffer(errorSize, error)};
    return tevo::flattext::createERezept(input, buffers, TevoCreateERezeptBundle);
}
