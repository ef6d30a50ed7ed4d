#include "usecases/shared/answerReading.h"

#include "boundary/ResultCode.h"
#include "fhir/XmlReader.h"

namespace fhir::shared {
namespace {

using xml::Node;

// The value of an extension: a primitive value carries it in "value", an
// identifier value in its child "value".
std::string extensionValueOf(const Node* extension) {
    for (const Node* child = xml::firstChildElement(extension); child; child = xml::nextSiblingElement(child)) {
        const std::string name = xml::nameOf(child);
        if (name.compare(0, 5, "value") != 0) {
            continue;
        }
        bool found = false;
        std::string value = xml::attributeValue(child, "value", &found);
        return found ? value : xml::childValue(child, "value");
    }
    return {};
}

// The identifier extension of an issue holds its "Bundle-Identifier" or
// "Message-ID" as nested extension; a flat extension is read as it is.
void readIssueExtension(const Node* issue, AnswerIssue& answer) {
    const Node* extension = xml::firstChildElement(issue, "extension");
    if (const Node* nested = xml::firstChildElement(extension, "extension")) {
        extension = nested;
    }
    if (extension) {
        answer.extensionUrl = xml::attributeValue(extension, "url");
        answer.extensionValue = extensionValueOf(extension);
    }
}

// Code and display of the issue's details, from its coding, and its text.
void readIssueDetails(const Node* issue, AnswerIssue& answer) {
    const Node* details = xml::firstChildElement(issue, "details");
    answer.text = xml::childValue(details, "text");
    const Node* coding = xml::firstChildElement(details, "coding");
    const Node* source = coding ? coding : details;
    answer.code = xml::childValue(source, "code");
    answer.display = xml::childValue(source, "display");
}

AnswerIssue readIssue(const Node* issue) {
    AnswerIssue answer;
    readIssueExtension(issue, answer);
    answer.severity = xml::childValue(issue, "severity");
    readIssueDetails(issue, answer);
    return answer;
}

}  // namespace

std::int32_t readAnswer(fhir::Wrapper& reader, const std::string& text, const AnswerRules& rules,
                        bool (*issueFound)(const xml::Node*), AnswerIssue& answer) {
    if (text.empty() && rules.reportsEmptyInput) {
        reader.addMessage(HostString("Input document is empty."));
        return tevo::result::kDocumentIncomplete;
    }
    return xml::guardedRead(reader, [&]() {
        const xml::ParsedDocument document(text);
        if (!document.root()) {
            reader.addMessage(HostString("XML document is empty."));
            return tevo::result::kDocumentIncomplete;
        }
        const Node* root = document.rootNamed("OperationOutcome");
        if (!root || !issueFound(root)) {
            if (rules.reportsMissingOutcome) {
                reader.addMessage(HostString("No FHIR OperationOutcome detected."));
            }
            return tevo::result::kDocumentIncomplete;
        }
        answer = readIssue(xml::firstChildElement(root, "issue"));
        return tevo::result::kOk;
    });
}

std::string withoutUrnUuid(std::string text) {
    static const std::string kPrefix = "urn:uuid:";
    for (std::size_t at = text.find(kPrefix); at != std::string::npos; at = text.find(kPrefix, at)) {
        text.erase(at, kPrefix.size());
    }
    return text;
}

}  // namespace fhir::shared
