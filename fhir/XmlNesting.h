// The guard of received XML. Every received text is measured in one linear
// pass before it is parsed, and refused when parsing it could cost more than
// a real document ever needs: the parser descends once per element level (a
// hostile sender could exhaust the stack with deeply nested or unclosed
// elements) and allocates a node for every element, attribute and text.
#pragma once

#include <cstddef>
#include <string_view>

namespace fhir::xml {

// Deepest element nesting a received document may have. Real FHIR documents
// stay far below it: an eAU bundle nests about a dozen levels.
constexpr std::size_t kMaxNestingDepth = 512;
// Longest received document in bytes (16 MiB); real answers and bundles are
// a few kilobytes.
constexpr std::size_t kMaxDocumentBytes = 16 * 1024 * 1024;
// Most nodes the parser may build: elements, attributes, texts and CDATA
// sections together (about 96 bytes each). A received bonus booklet or
// certificate holds a few hundred.
constexpr std::size_t kMaxNodes = 200'000;

// The messages of a refused document.
constexpr const char* kNestingTooDeep = "elements nested deeper than 512 levels";
constexpr const char* kDocumentTooLong = "document longer than 16777216 bytes";
constexpr const char* kTooManyNodes = "more than 200000 elements, attributes and texts";
// FHIR XML carries no document type declaration. The parser would skip one
// and leave the references to its entities as they stand; a document that
// declares entities is refused rather than read with them unexpanded.
constexpr const char* kDoctypeRefused = "document type declarations are not accepted";

// The deepest element nesting the parser would reach in `text` (read up to its
// first zero byte, as the parser does), counted without recursion in one pass;
// counting stops as soon as `limit` is exceeded and then returns limit + 1.
// Comments, CDATA sections, processing instructions, the declaration and a
// DOCTYPE are skipped the way the parser skips them; quoted attribute values
// may hold '>' or "/>". Unclosed elements count as open to the end.
std::size_t nestingDepth(std::string_view text, std::size_t limit);

// One of the messages above when `text` exceeds a limit or holds a DOCTYPE
// the parser would see; null when it may be parsed.
const char* refusalOf(std::string_view text);

}  // namespace fhir::xml
