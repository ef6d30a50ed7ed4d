#include "usecases/erezept/convert.h"

#include "boundary/FieldConversion.h"
#include "fhir/Identity.h"
#include "fhir/r4/codes/Enumerations.h"
#include "usecases/shared/convertParty.h"

// The prescription's addresses keep their country code in `wohnsitzlaendercode`.
inline const HostString& countryCodeOf(const ERezeptStreetAddress& address) { return address.wohnsitzlaendercode; }
inline const HostString& countryCodeOf(const ERezeptPostBoxAddress& address) { return address.wohnsitzlaendercode; }

namespace fhir {
namespace {

using tevo::toFhirText;

// The responsible person has no ASV numbers of its own.
shared::PersonData convertResponsiblePerson(const ERezeptPerson& person) {
    shared::PersonData data = shared::convertPerson(person);
    data.asvteamnummer.clear();
    data.asvfachgruppennummer.clear();
    return data;
}

// "pkv" in any case files the number as PKV-ID; "gkv" and every other kind as
// GKV-ID.
void fileInsuredNumber(shared::InsuredData& insured) {
    const std::string kind = shared::lowerAscii(insured.identifierType);
    if (kind == "pkv") {
        insured.pkvNummer = insured.versichertennummer;
    } else {
        insured.gkvNummer = insured.versichertennummer;
    }
}

ERezeptPackageData convertPackage(const ERezeptPrescription& p) {
    ERezeptPackageData package;
    package.packungsgroessen = toFhirText(p.packungsgroessen, 0);
    package.menge = toFhirText(p.packungsgroessemenge, 0);
    package.einheit = toFhirText(p.packungsgroesseeinheit, 12);
    package.packageSize = codes::CS_KBV_CS_SFHIR_KBV_NORMGROESSE::fromCode(package.packungsgroessen);
    return package;
}

ERezeptIngredientData convertIngredient(const ERezeptIngredient& ingredient) {
    ERezeptIngredientData data;
    data.wirkstoffnummer = toFhirText(ingredient.wirkstoffnummer, 0);
    data.wirkstoffname = toFhirText(ingredient.wirkstoffname, 0);
    data.wirkstaerke = toFhirText(ingredient.wirkstaerke, 0);
    data.wirkstaerkeneinheit = toFhirText(ingredient.wirkstaerkeneinheit, 0);
    data.bezugsmenge = toFhirText(ingredient.bezugsmenge, 0);
    data.bezugsmengeneinheit = toFhirText(ingredient.bezugsmengeneinheit, 0);
    return data;
}

ERezeptComponentData convertComponent(const ERezeptComponent& component) {
    ERezeptComponentData data;
    data.name = toFhirText(component.name, 0);
    data.pzn = toFhirText(component.pzn, 0);
    data.darreichungsform = toFhirText(component.darreichungsform, 0);
    data.menge = toFhirText(component.menge, 0);
    data.einheit = toFhirText(component.einheit, 0);
    data.mengeundeinheit = toFhirText(component.mengeundeinheit, 0);
    return data;
}

bool anyPresent(std::initializer_list<const std::string*> values) {
    for (const std::string* value : values) {
        if (!value->empty()) {
            return true;
        }
    }
    return false;
}

void convertMedications(const ERezeptPrescription& p, bool newer, ERezeptData& data) {
    const int category = codes::CS_KBV_CS_ERP_Medication_Category::fromCode(data.kategorie);
    const std::string freeTextForm = toFhirText(p.darreichungsformfreitext, 0);

    ERezeptFinishedProductData product;
    product.pzn = toFhirText(p.fertigarzneimittel.pzn, 0);
    product.handelsname = toFhirText(p.fertigarzneimittel.handelsname, 0);
    if (anyPresent({&product.pzn, &product.handelsname})) {
        product.category = category;
        product.darreichungsformkodiert = data.darreichungsformkodiert;
        product.dosageForm = data.dosageForm;
        product.package = convertPackage(p);
        if (newer) {
            for (const ERezeptIngredient& ingredient : p.fertigarzneimittel.wirkstoffe) {
                product.wirkstoffe.push_back(convertIngredient(ingredient));
            }
        }
        data.medications.finishedProduct = product;
    }

    ERezeptIngredient hostIngredient{p.wirkstoffnummer, p.wirkstoffname, p.wirkstaerke, p.wirkstaerkeneinheit,
                                     HostString(), HostString()};
    if (newer) {
        hostIngredient.bezugsmenge = p.wirkstoffbezugsmenge;
        hostIngredient.bezugsmengeneinheit = p.wirkstoffbezugsmengeneinheit;
    }
    ERezeptActiveIngredientData active;
    active.ingredient = convertIngredient(hostIngredient);
    const ERezeptIngredientData& i = active.ingredient;
    if (anyPresent({&i.wirkstoffnummer, &i.wirkstoffname, &i.wirkstaerke, &i.wirkstaerkeneinheit, &i.bezugsmenge,
                    &i.bezugsmengeneinheit})) {
        active.category = category;
        active.darreichungsformfreitext = freeTextForm;
        active.package = convertPackage(p);
        data.medications.activeIngredient = active;
    }

    ERezeptCompoundingData compounding;
    compounding.rezepturname = toFhirText(p.rezepturname, 0);
    compounding.gesamtmenge = toFhirText(p.gesamtmenge, 0);
    compounding.gesamtmengeneinheit = toFhirText(p.gesamtmengeneinheit, 12);
    compounding.herstellungsanweisung = toFhirText(p.herstellungsanweisung, 0);
    compounding.verpackung = toFhirText(p.verpackung, 0);
    for (const ERezeptComponent& component : p.bestandteile) {
        compounding.bestandteile.push_back(convertComponent(component));
    }
    if (anyPresent({&compounding.rezepturname, &compounding.gesamtmenge, &compounding.gesamtmengeneinheit,
                    &compounding.herstellungsanweisung, &compounding.verpackung, &data.gebrauchsanweisung}) ||
        !compounding.bestandteile.empty()) {
        compounding.category = category;
        compounding.darreichungsformfreitext = freeTextForm;
        data.medications.compounding = compounding;
    }

    ERezeptFreeTextData freeText;
    freeText.freitextverordnung = toFhirText(p.freitextverordnung, 0);
    if (!freeText.freitextverordnung.empty()) {
        freeText.category = category;
        freeText.darreichungsformfreitext = freeTextForm;
        data.medications.freeText = freeText;
    }
}

void convertPayer(const ERezeptRecipient& recipient, ERezeptData& data) {
    data.payer = shared::convertPayer(recipient);
    data.unfallkennzeichen = toFhirText(recipient.unfallkennzeichen, 0);
    data.unfalltag = toFhirText(recipient.unfalltag, 0);
    data.nameunfallbetrieb = toFhirText(recipient.nameunfallbetrieb, 0);
    data.zuzahlungsstatus = toFhirText(recipient.zuzahlungsstatus, 0);
    data.pkvtarifart = toFhirText(recipient.pkvtarifart, 0);
    data.accident = codes::VS_KBV_VS_ERP_Accident_Type::fromCode(data.unfallkennzeichen);
    data.coPayment = codes::VS_KBV_VS_ERP_StatusCoPayment::fromCode(data.zuzahlungsstatus);
    data.pkvTariff = codes::CS_KBV_CS_SFHIR_KBV_PKV_TARIFF::fromCode(data.pkvtarifart);
}

void convertPrescription(const ERezeptPrescription& p, bool newer, ERezeptData& data) {
    data.ausstellungsdatum = toFhirText(p.ausstellungsdatum, 0);
    data.kategorie = toFhirText(p.kategorie, 0);
    data.sprechstundenbedarf = p.sprechstundenbedarf;
    data.noctucitu = p.noctucitu;
    data.impfstoff = p.impfstoff;
    data.bvg = p.bvg;
    data.kennzeichenmehrfachverordnung = p.kennzeichenmehrfachverordnung;
    data.zaehlermehrfachverordnung = p.zaehlermehrfachverordnung;
    data.nennermehrfachverordnung = p.nennermehrfachverordnung;
    data.beginnmehrfachverordnung = toFhirText(p.beginnmehrfachverordnung, 0);
    data.endemehrfachverordnung = toFhirText(p.endemehrfachverordnung, 0);
    data.idmehrfachverordnung = toFhirText(p.idmehrfachverordnung, 0);
    data.autidem = p.autidem;
    data.darreichungsformkodiert = toFhirText(p.darreichungsformkodiert, 0);
    data.dosageForm = codes::CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM::fromCode(data.darreichungsformkodiert);
    data.abgabehinweis = toFhirText(p.abgabehinweis, 0);
    if (newer) {
        data.verschreiberid = toFhirText(p.verschreiberid, 0);
    }
    data.beginofmedication = toFhirText(p.beginofmedication, 0);
    data.endofmedication = toFhirText(p.endofmedication, 0);
    data.kennzeichendosierung = p.kennzeichendosierung;
    data.dosieranweisung = toFhirText(p.dosieranweisung, 0);
    data.anzahlpackungen = toFhirText(p.anzahlpackungen, 0);
    data.gebrauchsanweisung = toFhirText(p.gebrauchsanweisung, 0);
    convertMedications(p, newer, data);
}

}  // namespace

ERezeptData convertERezeptRecord(const ERezeptRecord& record, tevo::ProfileVersion version) {
    const bool newer = version == tevo::ProfileVersion::V1_2;
    ERezeptData data;
    data.person = shared::convertPerson(record.person);
    data.verantwortlichePerson = convertResponsiblePerson(record.verantwortlichePerson);
    data.institution = shared::convertInstitution(record.institution);
    data.insured = shared::convertInsured(record.versicherter);
    fileInsuredNumber(data.insured);
    convertPayer(record.empfaenger, data);
    convertPrescription(record.verordnung, newer, data);
    data.pruefnummer = toFhirText(record.dokumenteninformationen.pruefnummer, 0);
    data.dokumentenid = toFhirText(record.dokumenteninformationen.dokumentenid, 0);
    data.prescriptionid = toFhirText(record.dokumenteninformationen.prescriptionid, 0);
    data.creationTime = currentTimestamp();
    return data;
}

const ERezeptFinishedProductData* presentFinishedProduct(const ERezeptData& data) {
    const auto& product = data.medications.finishedProduct;
    return product && !product->pzn.empty() ? &*product : nullptr;
}

const ERezeptActiveIngredientData* presentActiveIngredient(const ERezeptData& data) {
    const auto& active = data.medications.activeIngredient;
    return active && !active->ingredient.wirkstoffname.empty() ? &*active : nullptr;
}

const ERezeptCompoundingData* presentCompounding(const ERezeptData& data) {
    const auto& compounding = data.medications.compounding;
    return compounding && (!compounding->rezepturname.empty() || !compounding->gesamtmenge.empty()) ? &*compounding
                                                                                                      : nullptr;
}

const ERezeptFreeTextData* presentFreeText(const ERezeptData& data) {
    const auto& freeText = data.medications.freeText;
    return freeText && !freeText->freitextverordnung.empty() ? &*freeText : nullptr;
}

}  // namespace fhir
