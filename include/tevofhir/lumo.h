/* Public C interface of the flat-text exports.
 *
 * These are the functions a host written in any language can call: plain
 * C functions with `char*` and `int` arguments and an `int32_t` result.
 * Calling convention: cdecl, the C default (on 32-bit Windows the caller
 * removes the arguments; declare them cdecl in hosts whose default is
 * stdcall, for example C# DllImport with CallingConvention.Cdecl or
 * Delphi's `cdecl`). 64-bit Windows and Linux know only one convention.
 * Names: undecorated, as written here, in TevoFhir.dll and libTevoFhir.so.
 * Character set: texts are zero-terminated bytes. Flat-text keys and
 * values, messages and error texts are single-byte code page 1252
 * (Windows-1252, "ANSI" on a German Windows); XML is the exception: a built
 * document (the "bundle" value) is UTF-8, as its XML declaration says, and
 * a received answer is passed as received. Never UTF-16. A .NET host
 * passes byte arrays, converted with Encoding.GetEncoding(1252) (UTF-8 for
 * the XML), rather than strings, whose marshalling follows the machine's
 * ANSI code page.
 *
 * Input records are flat texts: entries of key, byte 0x02, value, byte 0x01
 * (the last 0x01 may be missing); values are code page 1252. Keys match
 * without regard to case, blanks around keys and values are dropped, a key
 * given twice joins its values, flags take "1" and "0" (anything else keeps
 * the flag as it was, false at first), and unknown keys and entries without
 * exactly one 0x02 are ignored. Each output buffer is passed as its size in
 * bytes and a pointer; the library fills a buffer with zero bytes before it
 * writes it (the error buffer only when an error code is reported) and never
 * writes past its size. A written text always ends with a zero byte. A null
 * buffer or a size below 1 holds nothing.
 *
 * Results besides those of the underlying export:
 *   9999  building exports only: the input text is null or empty; no buffer
 *         is touched
 *   9998  the document or answer text does not fit its buffer (size - 1);
 *         that buffer stays empty and nothing after it is written
 *   9997  the error text does not fit its buffer; that buffer stays empty
 * Messages that do not fit are cut without a code.
 */
#ifndef TEVOFHIR_LUMO_H
#define TEVOFHIR_LUMO_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum {
    LUMO_NO_INPUT = 9999,
    LUMO_DOCUMENT_TOO_LARGE = 9998,
    LUMO_ERROR_TOO_LARGE = 9997
};

/* Certificate of incapacity for work. Output: "bundle" and, when present,
 * "validation" entries. Returns 0 built, -1 checks failed (messages in
 * `message`), -2 issue date before the first supported profile version. */
int32_t LumoCreateEAUBundle(const char* input, int outputSize, char* output,
                            int messageSize, char* message, int errorSize, char* error);

/* Cancellation of a certificate; the message buffer is cleared and stays empty.
 * Returns 0 built, -2 cancellation date before the first supported profile
 * version. */
int32_t LumoCreateEAUStornoBundle(const char* input, int outputSize, char* output,
                                  int messageSize, char* message, int errorSize, char* error);

/* Reads the OperationOutcome answer to a certificate. Output entries:
 * "operationoutcome.dokumentenid", "operationoutcome.kimid",
 * "operationoutcome.fehlercode", "operationoutcome.fehlertext"; the error
 * buffer gets "errorcode" and "errortext" when the answer carries an error
 * code. Returns 0 read, 13 no usable answer (a null or empty text included),
 * 1465 malformed XML, 1359 or 574 any other failure, each with its message;
 * 9998 leaves the message and error buffers untouched. Never 9999. */
int32_t LumoReadEAUOperationOutcome(int outputSize, char* output, const char* inputXml,
                                    int messageSize, char* message, int errorSize, char* error);

/* Dental bonus booklet entry (MIO ZAEB). Keys: "documentid", "timestamp",
 * "gaplessdocumentation.date", "dentalcheckup.effective", "dentalcheckup.type",
 * "pat." + "idgkv", "firstname", "lastname", "lastnamemain", "title", "nameadd",
 * "vorsatz", "gebdat", "org." + "id.instkz", "id.bsnr", "id.kzvabr", "name",
 * "phone", "fax", "email", "url", and "pat.adr." / "org.adr." + "country",
 * "zip", "city", "street", "number", "addition". Output: "bundle" entry.
 * Returns 0 built, -1 checks failed (messages in `message`). */
int32_t LumoCreateMIOZAEBBundle(const char* input, int outputSize, char* output,
                                int messageSize, char* message, int errorSize, char* error);

/* Reads a received bonus-booklet bundle. Output: the entry's values under the
 * keys of LumoCreateMIOZAEBBundle, each only when found, as UTF-8 as they
 * stand in the document (the practice's identifier always comes back as
 * "org.id.kzvabr"). Returns 0 read, 13 empty input (a null text included),
 * no Bundle or a missing part, 1465 malformed XML, 1359 or 574 any other
 * failure, each with its message; the values found are returned whatever
 * the result. 9998 leaves the message buffer untouched. Never 9999. */
int32_t LumoExtractMIOZAEBBundle(int outputSize, char* output, const char* inputXml,
                                 int messageSize, char* message);

/* Electronic prescription (finished-product and free-text prescriptions; no
 * key reaches the responsible person, the active ingredient or the
 * compounding). Output: the "bundle" entry. Integer keys take the value's
 * leading decimal integer, "verordnung.fertigarzneimittel.avp" its leading
 * decimal number; "verordnung.fertigarzneimittel.wirkstoffe" holds entries
 * separated by byte 0x03, each of six fields separated by byte 0x04 (number,
 * name, strength value, strength unit, reference quantity value and unit),
 * and appends them to the list. Returns 0 built, -1 checks failed (messages
 * in `message`; also for an ingredient entry with fewer than six fields, when
 * nothing is built), -2 date of issue before the first supported profile
 * version. */
int32_t LumoCreateERezeptBundle(const char* input, int outputSize, char* output,
                                int messageSize, char* message, int errorSize, char* error);

/* Checks a FHIR XML document (UTF-8, zero-terminated; built by the library or
 * received) against the rules of the published profiles its resources name in
 * meta.profile (see TevoCheckDocument). The message buffer is cleared and gets
 * one line per failing rule, "<the profile's text> (<rule key>)", code page
 * 1252, cut to fit. Returns 0 no rule of severity error fails, -3 rules
 * broken, 13 empty or null document, 1465 malformed XML, 1359 or 574 any
 * other failure, each with its message. */
int32_t LumoCheckDocument(const char* inputXml, int messageSize, char* message);

#ifdef __cplusplus
}
#endif

#endif /* TEVOFHIR_LUMO_H */
