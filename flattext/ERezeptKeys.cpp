#include "flattext/ERezeptKeys.h"

#include <array>
#include <map>
#include <string>

#include "flattext/FieldBinding.h"
#include "flattext/PartyKeys.h"
#include "flattext/splitText.h"

namespace tevo::flattext {
namespace {

const std::pair<const char*, TextMember<ERezeptDocumentInformation>> kDocumentFields[] = {
    {"pruefnummer", &ERezeptDocumentInformation::pruefnummer},
    {"dokumentenid", &ERezeptDocumentInformation::dokumentenid},
    {"prescriptionid", &ERezeptDocumentInformation::prescriptionid},
    {"taskid", &ERezeptDocumentInformation::taskid},
    {"accesscode", &ERezeptDocumentInformation::accesscode},
};

const std::pair<const char*, TextMember<ERezeptRecipient>> kRecipientFields[] = {
    {"kostentraegertyp", &ERezeptRecipient::kostentraegertyp},
    {"ikkrankenkasse", &ERezeptRecipient::ikkrankenkasse},
    {"ikkostentrager", &ERezeptRecipient::ikkostentrager},
    {"namekostentraeger", &ERezeptRecipient::namekostentraeger},
    {"wop", &ERezeptRecipient::wop},
    {"unfallkennzeichen", &ERezeptRecipient::unfallkennzeichen},
    {"unfalltag", &ERezeptRecipient::unfalltag},
    {"nameunfallbetrieb", &ERezeptRecipient::nameunfallbetrieb},
    {"zuzahlungsstatus", &ERezeptRecipient::zuzahlungsstatus},
    {"pkvtarifart", &ERezeptRecipient::pkvtarifart},
    {"versichertenart", &ERezeptRecipient::versichertenart},
    {"besonderepersonengruppe", &ERezeptRecipient::besonderepersonengruppe},
    {"dmpkennzeichen", &ERezeptRecipient::dmpkennzeichen},
    {"kennzeichenrechtsgrundlage", &ERezeptRecipient::kennzeichenrechtsgrundlage},
};

const std::pair<const char*, TextMember<ERezeptInsured>> kInsuredFields[] = {
    {"identifiertype", &ERezeptInsured::identifierType},
    {"versichertennummer", &ERezeptInsured::versichertennummer},
    {"vorname", &ERezeptInsured::vorname},
    {"nachname", &ERezeptInsured::nachname},
    {"hauptteilnachname", &ERezeptInsured::hauptteilnachname},
    {"titel", &ERezeptInsured::titel},
    {"namenszusatz", &ERezeptInsured::namenszusatz},
    {"vorsatzwort", &ERezeptInsured::vorsatzwort},
    {"geburtsdatum", &ERezeptInsured::geburtsdatum},
    {"versicherungsschutzende", &ERezeptInsured::versicherungsschutzende},
    {"insurantorganizationname", &ERezeptInsured::insurantorganizationname},
};

const std::pair<const char*, TextMember<ERezeptPrescription>> kPrescriptionTexts[] = {
    {"ausstellungsdatum", &ERezeptPrescription::ausstellungsdatum},
    {"kategorie", &ERezeptPrescription::kategorie},
    {"beginnmehrfachverordnung", &ERezeptPrescription::beginnmehrfachverordnung},
    {"endemehrfachverordnung", &ERezeptPrescription::endemehrfachverordnung},
    {"idmehrfachverordnung", &ERezeptPrescription::idmehrfachverordnung},
    {"darreichungsformkodiert", &ERezeptPrescription::darreichungsformkodiert},
    {"darreichungsformfreitext", &ERezeptPrescription::darreichungsformfreitext},
    {"abgabehinweis", &ERezeptPrescription::abgabehinweis},
    {"verschreiberid", &ERezeptPrescription::verschreiberid},
    {"beginofmedication", &ERezeptPrescription::beginofmedication},
    {"endofmedication", &ERezeptPrescription::endofmedication},
    {"dosieranweisung", &ERezeptPrescription::dosieranweisung},
    {"packungsgroessen", &ERezeptPrescription::packungsgroessen},
    {"packungsgroessemenge", &ERezeptPrescription::packungsgroessemenge},
    {"packungsgroesseeinheit", &ERezeptPrescription::packungsgroesseeinheit},
    {"anzahlpackungen", &ERezeptPrescription::anzahlpackungen},
    // The key of the free text is the one the flat-text interface defines.
    {"freitextverordnung.freitextverordnung", &ERezeptPrescription::freitextverordnung},
};

const std::pair<const char*, FlagMember<ERezeptPrescription>> kPrescriptionFlags[] = {
    {"noctucitu", &ERezeptPrescription::noctucitu},
    {"sprechstundenbedarf", &ERezeptPrescription::sprechstundenbedarf},
    {"impfstoff", &ERezeptPrescription::impfstoff},
    {"bvg", &ERezeptPrescription::bvg},
    {"kennzeichenmehrfachverordnung", &ERezeptPrescription::kennzeichenmehrfachverordnung},
    {"autidem", &ERezeptPrescription::autidem},
    {"kennzeichendosierung", &ERezeptPrescription::kennzeichendosierung},
};

const std::pair<const char*, TextMember<ERezeptFinishedProduct>> kProductTexts[] = {
    {"pzn", &ERezeptFinishedProduct::pzn},
    {"handelsname", &ERezeptFinishedProduct::handelsname},
    {"atc", &ERezeptFinishedProduct::atc},
};

// Fields of the record that no flat-text key reaches.
const std::pair<const char*, TextMember<ERezeptPrescription>> kRecordOnlyTexts[] = {
    {"wirkstoffnummer", &ERezeptPrescription::wirkstoffnummer},
    {"wirkstoffname", &ERezeptPrescription::wirkstoffname},
    {"wirkstaerke", &ERezeptPrescription::wirkstaerke},
    {"wirkstaerkeneinheit", &ERezeptPrescription::wirkstaerkeneinheit},
    {"wirkstoffbezugsmenge", &ERezeptPrescription::wirkstoffbezugsmenge},
    {"wirkstoffbezugsmengeneinheit", &ERezeptPrescription::wirkstoffbezugsmengeneinheit},
    {"rezepturname", &ERezeptPrescription::rezepturname},
    {"gesamtmenge", &ERezeptPrescription::gesamtmenge},
    {"gesamtmengeneinheit", &ERezeptPrescription::gesamtmengeneinheit},
    {"herstellungsanweisung", &ERezeptPrescription::herstellungsanweisung},
    {"verpackung", &ERezeptPrescription::verpackung},
    {"gebrauchsanweisung", &ERezeptPrescription::gebrauchsanweisung},
};

// The ingredient fields in list order (also the tool's key names).
const std::pair<const char*, TextMember<ERezeptIngredient>> kIngredientFields[] = {
    {"wirkstoffnummer", &ERezeptIngredient::wirkstoffnummer},
    {"wirkstoffname", &ERezeptIngredient::wirkstoffname},
    {"wirkstaerke", &ERezeptIngredient::wirkstaerke},
    {"wirkstaerkeneinheit", &ERezeptIngredient::wirkstaerkeneinheit},
    {"bezugsmenge", &ERezeptIngredient::bezugsmenge},
    {"bezugsmengeneinheit", &ERezeptIngredient::bezugsmengeneinheit},
};

const std::pair<const char*, TextMember<ERezeptComponent>> kComponentFields[] = {
    {"name", &ERezeptComponent::name},
    {"pzn", &ERezeptComponent::pzn},
    {"darreichungsform", &ERezeptComponent::darreichungsform},
    {"menge", &ERezeptComponent::menge},
    {"einheit", &ERezeptComponent::einheit},
    {"mengeundeinheit", &ERezeptComponent::mengeundeinheit},
};

constexpr int kNumberedEntries = 50;
constexpr char kListEntryEnd[] = "\x03";
constexpr char kListFieldEnd[] = "\x04";

// Reads one value of the ingredient list into `ingredients`; returns the
// rejection message for an entry with fewer than six fields.
std::string readIngredientList(const HostString& value, std::vector<ERezeptIngredient>& ingredients) {
    HostStringArray entries;
    splitText(value, kListEntryEnd, entries);
    for (int i = 0; i < entries.GetSize(); ++i) {
        const HostString& entry = entries[i];
        if (entry.IsEmpty()) {
            continue;
        }
        HostStringArray fields;
        splitText(entry, kListFieldEnd, fields);
        if (fields.GetSize() < static_cast<int>(std::size(kIngredientFields))) {
            return "Der " + std::to_string(ingredients.size() + 1) +
                   ". Wirkstoff des Fertigarzneimittels hat weniger als sechs Angaben. Bitte prüfen Sie die "
                   "Angaben zum E-Rezept bzw. zum Fertigarzneimittel.";
        }
        ERezeptIngredient ingredient;
        for (std::size_t field = 0; field < std::size(kIngredientFields); ++field) {
            ingredient.*kIngredientFields[field].second = fields[static_cast<int>(field)];
            (ingredient.*kIngredientFields[field].second).Trim();
        }
        ingredients.push_back(ingredient);
    }
    return std::string();
}

// Numbered entries "<prefix><n>." + field, appended in number order when
// any of their fields holds something.
template <class Entry, std::size_t N>
class NumberedList {
public:
    NumberedList(FieldBinding& binding, const std::string& prefix,
                 const std::pair<const char*, TextMember<Entry>> (&fields)[N]) {
        for (int n = 0; n < kNumberedEntries; ++n) {
            bindTexts(binding, prefix + std::to_string(n + 1) + ".", fields, entries_[static_cast<std::size_t>(n)]);
        }
    }

