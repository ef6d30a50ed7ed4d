// The parse helpers are templates; this unit keeps the header compiled on its own.
#include "fhir/r4/core/v4_0_1/ParseSupport.h"
