// The prescription after conversion: every text trimmed, cut to its maximum
// and converted to UTF-8, every code as the member number of its enumeration
// (0 = EMPTY: absent or not in the table). One layout serves both profile
// versions; the 1.1.0 conversion leaves the fields of 1.3.2 empty.
//   accident        VS_KBV_VS_ERP_Accident_Type          "1" 1, "2" 2, "4" 3
//   coPayment       VS_KBV_VS_ERP_StatusCoPayment         "0" 1 .. "2" 3
//   pkvTariff       CS_KBV_CS_SFHIR_KBV_PKV_TARIFF        "01" 1 .. "04" 4
//   category        CS_KBV_CS_ERP_Medication_Category     "00" 1 .. "03" 4
//   packageSize     CS_KBV_CS_SFHIR_KBV_NORMGROESSE       "KA" 1 .. "Sonstiges" 7
//   dosageForm      CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM  "AEO" 1 .. "---" 280
// The parties' codes are listed in usecases/shared/PartyData.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "usecases/shared/PartyData.h"

namespace fhir {

namespace erezeptcode {
constexpr int kAccident = 1;  // Unfall
constexpr int kWorkAccident = 2;  // Arbeitsunfall
constexpr int kOccupationalDisease = 3;  // Berufskrankheit
}  // namespace erezeptcode

// The package size of a finished product or an active ingredient.
struct ERezeptPackageData {
    std::string packungsgroessen;
    std::string menge;
    std::string einheit;
    int packageSize = 0;
};

struct ERezeptIngredientData {
    std::string wirkstoffnummer;
    std::string wirkstoffname;
    std::string wirkstaerke;
    std::string wirkstaerkeneinheit;
    std::string bezugsmenge;
    std::string bezugsmengeneinheit;
};

struct ERezeptComponentData {
    std::string name;
    std::string pzn;
    std::string darreichungsform;
    std::string menge;
    std::string einheit;
    std::string mengeundeinheit;
};

struct ERezeptFinishedProductData {
    int category = 0;
    std::string darreichungsformkodiert;
    int dosageForm = 0;
    ERezeptPackageData package;
    std::string pzn;
    std::string handelsname;
    std::vector<ERezeptIngredientData> wirkstoffe;  // 1.3.2
};

struct ERezeptActiveIngredientData {
    int category = 0;
    std::string darreichungsformfreitext;
    ERezeptPackageData package;
    ERezeptIngredientData ingredient;  // reference quantity only in 1.3.2
};

struct ERezeptCompoundingData {
    int category = 0;
    std::string darreichungsformfreitext;
    std::string rezepturname;
    std::string gesamtmenge;
    std::string gesamtmengeneinheit;
    std::string herstellungsanweisung;
    std::string verpackung;
    std::vector<ERezeptComponentData> bestandteile;
};

struct ERezeptFreeTextData {
    int category = 0;
    std::string darreichungsformfreitext;
    std::string freitextverordnung;
};

// Every medication object exists when one of its own fields holds something.
struct ERezeptMedications {
    std::optional<ERezeptFinishedProductData> finishedProduct;
    std::optional<ERezeptActiveIngredientData> activeIngredient;
    std::optional<ERezeptCompoundingData> compounding;
    std::optional<ERezeptFreeTextData> freeText;
};

struct ERezeptData {
    bool sprechstundenbedarf = false;  // practice supply

    // dokumenteninformationen
    std::string pruefnummer;
    std::string dokumentenid;
    std::string prescriptionid;

    // empfaenger and versicherter
    shared::PayerData payer;
    std::string unfallkennzeichen;
    std::string unfalltag;
    std::string nameunfallbetrieb;
    std::string zuzahlungsstatus;
    std::string pkvtarifart;
    int accident = 0;
    int coPayment = 0;
    int pkvTariff = 0;
    shared::InsuredData insured;  // gkvNummer or pkvNummer filled

    shared::PersonData person;  // prescribing person
    shared::PersonData verantwortlichePerson;  // its ASV numbers are not read
    shared::InstitutionData institution;

    // verordnung
    std::string ausstellungsdatum;
    std::string kategorie;
    bool noctucitu = false;
    bool impfstoff = false;
    bool bvg = false;
    bool kennzeichenmehrfachverordnung = false;
    int zaehlermehrfachverordnung = 0;
    double nennermehrfachverordnung = 0.0;
    std::string beginnmehrfachverordnung;
    std::string endemehrfachverordnung;
    std::string idmehrfachverordnung;
    bool autidem = false;
    std::string darreichungsformkodiert;  // also held by the finished product
    int dosageForm = 0;
    std::string abgabehinweis;
    std::string verschreiberid;  // 1.3.2
    std::string beginofmedication;
    std::string endofmedication;
    bool kennzeichendosierung = false;
    std::string dosieranweisung;
    std::string anzahlpackungen;
    std::string gebrauchsanweisung;
    ERezeptMedications medications;

    std::string creationTime;  // "%Y-%m-%dT%H:%M:%SZ", taken once per call
};

// The medication objects as the checks and the builders count them: a
// finished product with a PZN, an active ingredient with a name, a
// compounding with a name or a total quantity, a free text with its text.
const ERezeptFinishedProductData* presentFinishedProduct(const ERezeptData& data);
const ERezeptActiveIngredientData* presentActiveIngredient(const ERezeptData& data);
const ERezeptCompoundingData* presentCompounding(const ERezeptData& data);
const ERezeptFreeTextData* presentFreeText(const ERezeptData& data);

}  // namespace fhir
