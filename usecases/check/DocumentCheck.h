// Checking a whole FHIR XML document (built by the library or received)
// against the rules of the published profiles it names: the work behind
// TevoCheckDocument, LumoCheckDocument and `tevofhir check`.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tevo::check {

struct DocumentCheck {
    // 0 when no rule of severity error fails, result::kProfileRulesBroken
    // when one does, 13 for an empty text, 1465 malformed XML, 1359 or 574
    // any other failure.
    std::int32_t code = 0;
    // One message per failing rule, "<human text> (<key>)", or the reader's
    // message; UTF-8 as the profiles write them.
    std::vector<std::string> messages;
};

DocumentCheck checkDocument(const std::string& xml);

}  // namespace tevo::check
