// Public C++ interface of the library for the host: the host records, the
// result record and the Tevo... exports. Records and results belong to the
// caller; the library copies what it needs and keeps no pointer.
#pragma once

#include <cstdint>
#include <string>

#include "boundary/ExportResult.h"
#include "boundary/HostString.h"
#include "usecases/eau/EauRecord.h"
#include "usecases/eau/EauStornoRecord.h"
#include "usecases/eeb/EebRecord.h"
#include "usecases/erezept/ERezeptRecord.h"
#include "usecases/miozaeb/ZaebRecord.h"
#include "usecases/vmca/VmcaRecord.h"
#include "usecases/vos/VosRecord.h"

// Builds the certificate (profile version by the issue date). Returns 0 with
// the document in result->document, -1 with the messages (one per line), or
// -2 for an issue date before 20230701 (no profile version; nothing written).
// `noStatusForUnknownCertainty`: a diagnosis certainty other than "A", "G",
// "V", "Z" gets no status when true and is taken as "G" when false.
extern "C" std::int32_t TevoCreateEAUBundle(EauRecord* record, ExportResult* result,
                                            HostString* messages, bool noStatusForUnknownCertainty);

// Builds the cancellation (profile version by the cancellation date); runs no
// checks and returns 0 with the document in result->document, or -2 for a
// cancellation date before 20230701 (nothing written).
extern "C" std::int32_t TevoCreateEAUStornoBundle(EauStornoRecord* record, ExportResult* result);

// Reads the receiver's OperationOutcome answer into `result`. Returns 0, or
// 13, 1465, 1359, 574 with the messages (-2 only when today's date lies
// before 20230701: nothing read, nothing written).
extern "C" std::int32_t TevoReadEAUOperationOutcome(HostString* answer, ExportResult* result,
                                                    HostString* messages);

// ---- VMCA: 116117 appointment-service request

// A code list of the appointment service: display text (code page 1252) ->
// code, ordered byte-wise by the display text.
using VmcaCodeList = HostStringMap;
using VmcaCodeListEntry = VmcaCodeList::value_type;

// Checks the request and builds it. Returns 0 with the XML text (UTF-8,
// without XML declaration) in `document`, or -1 with the messages (one per
// line, code page 1252) in `messages`; the other output is left alone.
extern "C" std::int32_t TevoCreateVMCA_REQUEST(VmcaRecord* record, HostString* document, HostString* messages);

// Reads the service's answer: a Parameters answer gives the booking's
// identifier (result->document) and URL (result->validation); an
// OperationOutcome gives the error flag, code and text. These five fields
// are written in every case, the answer code and text fields never.
// Returns 0 read, 13 empty document or another root element, 1465 malformed
// XML, 1359 or 574 any other failure.
extern "C" std::int32_t TevoReadVMCA_REQUESTOperationOutcome(HostString* answer, ExportResult* result);

// Adds the selectable additional qualifications (108 while the map held
// none; an equal display text gets the list's code). Returns 0.
extern "C" std::int32_t TevoGetVMCAZusatzbezeichnungen(VmcaCodeList* list);

// Empties the map and fills it with the 99 specialist groups. Returns 0.
extern "C" std::int32_t TevoGetVMCAFacharztgruppen(VmcaCodeList* list);

// ---- MIO ZAEB: dental bonus booklet

// Builds the dental bonus booklet entry (MIO ZAEB 1.1.0). Returns 0 with the
// document in result->document, or -1 with the messages (one per line). The
// record holds code page 1252; ids, timestamp, dates, the check-up code,
// the numbers and the country codes are taken over as they are.
extern "C" std::int32_t TevoCreateMIOZAEBBundle(ZaebRecord* record, ExportResult* result, HostString* messages);

// Reads a received bonus-booklet bundle into `record` (values UTF-8, as they
// stand in the document). Returns 0 when practice, patient and an
// observation were found; 13 for an empty text, a document that is no Bundle
// or one that lacks a part; 1465 malformed XML; 1359 or 574 any other
// failure. Every non-zero result leaves its messages; the record is filled as
// far as reading got.
extern "C" std::int32_t TevoExtractMIOZAEBBundle(ZaebRecord* record, std::string document, HostString* messages);

// ---- EEB: electronic substitute certificate (profiles 1.1.0)

// Builds the request to the patient's insurer. Returns 0 with the message
// bundle (UTF-8) in `document`, or -1 with the messages (one per line, code
// page 1252). A null record counts as an empty one.
extern "C" std::int32_t TevoCreateEEBAnfrageBundle(EebRecord* record, HostString* document, HostString* messages);

// Reads the insurer's certificate bundle into `record` (code page 1252).
// Returns 0; 13 for an empty document, a root other than Bundle or a bundle
// without header, patient or coverage (what was found is still filled in);
// 1465 malformed XML, 1359 another error, 574 an unknown failure. On a
// non-zero result `messages` receives the reason.
extern "C" std::int32_t TevoReadEEBBescheinigungBundle(HostString* certificate, EebBescheinigungRecord* record,
                                                       HostString* messages);

// Reads the insurer's error answer (OperationOutcome) into `answer`. Returns
// 0, or 13, 1465, 1359, 574 with the reason in `messages`.
extern "C" std::int32_t TevoReadEEBOperationOutcome(HostString* answerText, EebAnswerRecord* answer,
                                                    HostString* messages);
// ---- eRezept: electronic prescription

// Builds the prescription (profile version by the date of issue
// `verordnung.ausstellungsdatum`: 1.1.0 from 20230701, 1.3.2 from 20251001).
// Returns 0 with the document in result->document, -1 with the messages (one
// per line, code page 1252), or -2 for a date of issue before 20230701 (no
// profile version; nothing written).
extern "C" std::int32_t TevoCreateERezeptBundle(ERezeptRecord* record, ExportResult* result, HostString* messages);


// ---- VoS: prescribing software

// Builds the document for prescribing software (VoS 2.1.0) from the record.
// Runs no checks and returns 0 with the document (UTF-8) in result->document;
// a null record is built like an empty one.
extern "C" std::int32_t TevoCreateVOSBundle(VosRecord* record, ExportResult* result, HostString* messages);

// Reads the prescribing software's OperationOutcome answer into `result`,
// every text as received (UTF-8). Always returns 0; an unreadable answer
// leaves empty code and text and a false error flag.
extern "C" std::int32_t TevoReadVOSOperationOutcome(HostString* answer, ExportResult* result);

// ---- Checking a document against the published profiles

// Checks a FHIR XML document (UTF-8; built by the library or received) against
// the rules (invariants) of the profiles each resource names in meta.profile,
// a resource without one against the core FHIR R4 definition of its type.
// Returns 0 when no rule of severity error fails; -3 with one message per
// failing rule, "<the profile's text> (<rule key>)", code page 1252, one per
// line; 13 for an empty or missing document, 1465 malformed XML, 1359 or 574
// any other failure, each with its message.
extern "C" std::int32_t TevoCheckDocument(HostString* document, HostString* messages);
