#include "usecases/shared/convertParty.h"

#include <utility>

#include "fhir/r4/codes/Enumerations.h"

namespace fhir::shared {

int qualificationOf(const std::string& code) { return codes::CS_KBV_CS_FOR_Qualification_Type::fromCode(code); }

void routeInstitutionNumber(InstitutionData& institution) {
    static const std::pair<const char*, std::string InstitutionData::*> kSlots[] = {
        {"bsnr", &InstitutionData::bsnr},
        {"ik", &InstitutionData::ik},
        {"kzv-abrechnungsnummer", &InstitutionData::kzvAbrechnungsnummer},
        {"snr", &InstitutionData::standortnummer},
    };
    for (const auto& [kind, slot] : kSlots) {
        if (institution.custodiantype == kind) {
            institution.*slot = institution.betriebsstaettennummer;
            return;
        }
    }
}

void derivePayerCodes(PayerData& payer) {
    payer.payerKind = codes::VS_KBV_VS_FOR_Payor_type::fromCode(payer.kostentraegertyp);
    payer.insuredKind = codes::CS_KBV_CS_SFHIR_KBV_VERSICHERTENSTATUS::fromCode(payer.versichertenart);
    payer.specialGroup = codes::CS_KBV_CS_SFHIR_KBV_PERSONENGRUPPE::fromCode(payer.besonderepersonengruppe);
    payer.dmp = codes::CS_KBV_CS_SFHIR_KBV_DMP::fromCode(payer.dmpkennzeichen);
    payer.legalBasis = codes::CS_KBV_CS_SFHIR_KBV_STATUSKENNZEICHEN::fromCode(payer.kennzeichenrechtsgrundlage);
    payer.wopCode = codes::CS_KBV_CS_SFHIR_ITA_WOP::fromCode(payer.wop);
    payer.asvCase = payer.kennzeichenrechtsgrundlage == "01" || payer.kennzeichenrechtsgrundlage == "11";
}

std::string lowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

}  // namespace fhir::shared
