// The nesting guard of received XML. The parser descends once per element
// level, so a hostile sender could exhaust the stack with deeply nested or
// unclosed elements; every received text is measured before it is parsed.
#pragma once

#include <cstddef>
#include <string_view>

namespace fhir::xml {

// Deepest element nesting a received document may have. Real FHIR documents
// stay far below it: an eAU bundle nests about a dozen levels.
constexpr std::size_t kMaxNestingDepth = 512;

// The message of a document nested deeper than kMaxNestingDepth.
constexpr const char* kNestingTooDeep = "elements nested deeper than 512 levels";

// The deepest element nesting the parser would reach in `text` (read up to its
// first zero byte, as the parser does), counted without recursion in one pass;
// counting stops as soon as `limit` is exceeded and then returns limit + 1.
// Comments, CDATA sections, processing instructions, the declaration and a
// DOCTYPE are skipped the way the parser skips them; quoted attribute values
// may hold '>' or "/>". Unclosed elements count as open to the end.
std::size_t nestingDepth(std::string_view text, std::size_t limit);

}  // namespace fhir::xml
