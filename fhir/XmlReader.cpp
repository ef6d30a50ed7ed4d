#include "fhir/XmlReader.h"

#include <rapidxml/rapidxml.hpp>

#include "boundary/ResultCode.h"
#include "boundary/Wrapper.h"
#include "fhir/TreeMemory.h"
#include "fhir/XmlNesting.h"

namespace fhir::xml {

struct ParsedDocument::Parsed {
    // Provided so that make_unique leaves the document's 64 KiB static pool
    // uninitialised instead of zeroing it on every parse.
    Parsed() {}
    // With its 64 KiB static pool the document lives in tree memory: in the
    // arena of the reading call when one is open, so that a read takes no
    // such block from the heap.
    static void* operator new(std::size_t size) { return treememory::allocate(size); }
    static void operator delete(void* memory) noexcept { treememory::release(memory); }
    std::vector<char> buffer;
    rapidxml::xml_document<char> document;
};

ParsedDocument::ParsedDocument(const std::string& text) {
    // Measured before anything is parsed, so the parser never descends
    // deeper or builds more than the limits allow; the guard reports a
    // refused text like any malformed one.
    if (const char* refusal = refusalOf(text)) {
        throw rapidxml::parse_error(refusal, nullptr);
    }
    parsed_ = std::make_unique<Parsed>();
    parsed_->buffer.reserve(text.size() + 1);
    parsed_->buffer.assign(text.begin(), text.end());
    parsed_->buffer.push_back('\0');
    parsed_->document.parse<0>(parsed_->buffer.data());
}

ParsedDocument::~ParsedDocument() = default;

const Node* ParsedDocument::root() const {
    return parsed_->document.first_node();
}

const Node* ParsedDocument::rootNamed(const char* name) const {
    const Node* first = root();
    if (!first) {
        return nullptr;
    }
    return hasName(first, name) ? first : nextSiblingElement(first, name);
}

std::int32_t guardedRead(fhir::Wrapper& wrapper, const std::function<std::int32_t()>& read) {
    // The element trees a reader parses live in an arena of the call.
    const DocumentArena arena;
    try {
        return read();
    } catch (const rapidxml::parse_error& error) {
        wrapper.addMessage(HostString(error.what()));
        return tevo::result::kXmlParseError;
    } catch (const std::exception& error) {
        wrapper.addMessage(HostString(error.what()));
        return tevo::result::kStandardError;
    } catch (...) {
        wrapper.addMessage(HostString("Unknown error occurred."));
        return tevo::result::kUnknownError;
    }
}

}  // namespace fhir::xml
