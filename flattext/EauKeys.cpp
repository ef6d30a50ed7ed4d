#include "flattext/EauKeys.h"

#include <array>
#include <string>
#include <utility>

#include "flattext/FieldBinding.h"
#include "flattext/PartyKeys.h"

namespace tevo::flattext {
namespace {

const std::pair<const char*, TextMember<EauDocumentInformation>> kDocumentFields[] = {
    {"pruefnummer", &EauDocumentInformation::pruefnummer},
    {"dokumentenid", &EauDocumentInformation::dokumentenid},
};

const std::pair<const char*, TextMember<EauRecipient>> kRecipientFields[] = {
    {"kostentraegertyp", &EauRecipient::kostentraegertyp},
    {"ikkrankenkasse", &EauRecipient::ikkrankenkasse},
    {"ikkostentrager", &EauRecipient::ikkostentrager},
    {"namekostentraeger", &EauRecipient::namekostentraeger},
    {"wop", &EauRecipient::wop},
    {"versichertenart", &EauRecipient::versichertenart},
    {"besonderepersonengruppe", &EauRecipient::besonderepersonengruppe},
    {"dmpkennzeichen", &EauRecipient::dmpkennzeichen},
    {"kennzeichenrechtsgrundlage", &EauRecipient::kennzeichenrechtsgrundlage},
};

const std::pair<const char*, TextMember<EauInsured>> kInsuredFields[] = {
    {"identifiertype", &EauInsured::identifierType},
    {"versichertennummer", &EauInsured::versichertennummer},
    {"vorname", &EauInsured::vorname},
    {"nachname", &EauInsured::nachname},
    {"hauptteilnachname", &EauInsured::hauptteilnachname},
    {"titel", &EauInsured::titel},
    {"vorsatzwort", &EauInsured::vorsatzwort},
    {"namenszusatz", &EauInsured::namenszusatz},
    {"geburtsdatum", &EauInsured::geburtsdatum},
    {"versicherungsschutzende", &EauInsured::versicherungsschutzende},
};

const std::pair<const char*, TextMember<EauDetails>> kDetailTexts[] = {
    {"ausstellungsdatum", &EauDetails::ausstellungsdatum},
    {"auseit", &EauDetails::auseit},
    {"voraussichtlichaubis", &EauDetails::voraussichtlichaubis},
    {"festgestelltam", &EauDetails::festgestelltam},
    {"sonstigetext", &EauDetails::sonstigetext},
    {"teilweisearbeitsfaehigab", &EauDetails::teilweisearbeitsfaehigab},
    {"wiedereingliederungab", &EauDetails::wiedereingliederungab},
    {"aufnahmedatum", &EauDetails::aufnahmedatum},
    {"entlassungsdatum", &EauDetails::entlassungsdatum},
    {"diagnosetext", &EauDetails::diagnosetext},
};

const std::pair<const char*, FlagMember<EauDetails>> kDetailFlags[] = {
    {"darztzugewiesen", &EauDetails::darztzugewiesen},
    {"erstbescheinigung", &EauDetails::erstbescheinigung},
    {"folgebescheinigung", &EauDetails::folgebescheinigung},
    {"sonstigerunfall", &EauDetails::sonstigerunfall},
    {"arbeitsunfall", &EauDetails::arbeitsunfall},
    {"versorgungsleiden", &EauDetails::versorgungsleiden},
    {"leistungenreha", &EauDetails::leistungenreha},
    {"wiedereingliederung", &EauDetails::wiedereingliederung},
    {"sonstige", &EauDetails::sonstige},
    {"berufsunfaehigkeit", &EauDetails::berufsunfaehigkeit},
    {"stationaereheilbehandlung", &EauDetails::stationaereheilbehandlung},
    {"siebteauwoche", &EauDetails::siebteauwoche},
    {"endbescheinigung", &EauDetails::endbescheinigung},
};

const std::pair<const char*, TextMember<Icd10Code>> kDiagnosisFields[] = {
    {"code", &Icd10Code::code},
    {"version", &Icd10Code::version},
    {"diagnosesicherheit", &Icd10Code::diagnosesicherheit},
    {"seitenlokalisation", &Icd10Code::seitenlokalisation},
};

constexpr int kNumberedDiagnoses = 6;

// The eAU addresses also take the country code under "wohnsitzlaenderkuerzel",
// the field the certificate reads.
template <class Address>
void bindCountryAbbreviation(FieldBinding& binding, const std::string& prefix, Address& address) {
    binding.bindText(prefix + "wohnsitzlaenderkuerzel", address.wohnsitzlaenderkuerzel);
}

void bindPersonAndInstitution(FieldBinding& binding, EauPerson& person, EauInstitution& institution) {
    bindPerson(binding, "person.", person);
    bindInstitution(binding, "institution.", institution);
    bindCountryAbbreviation(binding, "institution.adresse.", institution.adresse);
}

// The certificate as the flat text holds it: the numbered diagnoses apart.
struct FlatEauRecord {
    EauRecord record;
    std::array<Icd10Code, kNumberedDiagnoses> numbered;
};

void bindCertificate(FieldBinding& binding, FlatEauRecord& flat) {
    EauRecord& record = flat.record;
    bindTexts(binding, "dokumenteninformationen.", kDocumentFields, record.dokumenteninformationen);
    bindTexts(binding, "empfaenger.", kRecipientFields, record.empfaenger);
    bindTexts(binding, "versicherter.", kInsuredFields, record.versicherter);
    bindStreetAddress(binding, "versicherter.strassenadresse.", record.versicherter.strassenadresse);
    bindCountryAbbreviation(binding, "versicherter.strassenadresse.", record.versicherter.strassenadresse);
    bindPostBoxAddress(binding, "versicherter.postfachanschrift.", record.versicherter.postfachanschrift);
    bindCountryAbbreviation(binding, "versicherter.postfachanschrift.", record.versicherter.postfachanschrift);
    bindPersonAndInstitution(binding, record.person, record.institution);
    bindTexts(binding, "angaben.", kDetailTexts, record.angaben);
    bindFlags(binding, "angaben.", kDetailFlags, record.angaben);
    for (int n = 0; n < kNumberedDiagnoses; ++n) {
        const std::string prefix = "angaben." + std::to_string(n + 1) + "icd10code.";
        bindTexts(binding, prefix, kDiagnosisFields, flat.numbered[static_cast<std::size_t>(n)]);
    }
}

void bindCancellation(FieldBinding& binding, EauStornoRecord& record) {
    binding.bindText("dokumentenid", record.dokumentenid);
    binding.bindText("dokumentenidsubmission", record.dokumentenidsubmission);
    binding.bindText("stornodatum", record.stornodatum);
    bindPersonAndInstitution(binding, record.person, record.institution);
}

}  // namespace

EauRecord readEauRecord(const HostString& text) {
    static const RecordBinding<FlatEauRecord> binding(bindCertificate);
    FlatEauRecord flat;
    binding.applyAll(text, flat);
    for (const Icd10Code& diagnosis : flat.numbered) {
        if (!diagnosis.code.IsEmpty()) {
            flat.record.angaben.diagnosen.push_back(diagnosis);
        }
    }
    return std::move(flat.record);
}

EauStornoRecord readEauStornoRecord(const HostString& text) {
    static const RecordBinding<EauStornoRecord> binding(bindCancellation);
    EauStornoRecord record;
    binding.applyAll(text, record);
    return record;
}

}  // namespace tevo::flattext
