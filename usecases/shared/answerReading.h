// Reading a receiver's answer to a sent document (eAU certificate, EEB
// request): a FHIR OperationOutcome whose issue names the answered document
// (or the transport message) in an extension and carries the error code and
// text in its details.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "boundary/Wrapper.h"
#include "fhir/XmlNode.h"

namespace fhir {

// The values of the answer, UTF-8, as received.
struct AnswerIssue {
    std::string extensionUrl;  // "Bundle-Identifier" or "Message-ID"
    std::string extensionValue;
    std::string severity;
    std::string code;
    std::string display;
    std::string text;  // details.text
};

namespace shared {

// What sets the readers apart.
struct AnswerRules {
    // An empty text is reported as "Input document is empty." rather than
    // as a document without element.
    bool reportsEmptyInput;
    // A document without OperationOutcome or without issue is reported as
    // "No FHIR OperationOutcome detected."; otherwise it ends silently.
    bool reportsMissingOutcome;
};

// True when the root parses into an answer of the profile with an issue.
template <class Profile>
bool hasIssue(const xml::Node* root) {
    const std::unique_ptr<Profile> outcome(Profile::parse(root));
    return !outcome->getChildren("OperationOutcome.issue").empty();
}

// Parses `text` and fills `answer` from the first issue. Returns 0, or 13
// for an empty or unexpected document, 1465/1359/574 for failures; every
// failure adds one message to `reader` and leaves `answer` untouched.
std::int32_t readAnswer(fhir::Wrapper& reader, const std::string& text, const AnswerRules& rules,
                        bool (*issueFound)(const xml::Node*), AnswerIssue& answer);

// The text with every "urn:uuid:" removed (a document identifier as the
// host keeps it).
std::string withoutUrnUuid(std::string text);

}  // namespace shared
}  // namespace fhir