    void appendTo(std::vector<Entry>& list, const std::pair<const char*, TextMember<Entry>> (&fields)[N]) const {
        for (const Entry& entry : entries_) {
            for (const auto& field : fields) {
                if (!(entry.*field.second).IsEmpty()) {
                    list.push_back(entry);
                    break;
                }
            }
        }
    }

private:
    std::array<Entry, kNumberedEntries> entries_{};
};

}  // namespace

ERezeptReading readERezeptRecord(const HostString& text, ERezeptKeys keys) {
    ERezeptReading reading;
    ERezeptRecord& record = reading.record;
    FieldBinding binding;
    bindTexts(binding, "dokumenteninformationen.", kDocumentFields, record.dokumenteninformationen);
    bindTexts(binding, "empfaenger.", kRecipientFields, record.empfaenger);
    bindTexts(binding, "versicherter.", kInsuredFields, record.versicherter);
    bindStreetAddress(binding, "versicherter.strassenadresse.", record.versicherter.strassenadresse);
    bindPostBoxAddress(binding, "versicherter.postfachanschrift.", record.versicherter.postfachanschrift);
    bindPerson(binding, "person.", record.person);
    bindInstitution(binding, "institution.", record.institution);
    ERezeptPrescription& prescription = record.verordnung;
    bindTexts(binding, "verordnung.", kPrescriptionTexts, prescription);
    bindFlags(binding, "verordnung.", kPrescriptionFlags, prescription);
    binding.bindInteger("verordnung.zaehlermehrfachverordnung", prescription.zaehlermehrfachverordnung);
    binding.bindInteger("verordnung.nennermehrfachverordnung", prescription.nennermehrfachverordnung);
    bindTexts(binding, "verordnung.fertigarzneimittel.", kProductTexts, prescription.fertigarzneimittel);
    binding.bindDecimal("verordnung.fertigarzneimittel.avp", prescription.fertigarzneimittel.avp);
    binding.bindReader("verordnung.fertigarzneimittel.wirkstoffe", [&reading](const HostString& value) {
        const std::string rejection = readIngredientList(value, reading.record.verordnung.fertigarzneimittel.wirkstoffe);
        if (reading.rejection.empty()) {
            reading.rejection = rejection;
        }
    });

    if (keys == ERezeptKeys::FlatText) {
        binding.applyAll(text);
        return reading;
    }
    bindPerson(binding, "record.verantwortlicheperson.", record.verantwortlichePerson);
    bindTexts(binding, "record.verordnung.", kRecordOnlyTexts, prescription);
    NumberedList<ERezeptComponent, std::size(kComponentFields)> components(
        binding, "record.verordnung.bestandteil.", kComponentFields);
    NumberedList<ERezeptIngredient, std::size(kIngredientFields)> ingredients(
        binding, "record.verordnung.fertigarzneimittel.wirkstoff.", kIngredientFields);
    binding.applyAll(text);
    components.appendTo(prescription.bestandteile, kComponentFields);
    ingredients.appendTo(prescription.fertigarzneimittel.wirkstoffe, kIngredientFields);
    return reading;
}

}  // namespace tevo::flattext
