#include "flattext/VosKeys.h"

#include <cstdlib>

#include "flattext/FieldBinding.h"
#include "flattext/FlatText.h"

namespace tevo::flattext {
namespace {


template <class Record>
struct TextField {
    const char* name;
    HostString Record::*member;
};

template <class Record>
struct FlagField {
    const char* name;
    bool Record::*member;
};

template <class Binder, class Record, std::size_t N>
void bindTexts(Binder& binding, const std::string& prefix, const TextField<Record> (&fields)[N],
               Record& record) {
    for (const TextField<Record>& field : fields) {
        binding.bindText(prefix + field.name, record.*(field.member));
    }
}

const TextField<VosInsurance> kInsurance[] = {
    {"versichertennummer", &VosInsurance::versichertennummer},
    {"zweitnummer", &VosInsurance::zweitnummer},
    {"versicherungsart", &VosInsurance::versicherungsart},
    {"ikkostentraeger", &VosInsurance::ikKostentraeger},
    {"namekostentraeger", &VosInsurance::nameKostentraeger},
    {"einlesedatum", &VosInsurance::einlesedatum},
    {"versichertenart", &VosInsurance::versichertenart},
    {"besonderepersonengruppe", &VosInsurance::besonderePersonengruppe},
    {"dmpkennzeichen", &VosInsurance::dmpKennzeichen},
    {"wop", &VosInsurance::wop},
    {"abrechnungsbereich", &VosInsurance::abrechnungsbereich},
    {"versicherungsschutzende", &VosInsurance::versicherungsschutzende},
    {"skt", &VosInsurance::skt},
};

const TextField<VosStreetAddress> kStreetAddress[] = {
    {"laenderkennzeichen", &VosStreetAddress::laenderkennzeichen},
    {"postleitzahl", &VosStreetAddress::postleitzahl},
    {"ort", &VosStreetAddress::ort},
    {"strasse", &VosStreetAddress::strasse},
    {"hausnummer", &VosStreetAddress::hausnummer},
    {"anschriftenzusatz", &VosStreetAddress::anschriftenzusatz},
};

const TextField<VosPostBoxAddress> kPostBox[] = {
    {"laenderkennzeichen", &VosPostBoxAddress::laenderkennzeichen},
    {"postleitzahl", &VosPostBoxAddress::postleitzahl},
    {"ort", &VosPostBoxAddress::ort},
    {"postfach", &VosPostBoxAddress::postfach},
};

const TextField<VosPerson> kPerson[] = {
    {"patientennummer", &VosPerson::patientennummer},
    {"nachname", &VosPerson::nachname},
    {"hauptteilnachname", &VosPerson::hauptteilnachname},
    {"vorsatzwort", &VosPerson::vorsatzwort},
    {"namenszusatz", &VosPerson::namenszusatz},
    {"vorname", &VosPerson::vorname},
    {"titel", &VosPerson::titel},
    {"geburtsdatum", &VosPerson::geburtsdatum},
    {"geschlecht", &VosPerson::geschlecht},
    {"reserve", &VosPerson::reserve},
};

const TextField<VosPatient> kPatient[] = {
    {"weitere1", &VosPatient::weitere1},   {"weitere2", &VosPatient::weitere2},
    {"weitere3", &VosPatient::weitere3},   {"zuzahlungsstatus", &VosPatient::zuzahlungsstatus},
    {"weitere5", &VosPatient::weitere5},   {"weitere6", &VosPatient::weitere6},
    {"weitere7", &VosPatient::weitere7},   {"weitere8", &VosPatient::weitere8},
    {"weitere9", &VosPatient::weitere9},   {"weitere10", &VosPatient::weitere10},
    {"weitere11", &VosPatient::weitere11},
};

const TextField<VosMeasurements> kMeasurements[] = {
    {"koerpergewicht", &VosMeasurements::koerpergewicht},
    {"koerpergroesse", &VosMeasurements::koerpergroesse},
    {"kreatinin", &VosMeasurements::kreatinin},
};

const TextField<VosCondition> kCondition[] = {
    {"icdcode", &VosCondition::icdCode},
    {"icdversion", &VosCondition::icdVersion},
    {"diagnosesicherheit", &VosCondition::diagnosesicherheit},
    {"diagnosetext", &VosCondition::diagnosetext},
};

const TextField<VosAllergy> kAllergy[] = {
    {"substanz", &VosAllergy::substanz},
    {"pzn", &VosAllergy::pzn},
    {"atc", &VosAllergy::atc},
    {"reaktion", &VosAllergy::reaktion},
};

const TextField<VosMedicationPzn> kPzn[] = {
    {"name", &VosMedicationPzn::name},
    {"pzn", &VosMedicationPzn::pzn},
    {"wirkstoffnummer", &VosMedicationPzn::wirkstoffnummer},
    {"wirkstoffname", &VosMedicationPzn::wirkstoffname},
    {"wirkstaerke", &VosMedicationPzn::wirkstaerke},
    {"darreichungsformcode", &VosMedicationPzn::darreichungsformCode},
    {"darreichungsformtext", &VosMedicationPzn::darreichungsformText},
    {"normgroesse", &VosMedicationPzn::normgroesse},
    {"packungsgroesse", &VosMedicationPzn::packungsgroesse},
    {"einheit", &VosMedicationPzn::einheit},
    {"reserve", &VosMedicationPzn::reserve},
    {"kategorie", &VosMedicationPzn::kategorie},
    {"rezeptfrei", &VosMedicationPzn::rezeptfrei},
};

const TextField<VosMedicationIngredient> kIngredient[] = {
    {"wirkstoffnummer", &VosMedicationIngredient::wirkstoffnummer},
    {"wirkstoffname", &VosMedicationIngredient::wirkstoffname},
    {"wirkstaerke", &VosMedicationIngredient::wirkstaerke},
    {"darreichungsform", &VosMedicationIngredient::darreichungsform},
    {"normgroesse", &VosMedicationIngredient::normgroesse},
    {"packungsgroesse", &VosMedicationIngredient::packungsgroesse},
    {"einheit", &VosMedicationIngredient::einheit},
    {"reserve", &VosMedicationIngredient::reserve},
    {"kategorie", &VosMedicationIngredient::kategorie},
    {"rezeptfrei", &VosMedicationIngredient::rezeptfrei},
};

const TextField<VosMedicationFreeText> kFreeText[] = {
    {"name", &VosMedicationFreeText::name},
    {"darreichungsform", &VosMedicationFreeText::darreichungsform},
    {"kategorie", &VosMedicationFreeText::kategorie},
};

const FlagField<VosMedicationFreeText> kFreeTextFlags[] = {
    {"impfstoff", &VosMedicationFreeText::impfstoff},
    {"rezeptfrei", &VosMedicationFreeText::rezeptfrei},
};

const TextField<VosPrescription> kPrescription[] = {
    {"ausstellungsdatum", &VosPrescription::ausstellungsdatum},
    {"zuzahlungsstatus", &VosPrescription::zuzahlungsstatus},
    {"noctu", &VosPrescription::noctu},
    {"bvg", &VosPrescription::bvg},
    {"unfallkennzeichen", &VosPrescription::unfallkennzeichen},
    {"unfallbetrieb", &VosPrescription::unfallbetrieb},
    {"unfalltag", &VosPrescription::unfalltag},
    {"rechtsgrundlage", &VosPrescription::rechtsgrundlage},
    {"rezeptart", &VosPrescription::rezeptart},
    {"sicherheitsbestimmungen", &VosPrescription::sicherheitsbestimmungen},
    {"informationsmaterial", &VosPrescription::informationsmaterial},
    {"inlabel", &VosPrescription::inLabel},
    {"offlabel", &VosPrescription::offLabel},
    {"btmkennzeichen", &VosPrescription::btmKennzeichen},
    {"rezeptgruppe", &VosPrescription::rezeptgruppe},
    {"dosierung", &VosPrescription::dosierung},
    {"anzahlpackungen", &VosPrescription::anzahlPackungen},
    {"austauscherlaubt", &VosPrescription::austauschErlaubt},
};

const TextField<VosDocument> kDocument[] = {
    {"dokumentid", &VosDocument::dokumentId}, {"typ", &VosDocument::typ},
    {"erstellt", &VosDocument::erstellt},     {"mimetyp", &VosDocument::mimeTyp},
    {"inhalt", &VosDocument::inhalt},         {"accesscode", &VosDocument::accessCode},
    {"taskid", &VosDocument::taskId},
};

const TextField<VosPractice> kPractice[] = {
    {"bsnr", &VosPractice::bsnr},
    {"name", &VosPractice::name},
    {"strasse", &VosPractice::strasse},
    {"hausnummer", &VosPractice::hausnummer},
    {"anschriftenzusatz", &VosPractice::anschriftenzusatz},
    {"postleitzahl", &VosPractice::postleitzahl},
    {"ort", &VosPractice::ort},
    {"telefon", &VosPractice::telefon},
    {"fax", &VosPractice::fax},
    {"email", &VosPractice::email},
};

const TextField<VosPractitioner> kPractitioner[] = {
    {"lanr", &VosPractitioner::lanr},
    {"nachname", &VosPractitioner::nachname},
    {"hauptteilnachname", &VosPractitioner::hauptteilnachname},
    {"vorsatzwort", &VosPractitioner::vorsatzwort},
    {"namenszusatz", &VosPractitioner::namenszusatz},
    {"vorname", &VosPractitioner::vorname},
    {"titel", &VosPractitioner::titel},
    {"berufsbezeichnungkurz", &VosPractitioner::berufsbezeichnungKurz},
    {"telematikid", &VosPractitioner::telematikId},
    {"asvfachgruppennummer", &VosPractitioner::asvFachgruppennummer},
    {"qualifikationcode", &VosPractitioner::qualifikationCode},
    {"qualifikationtext", &VosPractitioner::qualifikationText},
};

const TextField<VosPractitionerRole> kRole[] = {
    {"asvteamnummer", &VosPractitionerRole::asvTeamnummer},
    {"reserve", &VosPractitionerRole::reserve},
};

const TextField<VosUser> kUser[] = {
    {"personalnummer", &VosUser::personalnummer},
    {"vorname", &VosUser::vorname},
    {"nachname", &VosUser::nachname},
};

const TextField<VosPracticeSoftware> kSoftware[] = {
    {"pruefnummer", &VosPracticeSoftware::pruefnummer},
    {"name", &VosPracticeSoftware::name},
};

const TextField<VosRecord> kRecord[] = {
    {"aufrufkontext", &VosRecord::aufrufkontext},
    {"rechtsgrundlage", &VosRecord::rechtsgrundlage},
};

const FlagField<VosRecord> kRecordFlags[] = {
    {"schwanger", &VosRecord::schwanger},
    {"stillend", &VosRecord::stillend},
};

template <class Binder>
void bindPerson(Binder& binding, const std::string& prefix, VosPerson& person) {
    bindTexts(binding, prefix, kPerson, person);
    bindTexts(binding, prefix + "strassenadresse.", kStreetAddress, person.strassenadresse);
    bindTexts(binding, prefix + "postfachadresse.", kPostBox, person.postfachadresse);
}

template <class Binder>
void bindMedication(Binder& binding, const std::string& prefix, VosMedication& medication) {
    binding.bindText(prefix + "impfstoff", medication.impfstoff);
    bindTexts(binding, prefix + "pzn.", kPzn, medication.pzn);
    bindTexts(binding, prefix + "wirkstoff.", kIngredient, medication.wirkstoff);
    bindTexts(binding, prefix + "freitext.", kFreeText, medication.freitext);
    for (const FlagField<VosMedicationFreeText>& flag : kFreeTextFlags) {
        binding.bindFlag(prefix + "freitext." + flag.name, medication.freitext.*(flag.member));
    }
    bindTexts(binding, prefix + "verordnung.", kPrescription, medication.verordnung);
}

// The number N of a key "<list>.N.<field>", or 0.
int listNumber(const std::string& key, const std::string& list) {
    const std::string prefix = list + ".";
    if (key.compare(0, prefix.size(), prefix) != 0) {
        return 0;
    }
    const std::size_t end = key.find('.', prefix.size());
    const std::string digits = key.substr(prefix.size(), end == std::string::npos ? end : end - prefix.size());
    if (digits.empty() || digits.size() > 3 || digits[0] == '0' ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    return std::atoi(digits.c_str());
}

// Grows `list` to the highest number its keys use.
template <class Item>
void sizeList(std::vector<Item>& list, const std::vector<Entry>& entries, const std::string& name) {
    int highest = 0;
    for (const Entry& entry : entries) {
        const int number = listNumber(entry.key.str(), name);
        if (number > highest && number <= kMaxListEntries) {
            highest = number;
        }
    }
    list.resize(static_cast<std::size_t>(highest));
}

template <class Binder, class Item, class Bind>
void bindList(Binder& binding, const std::string& name, std::vector<Item>& list, Bind bind) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        bind(binding, name + "." + std::to_string(i + 1) + ".", list[i]);
    }
}

// Every key of the record, its lists as long as they are.
template <class Binder>
void bindRecord(Binder& binding, VosRecord& record) {
    bindTexts(binding, "versicherung.", kInsurance, record.patient.versicherung);
    bindPerson(binding, "patient.", record.patient.person);
    bindPerson(binding, "hauptversicherter.", record.patient.hauptversicherter);
    bindTexts(binding, "patient.", kPatient, record.patient);
    bindTexts(binding, "messwerte.", kMeasurements, record.messwerte);
    bindList(binding, "diagnose", record.diagnosen, [](Binder& b, const std::string& prefix, VosCondition& c) {
        bindTexts(b, prefix, kCondition, c);
        b.bindFlag(prefix + "dauerdiagnose", c.dauerdiagnose);
    });
    bindList(binding, "allergie", record.allergien,
             [](Binder& b, const std::string& prefix, VosAllergy& a) { bindTexts(b, prefix, kAllergy, a); });
    bindList(binding, "medikament", record.medikamente, bindMedication<Binder>);
    bindList(binding, "dokument", record.dokumente,
             [](Binder& b, const std::string& prefix, VosDocument& d) { bindTexts(b, prefix, kDocument, d); });
    bindTexts(binding, "praxis.", kPractice, record.praxis);
    bindTexts(binding, "arzt.", kPractitioner, record.arzt);
    bindTexts(binding, "rolle.", kRole, record.rolle);
    bindTexts(binding, "anwender.", kUser, record.anwender);
    bindTexts(binding, "software.", kSoftware, record.software);
    bindTexts(binding, "", kRecord, record);
    for (const FlagField<VosRecord>& flag : kRecordFlags) {
        binding.bindFlag(flag.name, record.*(flag.member));
    }
}

// Collects the keys instead of binding them.
struct KeyCollector {
    std::string keys;
    void bindText(const std::string& key, HostString&) { keys += "  " + key + "\n"; }
    void bindFlag(const std::string& key, bool&) { keys += "  " + key + " (1 or 0)\n"; }
};

}  // namespace

