// Checks 1-29: document, payer, accident and insurance data.
#include "fhir/r4/codes/Enumerations.h"
#include "usecases/erezept/checksTable.h"

namespace fhir::erezeptchecks {
namespace {

using code = codes::VS_KBV_VS_ERP_Accident_Type;

bool workAccidentOrDisease(const ERezeptData& d) {
    return isOneOf(d.accident, {erezeptcode::kWorkAccident, erezeptcode::kOccupationalDisease});
}
bool accidentOrWorkAccident(const ERezeptData& d) {
    return isOneOf(d.accident, {erezeptcode::kAccident, erezeptcode::kWorkAccident});
}
bool anyAccidentData(const ERezeptData& d) {
    return d.accident != 0 || present(d.unfalltag) || present(d.nameunfallbetrieb);
}
// Rows 15 to 21 are skipped for practice supply without any accident data.
bool accidentChecked(const ERezeptData& d) { return !supply(d) || anyAccidentData(d); }

bool payerTypeNotAccidentInsurance(const ERezeptData& d) {
    return workAccidentOrDisease(d) && !accidentPayer(d);
}
bool accidentInsuranceWithoutWorkAccident(const ERezeptData& d) {
    return !workAccidentOrDisease(d) && accidentPayer(d);
}
bool dayMissing(const ERezeptData& d) {
    return accidentChecked(d) && accidentOrWorkAccident(d) && !present(d.unfalltag);
}
bool dayNotAllowed(const ERezeptData& d) {
    return accidentChecked(d) && !accidentOrWorkAccident(d) && present(d.unfalltag);
}
bool employerMissing(const ERezeptData& d) {
    return accidentChecked(d) && d.accident == erezeptcode::kWorkAccident && !present(d.nameunfallbetrieb);
}
bool employerNotAllowed(const ERezeptData& d) {
    return accidentChecked(d) && d.accident != erezeptcode::kWorkAccident && present(d.nameunfallbetrieb);
}

// The insurance-relationship codes are checked for insured payers outside
// practice supply always, otherwise only when one of them is given.
bool insuranceCodesChecked(const ERezeptData& d) {
    const shared::PayerData& p = d.payer;
    return (insuredPayer(d) && !supply(d)) || p.insuredKind != 0 || p.specialGroup != 0 || p.dmp != 0 ||
           p.legalBasis != 0;
}

}  // namespace

std::vector<RecordCheck> payerChecks() {
    return {
        {1, kBoth, [](const ERezeptData& d) { return statutoryLikePayer(d) && !present(d.pruefnummer); },
         "Die Prüfnummer ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {2, kBoth, [](const ERezeptData& d) { return presentWithBadLength(d.pruefnummer, 6, 17); },
         "Die Prüfnummer ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {3, kBoth, [](const ERezeptData& d) { return !tevo::checkLength(d.prescriptionid, 22, 22); },
         "Die Dokumenten-ID ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {4, kBoth, [](const ERezeptData& d) { return d.payer.payerKind == 0; },
         "Der Kostenträgertyp ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {5, kV110, payerTypeNotAccidentInsurance,
         "Der Kostenträgertyp muss entweder BG oder UK sein. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {5, kV132, payerTypeNotAccidentInsurance, nullptr,
         [](const ERezeptData& d) {
             return "Bei der Angabe " + code::toDisplay(d.accident) +
                    " muss der Kostenträgertyp entweder BG oder UK sein. Bitte prüfen Sie die Angaben zum E-Rezept.";
         }},
        {6, kV110, accidentInsuranceWithoutWorkAccident,
         "Der Kostenträgertyp darf nicht BG oder UK sein. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {6, kV132, accidentInsuranceWithoutWorkAccident,
         "Der Kostenträgertyp darf nicht BG oder UK sein, wenn kein Arbeitsunfall oder Berufskrankheit ausgewählt "
         "ist. Bitte prüfen Sie die Angaben zum E-Rezept.",
         nullptr},
        {7, kBoth, [](const ERezeptData& d) { return insuredPayer(d) && !present(d.payer.ikkrankenkasse); },
         "Das Institutionskennzeichen (IK) der zuständigen Krankenkasse laut der elektronischen Gesundheitskarte "
         "(eGK) ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.",
         nullptr},
        {8, kBoth, [](const ERezeptData& d) { return presentWithBadLength(d.payer.ikkrankenkasse, 9, 9); },
         "Das Institutionskennzeichen (IK) der zuständigen Krankenkasse laut der elektronischen Gesundheitskarte "
         "(eGK) ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.",
         nullptr},
        {9, kBoth,
         [](const ERezeptData& d) { return accidentPayer(d) && !supply(d) && !present(d.payer.ikkostentrager); },
         "Das Institutionskennzeichen (IK) des Kostenträgers fehlt. Bitte wenden Sie sich an die Tevo-Hotline.",
         nullptr},
        {10, kBoth,
         [](const ERezeptData& d) { return !(accidentPayer(d) && !supply(d)) && present(d.payer.ikkostentrager); },
         "Das Institutionskennzeichen (IK) des Kostenträgers darf nur übertragen werden, wenn der Kostenträgertyp BG "
         "oder UK ist. Bitte wenden Sie sich an die Tevo-Hotline.",
         nullptr},
        {11, kBoth, [](const ERezeptData& d) { return presentWithBadLength(d.payer.ikkostentrager, 9, 9); },
         "Das Institutionskennzeichen (IK) des Kostenträgers ist ungültig. Bitte wenden Sie sich an die "
         "Tevo-Hotline.",
         nullptr},
        {12, kBoth, [](const ERezeptData& d) { return !present(d.payer.namekostentraeger); },
         "Der Name des Kostenträgers ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {13, kBoth, [](const ERezeptData& d) { return presentWithBadLength(d.payer.namekostentraeger, 1, 45); },
         "Der Name des Kostenträgers ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {14, kBoth, [](const ERezeptData& d) { return supply(d) && anyAccidentData(d); },
         "Unfallinformationen dürfen bei Verodnungen für Sprechstundenbedarf nicht übertragen werden. Bitte wenden "
         "Sie sich an die Tevo-Hotline.",
         nullptr},
        {15, kV110,
         [](const ERezeptData& d) {
             return accidentChecked(d) && (present(d.unfalltag) || present(d.nameunfallbetrieb)) && d.accident == 0;
         },
         "Das Unfallkennzeichen ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {15, kV132,
         [](const ERezeptData& d) {
             return accidentChecked(d) && (present(d.unfalltag) || present(d.nameunfallbetrieb)) && d.accident == 0;
         },
         "Wenn Unfallinformationen angegeben werden, muss ein Unfallkennzeichen vorhanden sein. Bitte prüfen Sie die "
         "Angaben zum E-Rezept.",
         nullptr},
        {16, kV110, dayMissing,
         "Der Unfalltag ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {16, kV132, dayMissing, nullptr,
         [](const ERezeptData& d) {
             return "Sie haben einen " + code::toDisplay(d.accident) +
                    " ausgewählt, aber keinen Unfalltag eingetragen. Bitte prüfen Sie die Angaben zum E-Rezept.";
         }},
        {17, kV110, dayNotAllowed,
         "Der Unfalltag darf nur bei Unfällen oder Arbeitsunfällen übertragen werden. Bitte wenden Sie sich an die "
         "Tevo-Hotline.",
         nullptr},
        {17, kV132, dayNotAllowed,
         "Der Unfalltag darf nur bei Unfällen oder Arbeitsunfällen übertragen werden. Bitte prüfen Sie die Angaben "
         "zum E-Rezept.",
         nullptr},
        {18, kBoth, [](const ERezeptData& d) { return accidentChecked(d) && presentWithBadLength(d.unfalltag, 4, 10); },
         "Der Unfalltag ist ungültig. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {18, kV132,
         [](const ERezeptData& d) {
             return accidentChecked(d) && present(d.unfalltag) && tevo::checkLength(d.unfalltag, 4, 10) &&
                    d.unfalltag > d.ausstellungsdatum;
         },
         "Der Unfalltag darf nicht nach dem Ausstellungsdatum liegen. Bitte prüfen Sie die Eingaben.", nullptr},
        {19, kV110, employerMissing,
         "Der Name des Unfallbetriebs ist bei Arbeitsunfällen pflicht. Bitte wenden Sie sich an die Tevo-Hotline.",
         nullptr},
        {19, kV132, employerMissing,
         "Der Name des Unfallbetriebs ist bei Arbeitsunfällen pflicht. Bitte prüfen Sie die Angaben zum E-Rezept.",
         nullptr},
        {20, kV110, employerNotAllowed,
         "Der Name des Unfallbetriebs darf nur bei Arbeitsunfällen übertragen werden. Bitte wenden Sie sich an die "
         "Tevo-Hotline.",
         nullptr},
        {20, kV132, employerNotAllowed,
         "Der Name des Unfallbetriebs darf nur bei Arbeitsunfällen übertragen werden. Bitte prüfen Sie die Angaben "
         "zum E-Rezept.",
         nullptr},
        {21, kBoth,
         [](const ERezeptData& d) { return accidentChecked(d) && presentWithBadLength(d.nameunfallbetrieb, 1, 45); },
         "Der Name des Unfallbetriebs ist zu lang. Es dürfen maximal 45 Zeichen verwendet werden. Bitte prüfen Sie "
         "die Eingaben.",
         nullptr},
        {22, kBoth, [](const ERezeptData& d) { return statutoryLikePayer(d) && !supply(d) && d.coPayment == 0; },
         "Der Zuzahlungsstatus ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {23, kBoth, [](const ERezeptData& d) { return supply(d) && d.coPayment != 0; },
         "Der Zuzahlungsstatus darf bei Verordnungen für Sprechstundenbedarf nicht übertragen werden. Bitte wenden "
         "Sie sich an die Tevo-Hotline.",
         nullptr},
        {24, kBoth, [](const ERezeptData& d) { return d.payer.payerKind != payer::kPkv && d.pkvTariff != 0; },
         "Die PKV-Tarifart darf nur bei PKV Kostenträgen übertragen werden. Bitte wenden Sie sich an die "
         "Tevo-Hotline.",
         nullptr},
        {25, kBoth, [](const ERezeptData& d) { return insuranceCodesChecked(d) && d.payer.insuredKind == 0; },
         "Die Versichertenart ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {26, kBoth, [](const ERezeptData& d) { return insuranceCodesChecked(d) && d.payer.specialGroup == 0; },
         "Die besondere Personengruppe ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {27, kBoth, [](const ERezeptData& d) { return insuranceCodesChecked(d) && d.payer.dmp == 0; },
         "Das DMP Kennzeichen ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.", nullptr},
        {28, kBoth, [](const ERezeptData& d) { return insuranceCodesChecked(d) && d.payer.legalBasis == 0; },
         "Das Kennzeichen der Rechtsgrundlage ist nicht vorhanden. Bitte wenden Sie sich an die Tevo-Hotline.",
         nullptr},
        {29, kBoth, [](const ERezeptData& d) { return presentWithBadLength(d.insured.versicherungsschutzende, 8, 10); },
         "Das Ende des Versicherungsschutz ist ungültig. Bitte prüfen Sie die Eingaben zum Versicherungsverhältnis.",
         nullptr},
    };
}

}  // namespace fhir::erezeptchecks
