#include "EebKeys.h"

#include <utility>

#include "flattext/FieldBinding.h"
#include "flattext/FlatText.h"

namespace cli {
namespace {

template <class Record>
using Texts = std::pair<const char*, tevo::flattext::TextMember<Record>>;

const Texts<EebRecord> kRequestTexts[] = {
    {"dokumentid", &EebRecord::dokumentid},
    {"leistungsdatum", &EebRecord::leistungsdatum},
    {"ursprung", &EebRecord::ursprung},
    {"endpoint", &EebRecord::endpoint},
    {"iknummer", &EebRecord::iknummer},
    {"versichertenid", &EebRecord::versichertenid},
    {"vorname", &EebRecord::vorname},
    {"nachname", &EebRecord::nachname},
    {"hauptteilnachname", &EebRecord::hauptteilnachname},
    {"titel", &EebRecord::titel},
    {"namenszusatz", &EebRecord::namenszusatz},
    {"vorsatzwort", &EebRecord::vorsatzwort},
    {"geburtsdatum", &EebRecord::geburtsdatum},
    {"custodiantype", &EebRecord::custodiantype},
    {"betriebsstaettennummer", &EebRecord::betriebsstaettennummer},
    {"name", &EebRecord::name},
    {"telefonnummer", &EebRecord::telefonnummer},
    {"faxnummer", &EebRecord::faxnummer},
    {"email", &EebRecord::email},
    {"telematikid", &EebRecord::telematikid},
};

const Texts<EebStreetAddress> kAddressTexts[] = {
    {"wohnsitzlaenderkuerzel", &EebStreetAddress::wohnsitzlaenderkuerzel},
    {"postleitzahl", &EebStreetAddress::postleitzahl},
    {"ortsname", &EebStreetAddress::ortsname},
    {"strassenname", &EebStreetAddress::strassenname},
    {"hausnummer", &EebStreetAddress::hausnummer},
    {"anschriftenzusatz", &EebStreetAddress::anschriftenzusatz},
};

const Texts<EebBescheinigungRecord> kCertificateTexts[] = {
    {"bundleid", &EebBescheinigungRecord::bundleid},
    {"zeitstempel", &EebBescheinigungRecord::zeitstempel},
    {"ursprungtext", &EebBescheinigungRecord::ursprungtext},
    {"ursprung", &EebBescheinigungRecord::ursprung},
    {"endpoint", &EebBescheinigungRecord::endpoint},
    {"versionvsdm", &EebBescheinigungRecord::versionvsdm},
    {"persoenlicheversichertendaten", &EebBescheinigungRecord::persoenlicheversichertendaten},
    {"allgemeineversicherungsdaten", &EebBescheinigungRecord::allgemeineversicherungsdaten},
    {"geschuetzteversichertendaten", &EebBescheinigungRecord::geschuetzteversichertendaten},
    {"versichertenart", &EebBescheinigungRecord::versichertenart},
    {"wop", &EebBescheinigungRecord::wop},
    {"besonderepersonengruppe", &EebBescheinigungRecord::besonderepersonengruppe},
    {"zuzahlungsstatusgueltigbis", &EebBescheinigungRecord::zuzahlungsstatusgueltigbis},
    {"versicherungsart", &EebBescheinigungRecord::versicherungsart},
    {"versicherungsbeginn", &EebBescheinigungRecord::versicherungsbeginn},
    {"versicherungsende", &EebBescheinigungRecord::versicherungsende},
    {"iknummer", &EebBescheinigungRecord::iknummer},
    {"kostentraegername", &EebBescheinigungRecord::kostentraegername},
    {"abrechnendeik", &EebBescheinigungRecord::abrechnendeik},
    {"versichertenid", &EebBescheinigungRecord::versichertenid},
    {"versichertenidtyp", &EebBescheinigungRecord::versichertenidtyp},
    {"vorname", &EebBescheinigungRecord::vorname},
    {"nachname", &EebBescheinigungRecord::nachname},
    {"hauptteilnachname", &EebBescheinigungRecord::hauptteilnachname},
    {"titel", &EebBescheinigungRecord::titel},
    {"namenszusatz", &EebBescheinigungRecord::namenszusatz},
    {"vorsatzwort", &EebBescheinigungRecord::vorsatzwort},
    {"geburtsdatum", &EebBescheinigungRecord::geburtsdatum},
    {"wohnsitzlaenderkuerzel", &EebBescheinigungRecord::wohnsitzlaenderkuerzel},
    {"postleitzahl", &EebBescheinigungRecord::postleitzahl},
    {"ortsname", &EebBescheinigungRecord::ortsname},
    {"strassenname", &EebBescheinigungRecord::strassenname},
    {"hausnummer", &EebBescheinigungRecord::hausnummer},
    {"anschriftenzusatz", &EebBescheinigungRecord::anschriftenzusatz},
};

const Texts<EebAnswerRecord> kAnswerTexts[] = {
    {"bundleidentifier", &EebAnswerRecord::bundleidentifier},
    {"messageid", &EebAnswerRecord::messageid},
    {"fehlercode", &EebAnswerRecord::fehlercode},
    {"fehleranzeige", &EebAnswerRecord::fehleranzeige},
    {"fehlertext", &EebAnswerRecord::fehlertext},
};

template <class Record, std::size_t N>
void appendTexts(std::string& text, const Texts<Record> (&texts)[N], const Record& record) {
    for (const auto& [key, member] : texts) {
        tevo::flattext::appendEntry(text, key, record.*member);
    }
}

void appendFlag(std::string& text, const char* key, bool flag) {
    tevo::flattext::appendEntry(text, key, HostString(flag ? "1" : "0"));
}

}  // namespace

EebRecord readEebRecord(const HostString& flatText) {
    EebRecord record;
    tevo::flattext::FieldBinding binding;
    tevo::flattext::bindTexts(binding, "", kRequestTexts, record);
    tevo::flattext::bindTexts(binding, "adresse.", kAddressTexts, record.adresse);
    tevo::flattext::bindTexts(binding, "praxisadresse.", kAddressTexts, record.praxisadresse);
    binding.bindFlag("einverstaendnis", record.einverstaendnis);
    binding.applyAll(flatText);
    return record;
}

std::string certificateEntries(const EebBescheinigungRecord& record) {
    std::string text;
    appendTexts(text, kCertificateTexts, record);
    appendFlag(text, "zuzahlungsstatus", record.zuzahlungsstatus);
    return text;
}

std::string answerEntries(const EebAnswerRecord& answer) {
    std::string text;
    appendFlag(text, "fehler", answer.fehler);
    appendTexts(text, kAnswerTexts, answer);
    return text;
}

}  // namespace cli