VosRecord readVosRecord(const HostString& flatText, std::vector<std::string>& documentFiles) {
    const std::vector<Entry> entries = readEntries(flatText);
    VosRecord record;
    sizeList(record.diagnosen, entries, "diagnose");
    sizeList(record.allergien, entries, "allergie");
    sizeList(record.medikamente, entries, "medikament");
    sizeList(record.dokumente, entries, "dokument");

    FieldBinding binding;
    bindRecord(binding, record);
    for (const Entry& entry : entries) {
        binding.apply(entry);
    }

    documentFiles.assign(record.dokumente.size(), std::string());
    for (const Entry& entry : entries) {
        const int number = listNumber(entry.key.str(), "dokument");
        if (number >= 1 && number <= kMaxListEntries &&
            entry.key.str() == "dokument." + std::to_string(number) + ".datei") {
            documentFiles[static_cast<std::size_t>(number - 1)] = entry.value.str();
        }
    }
    return record;
}

std::string vosKeyList() {
    VosRecord record;
    record.diagnosen.resize(1);
    record.allergien.resize(1);
    record.medikamente.resize(1);
    record.dokumente.resize(1);
    KeyCollector collector;
    bindRecord(collector, record);
    std::string& keys = collector.keys;
    for (std::size_t at = keys.find(".1."); at != std::string::npos; at = keys.find(".1.", at)) {
        keys.replace(at, 3, ".N.");
    }
    return keys;
}

}  // namespace tevo::flattext
