// A realistic document bundle for round-trip tests and benchmarks: every
// entry group holds a Composition, Patient, Coverage and Condition, each with
// extensions and extensions on primitive fields. It uses only value types that
// the parse operations read back, so writing, parsing and writing again must
// give the same text.
#pragma once

#include <memory>

#include "fhir/r4/core/v4_0_1/Bundle.h"

namespace tevo::test {

std::unique_ptr<fhir::r4::core::v4_0_1::Bundle> buildSampleBundle(int groups);

}  // namespace tevo::test
