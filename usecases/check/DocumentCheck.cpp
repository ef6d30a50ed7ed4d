#include "usecases/check/DocumentCheck.h"

#include "boundary/ResultCode.h"
#include "boundary/Wrapper.h"
#include "fhir/XmlReader.h"
#include "fhir/fhirpath/ProfileCheck.h"

namespace tevo::check {

namespace {

// Collects the guarded read's message of a document that cannot be read.
class ReadGuard : public fhir::Wrapper {};

}  // namespace

DocumentCheck checkDocument(const std::string& xml) {
    DocumentCheck result;
    if (xml.find_first_not_of(" \t\r\n") == std::string::npos) {
        result.code = result::kDocumentIncomplete;
        result.messages.emplace_back("Input document is empty.");
        return result;
    }
    ReadGuard guard;
    result.code = fhir::xml::guardedRead(guard, [&] {
        const fhir::path::NodeDocument document(xml);
        bool broken = false;
        for (const fhir::path::RuleFailure& failure : fhir::path::checkProfiles(document)) {
            result.messages.push_back(std::string(failure.human) + " (" + std::string(failure.key) + ")");
            broken = broken || failure.severity == fhir::path::Severity::Error;
        }
        return broken ? result::kProfileRulesBroken : result::kOk;
    });
    for (const HostString& message : guard.messages()) {
        result.messages.push_back(message.str());
    }
    return result;
}

}  // namespace tevo::check
