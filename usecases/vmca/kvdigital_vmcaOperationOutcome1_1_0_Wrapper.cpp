#include "usecases/vmca/kvdigital_vmcaOperationOutcome1_1_0_Wrapper.h"

#include "boundary/ResultCode.h"
#include "fhir/XmlNode.h"
#include "fhir/XmlReader.h"

namespace fhir {
namespace {

using xml::Node;

// Calls `visit` for every child element of `parent` (of the given name).
template <class Visit>
void forEachChild(const Node* parent, const char* name, Visit visit) {
    for (const Node* child = xml::firstChildElement(parent, name); child;
         child = xml::nextSiblingElement(child, name)) {
        visit(child);
    }
}

// Overwrites `target` with the node's "value" attribute when it has one.
void takeValue(const Node* node, std::string& target) {
    bool found = false;
    std::string value = xml::attributeValue(node, "value", &found);
    if (found) {
        target = std::move(value);
    }
}

void readDetails(const Node* details, VmcaAnswer& answer) {
    forEachChild(details, "coding", [&](const Node* coding) {
        forEachChild(coding, nullptr, [&](const Node* part) {
            if (xml::hasName(part, "code")) {
                takeValue(part, answer.code);
            } else if (xml::hasName(part, "display")) {
                takeValue(part, answer.text);
            }
        });
    });
}

// Every issue is read; later values overwrite earlier ones, and a
// diagnostics text replaces the coding's display.
void readOperationOutcome(const Node* root, VmcaAnswer& answer) {
    std::string diagnostics;
    forEachChild(root, "issue", [&](const Node* issue) {
        forEachChild(issue, nullptr, [&](const Node* element) {
            if (xml::hasName(element, "diagnostics")) {
                takeValue(element, diagnostics);
            } else if (xml::hasName(element, "severity")) {
                takeValue(element, answer.severity);
            } else if (xml::hasName(element, "details")) {
                readDetails(element, answer);
            }
        });
    });
    if (!diagnostics.empty()) {
        answer.text = diagnostics;
    }
}

// Parameter names are not looked at: any parameter with a valueIdentifier
// or a valueUrl counts, the last one wins.
void readParameters(const Node* root, VmcaAnswer& answer) {
    forEachChild(root, "parameter", [&](const Node* parameter) {
        forEachChild(parameter, nullptr, [&](const Node* element) {
            if (xml::hasName(element, "valueIdentifier")) {
                forEachChild(element, "value", [&](const Node* value) { takeValue(value, answer.identifier); });
            } else if (xml::hasName(element, "valueUrl")) {
                takeValue(element, answer.url);
            }
        });
    });
}

}  // namespace

std::int32_t kvdigital_vmcaOperationOutcome1_1_0_Wrapper::read(const std::string& text) {
    messages_.RemoveAll();
    answer_ = VmcaAnswer();
    VmcaAnswer answer;
    const std::int32_t status = xml::guardedRead(*this, [&]() {
        const xml::ParsedDocument document(text);
        const Node* root = document.root();
        if (!root) {
            addMessage(HostString("XML document is empty."));
            return tevo::result::kDocumentIncomplete;
        }
        if (xml::hasName(root, "OperationOutcome")) {
            readOperationOutcome(root, answer);
        } else if (xml::hasName(root, "Parameters")) {
            readParameters(root, answer);
        } else {
            return tevo::result::kDocumentIncomplete;
        }
        return tevo::result::kOk;
    });
    if (status == tevo::result::kOk) {
        answer_ = std::move(answer);
    }
    return status;
}

}  // namespace fhir
