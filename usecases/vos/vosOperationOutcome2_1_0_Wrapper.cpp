#include "usecases/vos/vosOperationOutcome2_1_0_Wrapper.h"

#include "boundary/ResultCode.h"
#include "fhir/XmlReader.h"

namespace fhir {
namespace {

using xml::Node;

// Calls `visit` for every child element of `parent` with the given name.
template <class Visit>
void forEachChild(const Node* parent, const char* name, Visit visit) {
    for (const Node* child = xml::firstChildElement(parent, name); child;
         child = xml::nextSiblingElement(child, name)) {
        visit(child);
    }
}

// The value of an extension: the attribute of a primitive value[x], or the
// child "value" of a complex one (valueIdentifier).
void readExtensionValue(const Node* extension, std::string& value) {
    for (const Node* child = xml::firstChildElement(extension); child; child = xml::nextSiblingElement(child)) {
        if (xml::nameOf(child).compare(0, 5, "value") != 0) {
            continue;
        }
        bool found = false;
        const std::string own = xml::attributeValue(child, "value", &found);
        if (found) {
            value = own;
        }
        forEachChild(child, "value", [&](const Node* inner) { value = xml::attributeValue(inner, "value"); });
    }
}

// The issue extension names the answered bundle or message in its first
// nested extension.
void readIssueExtension(const Node* extension, VosAnswer& answer) {
    const Node* nested = xml::firstChildElement(extension, "extension");
    if (!nested) {
        return;
    }
    answer.key = xml::attributeValue(nested, "url");
    readExtensionValue(nested, answer.value);
}

void readDetails(const Node* details, VosAnswer& answer) {
    forEachChild(details, "coding", [&](const Node* coding) {
        answer.code = xml::childValue(coding, "code");
        answer.display = xml::childValue(coding, "display");
    });
}

void readIssue(const Node* issue, VosAnswer& answer) {
    for (const Node* child = xml::firstChildElement(issue); child; child = xml::nextSiblingElement(child)) {
        if (xml::hasName(child, "extension")) {
            readIssueExtension(child, answer);
        } else if (xml::hasName(child, "severity")) {
            answer.severity = xml::attributeValue(child, "value");
        } else if (xml::hasName(child, "details")) {
            readDetails(child, answer);
        }
    }
}

}  // namespace

std::int32_t vosOperationOutcome2_1_0_Wrapper::read(const std::string& text) {
    messages_.RemoveAll();
    answer_ = VosAnswer();
    return xml::guardedRead(*this, [&]() {
        const xml::ParsedDocument document(text);
        const Node* root = document.root();
        if (!root) {
            addMessage(HostString("XML document is empty."));
            return tevo::result::kDocumentIncomplete;
        }
        forEachChild(root, "issue", [&](const Node* issue) { readIssue(issue, answer_); });
        return tevo::result::kOk;
    });
}

}  // namespace fhir
