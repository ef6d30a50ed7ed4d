#include "flattext/EauKeys.h"

#include <array>
#include <string>

#include "flattext/FieldBinding.h"

namespace tevo::flattext {
namespace {

template <class Record>
using TextMember = HostString Record::*;
template <class Record>
using FlagMember = bool Record::*;

template <class Record, std::size_t N>
void bindTexts(FieldBinding& binding, const std::string& prefix,
               const std::pair<const char*, TextMember<Record>> (&fields)[N], Record& record) {
    for (const auto& [name, member] : fields) {
        binding.bindText(prefix + name, record.*member);
    }
}

const std::pair<const char*, TextMember<EauPerson>> kPersonFields[] = {
    {"typ", &EauPerson::typ},
    {"nummer", &EauPerson::nummer},
    {"asvteamnummer", &EauPerson::asvteamnummer},
    {"vorname", &EauPerson::vorname},
    {"nachname", &EauPerson::nachname},
    {"hauptteilnachname", &EauPerson::hauptteilnachname},
    {"titel", &EauPerson::titel},
    {"vorsatzwort", &EauPerson::vorsatzwort},
    {"namenszusatz", &EauPerson::namenszusatz},
    {"berufsbezeichnung", &EauPerson::berufsbezeichnung},
    {"telematikid", &EauPerson::telematikid},
    {"asvfachgruppennummer", &EauPerson::asvfachgruppennummer},
};

const std::pair<const char*, TextMember<EauStreetAddress>> kStreetAddressFields[] = {
    {"wohnsitzlaendercode", &EauStreetAddress::wohnsitzlaendercode},
    {"wohnsitzlaenderkuerzel", &EauStreetAddress::wohnsitzlaenderkuerzel},
    {"postleitzahl", &EauStreetAddress::postleitzahl},
    {"ortsname", &EauStreetAddress::ortsname},
    {"strassenname", &EauStreetAddress::strassenname},
    {"hausnummer", &EauStreetAddress::hausnummer},
    {"anschriftenzusatz", &EauStreetAddress::anschriftenzusatz},
};

const std::pair<const char*, TextMember<EauPostBoxAddress>> kPostBoxFields[] = {
    {"wohnsitzlaendercode", &EauPostBoxAddress::wohnsitzlaendercode},
    {"wohnsitzlaenderkuerzel", &EauPostBoxAddress::wohnsitzlaenderkuerzel},
    {"postleitzahl", &EauPostBoxAddress::postleitzahl},
    {"ortsname", &EauPostBoxAddress::ortsname},
    {"postfach", &EauPostBoxAddress::postfach},
};

const std::pair<const char*, TextMember<EauInstitution>> kInstitutionFields[] = {
    {"custodiantype", &EauInstitution::custodiantype},
    {"betriebsstaettennummer", &EauInstitution::betriebsstaettennummer},
    {"name", &EauInstitution::name},
    {"telefonnummer", &EauInstitution::telefonnummer},
    {"faxnummer", &EauInstitution::faxnummer},
    {"email", &EauInstitution::email},
    {"telematikid", &EauInstitution::telematikid},
};

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

void bindPersonAndInstitution(FieldBinding& binding, EauPerson& person, EauInstitution& institution) {
    bindTexts(binding, "person.", kPersonFields, person);
    bindTexts(binding, "institution.", kInstitutionFields, institution);
    bindTexts(binding, "institution.adresse.", kStreetAddressFields, institution.adresse);
}

}  // namespace

EauRecord readEauRecord(const HostString& text) {
    EauRecord record;
    std::array<Icd10Code, kNumberedDiagnoses> numbered;
    FieldBinding binding;
    bindTexts(binding, "dokumenteninformationen.", kDocumentFields, record.dokumenteninformationen);
    bindTexts(binding, "empfaenger.", kRecipientFields, record.empfaenger);
    bindTexts(binding, "versicherter.", kInsuredFields, record.versicherter);
    bindTexts(binding, "versicherter.strassenadresse.", kStreetAddressFields, record.versicherter.strassenadresse);
    bindTexts(binding, "versicherter.postfachanschrift.", kPostBoxFields, record.versicherter.postfachanschrift);
    bindPersonAndInstitution(binding, record.person, record.institution);
    bindTexts(binding, "angaben.", kDetailTexts, record.angaben);
    for (const auto& [name, member] : kDetailFlags) {
        binding.bindFlag(std::string("angaben.") + name, record.angaben.*member);
    }
    for (int n = 0; n < kNumberedDiagnoses; ++n) {
        const std::string prefix = "angaben." + std::to_string(n + 1) + "icd10code.";
        bindTexts(binding, prefix, kDiagnosisFields, numbered[static_cast<std::size_t>(n)]);
    }

    binding.applyAll(text);

    for (const Icd10Code& diagnosis : numbered) {
        if (!diagnosis.code.IsEmpty()) {
            record.angaben.diagnosen.push_back(diagnosis);
        }
    }
    return record;
}

EauStornoRecord readEauStornoRecord(const HostString& text) {
    EauStornoRecord record;
    FieldBinding binding;
    binding.bindText("dokumentenid", record.dokumentenid);
    binding.bindText("dokumentenidsubmission", record.dokumentenidsubmission);
    binding.bindText("stornodatum", record.stornodatum);
    bindPersonAndInstitution(binding, record.person, record.institution);
    binding.applyAll(text);
    return record;
}

}  // namespace tevo::flattext
