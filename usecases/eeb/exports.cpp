// The EEB exports of the host interface.
#include <cstdint>
#include <string>

#include "boundary/BuildingCall.h"
#include "boundary/Export.h"
#include "boundary/HostString.h"
#include "boundary/ResultCode.h"
#include "boundary/quillkit.h"
#include "tevofhir/tevo.h"
#include "usecases/eeb/convert.h"
#include "usecases/eeb/eeb1_1_0_Wrapper.h"

namespace {

HostString toAnsi(const std::string& utf8) { return UTF8ToAnsi(HostString(utf8)); }

// Where each value of the certificate goes in the host's record.
const std::pair<std::string fhir::EebCertificate::*, HostString EebBescheinigungRecord::*> kCertificateSlots[] = {
    {&fhir::EebCertificate::bundleId, &EebBescheinigungRecord::bundleid},
    {&fhir::EebCertificate::timestamp, &EebBescheinigungRecord::zeitstempel},
    {&fhir::EebCertificate::eventDisplay, &EebBescheinigungRecord::ursprungtext},
    {&fhir::EebCertificate::eventCode, &EebBescheinigungRecord::ursprung},
    {&fhir::EebCertificate::endpoint, &EebBescheinigungRecord::endpoint},
    {&fhir::EebCertificate::versionVsdm, &EebBescheinigungRecord::versionvsdm},
    {&fhir::EebCertificate::persoenlicheVersichertendaten, &EebBescheinigungRecord::persoenlicheversichertendaten},
    {&fhir::EebCertificate::allgemeineVersicherungsdaten, &EebBescheinigungRecord::allgemeineversicherungsdaten},
    {&fhir::EebCertificate::geschuetzteVersichertendaten, &EebBescheinigungRecord::geschuetzteversichertendaten},
    {&fhir::EebCertificate::versichertenart, &EebBescheinigungRecord::versichertenart},
    {&fhir::EebCertificate::wop, &EebBescheinigungRecord::wop},
    {&fhir::EebCertificate::besonderePersonengruppe, &EebBescheinigungRecord::besonderepersonengruppe},
    {&fhir::EebCertificate::zuzahlungsstatusGueltigBis, &EebBescheinigungRecord::zuzahlungsstatusgueltigbis},
    {&fhir::EebCertificate::versicherungsart, &EebBescheinigungRecord::versicherungsart},
    {&fhir::EebCertificate::periodStart, &EebBescheinigungRecord::versicherungsbeginn},
    {&fhir::EebCertificate::periodEnd, &EebBescheinigungRecord::versicherungsende},
    {&fhir::EebCertificate::payorIk, &EebBescheinigungRecord::iknummer},
    {&fhir::EebCertificate::payorDisplay, &EebBescheinigungRecord::kostentraegername},
    {&fhir::EebCertificate::abrechnendeIk, &EebBescheinigungRecord::abrechnendeik},
    {&fhir::EebCertificate::versichertenId, &EebBescheinigungRecord::versichertenid},
    {&fhir::EebCertificate::vorname, &EebBescheinigungRecord::vorname},
    {&fhir::EebCertificate::nachname, &EebBescheinigungRecord::nachname},
    {&fhir::EebCertificate::hauptteilnachname, &EebBescheinigungRecord::hauptteilnachname},
    {&fhir::EebCertificate::titel, &EebBescheinigungRecord::titel},
    {&fhir::EebCertificate::namenszusatz, &EebBescheinigungRecord::namenszusatz},
    {&fhir::EebCertificate::vorsatzwort, &EebBescheinigungRecord::vorsatzwort},
    {&fhir::EebCertificate::geburtsdatum, &EebBescheinigungRecord::geburtsdatum},
    {&fhir::EebCertificate::land, &EebBescheinigungRecord::wohnsitzlaenderkuerzel},
    {&fhir::EebCertificate::postleitzahl, &EebBescheinigungRecord::postleitzahl},
    {&fhir::EebCertificate::ort, &EebBescheinigungRecord::ortsname},
    {&fhir::EebCertificate::strasse, &EebBescheinigungRecord::strassenname},
    {&fhir::EebCertificate::hausnummer, &EebBescheinigungRecord::hausnummer},
    {&fhir::EebCertificate::anschriftenzusatz, &EebBescheinigungRecord::anschriftenzusatz},
};

// Every value in code page 1252; the kind of the insurance number only when
// the certificate names one.
void fillCertificate(const fhir::EebCertificate& certificate, EebBescheinigungRecord& record) {
    for (const auto& [value, slot] : kCertificateSlots) {
        record.*slot = toAnsi(certificate.*value);
    }
    record.zuzahlungsstatus = certificate.zuzahlungsstatus;
    if (!certificate.versichertenIdTyp.empty()) {
        record.versichertenidtyp = HostString(certificate.versichertenIdTyp);
    }
}

// The identifiers as received ("urn:uuid:" removed from the bundle's), the
// error texts in code page 1252.
void fillAnswer(const fhir::AnswerIssue& issue, EebAnswerRecord& record) {
    if (issue.extensionUrl == "Message-ID") {
        record.messageid = HostString(issue.extensionValue);
    } else if (issue.extensionUrl == "Bundle-Identifier") {
        record.bundleidentifier = HostString(fhir::shared::withoutUrnUuid(issue.extensionValue));
    }
    record.fehler = !issue.code.empty();
    record.fehlercode = HostString(issue.code);
    record.fehleranzeige = toAnsi(issue.display);
    record.fehlertext = toAnsi(issue.text);
}

const HostString& textOf(const HostString* text) {
    static const HostString kEmpty;
    return text ? *text : kEmpty;
}

}  // namespace

TEVO_EXPORT std::int32_t TevoCreateEEBAnfrageBundle(EebRecord* record, HostString* document, HostString* messages) {
    // No record is treated like an empty one: its checks fail.
    const EebRecord empty;
    return tevo::runBuildingCall<fhir::eeb1_1_0_Wrapper>(fhir::convertEebRecord(record ? *record : empty), document,
                                                         messages);
}

TEVO_EXPORT std::int32_t TevoReadEEBBescheinigungBundle(HostString* certificateText,
                                                        EebBescheinigungRecord* record, HostString* messages) {
    fhir::eeb1_1_0_Wrapper reader;
    const std::int32_t code = reader.readCertificate(textOf(certificateText).str());
    if (code != tevo::result::kOk && messages) {
        *messages = reader.getMessageText();
    }
    if (record) {
        fillCertificate(reader.certificate(), *record);
    }
    return code;
}

TEVO_EXPORT std::int32_t TevoReadEEBOperationOutcome(HostString* answerText, EebAnswerRecord* answer,
                                                     HostString* messages) {
    fhir::eeb1_1_0_Wrapper reader;
    const std::int32_t code = reader.readAnswer(textOf(answerText).str());
    if (code != tevo::result::kOk && messages) {
        *messages = reader.getMessageText();
    }
    if (answer) {
        fillAnswer(reader.answer(), *answer);
    }
    return code;
}
