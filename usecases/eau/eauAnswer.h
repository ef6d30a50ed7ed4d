// Reading the receiver's answer to a certificate: a FHIR OperationOutcome
// whose issue names the answered document (or the transport message) in an
// extension and carries the error code and text in its details.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "boundary/Wrapper.h"
#include "fhir/XmlNode.h"

namespace fhir {

// The values of the answer, UTF-8, as received.
struct EauAnswer {
    std::string extensionUrl;  // "Bundle-Identifier" or "Message-ID"
    std::string extensionValue;
    std::string severity;
    std::string code;
    std::string display;
};

namespace eau {

// What sets the readers of the two generations apart.
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
                        bool (*issueFound)(const xml::Node*), EauAnswer& answer);

}  // namespace eau
}  // namespace fhir
