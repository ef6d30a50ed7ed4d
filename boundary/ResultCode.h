// Result codes of the exports.
#pragma once

#include <cstdint>

namespace tevo::result {

constexpr std::int32_t kOk = 0;
constexpr std::int32_t kChecksFailed = -1;
// The reference date lies before the first supported profile version
// (before 20230701): no builder exists, nothing is written. None of the other
// codes means this, so callers can tell it from a failed check.
constexpr std::int32_t kNoProfileVersion = -2;
// The document breaks rules of the published profiles it names
// (TevoCheckDocument, LumoCheckDocument).
constexpr std::int32_t kProfileRulesBroken = -3;

// Readers of received documents.
constexpr std::int32_t kDocumentIncomplete = 13;
constexpr std::int32_t kXmlParseError = 1465;
constexpr std::int32_t kStandardError = 1359;
constexpr std::int32_t kUnknownError = 574;

// Flat-text family.
constexpr std::int32_t kNoInput = 9999;
constexpr std::int32_t kDocumentTooLarge = 9998;
constexpr std::int32_t kErrorTooLarge = 9997;

}  // namespace tevo::result
