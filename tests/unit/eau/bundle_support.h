// Test support for the eAU documents: pinned ids and clock, and building a
// sample certificate through the export.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "support/PinnedIdentity.h"
#include "tevofhir/tevo.h"

namespace eautest {

using pinned::countingUuid;
using pinned::localSeconds;
using pinned::pinnedClock;
using pinned::pinnedNow;
using pinned::uuidCounter;

// Pins ids and clock for one test and restores the library's sources after it.
class PinnedIdentity : public testing::Test {
protected:
    void SetUp() override { pinned::pin(); }
    void TearDown() override { pinned::release(); }
};

// The written certificate, or the messages prefixed with "FAILED:".
inline std::string certificateText(EauRecord record, bool noStatusForUnknownCertainty = true) {
    ExportResult result;
    HostString messages;
    if (TevoCreateEAUBundle(&record, &result, &messages, noStatusForUnknownCertainty) != 0) {
        return "FAILED:" + messages.str();
    }
    return result.document.str();
}

}  // namespace eautest
