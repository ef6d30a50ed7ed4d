#include <string>

#include "fhir/CanonicalBase.h"
#include "fhir/primitives.h"
#include "fhir/r4/codes/Enumerations.h"
#include "fhir/r4/core/v4_0_1/Coding.h"
#include "usecases/shared/Elements.h"
#include "usecases/vmca/vmcaBuilders.h"
#include "usecases/vmca/vmcaIdentifier.h"

namespace fhir::vmca {
namespace {

using shared::newCoding;

std::string kbv(const char* path) { return std::string(base::kKbv) + path; }

core::Parameters_parameter* newParameter(const char* name) {
    auto* parameter = new core::Parameters_parameter();
    parameter->addName(new f_string(name));
    return parameter;
}

void addCoding(core::Parameters& request, const char* name, const std::string& system, const std::string& code) {
    core::Parameters_parameter* parameter = newParameter(name);
    parameter->addValue(newCoding(system, code));
    request.addParameter(parameter);
}

// A service feature whose code is written as the host gives it.
void addFeature(core::Parameters& request, const char* systemPath, const std::string& code) {
    if (!code.empty()) {
        addCoding(request, "leistungsmerkmale", kbv(systemPath), code);
    }
}

// A service feature from a code list: a text outside the list is written as
// the code "EMPTY".
template <class Enum>
void addListedFeature(core::Parameters& request, const std::string& text) {
    if (!text.empty()) {
        addCoding(request, "leistungsmerkmale", Enum::toSystem(), Enum::toCode(Enum::fromCode(text)));
    }
}

void addUrgency(core::Parameters& request, const std::string& text) {
    using Urgency = codes::VS_KBV_VS_116117_TERMINSERVICE_VCA_Urgency;
    if (!text.empty()) {
        addCoding(request, "dringlichkeit", kbv("/ValueSet/KBV_VS_116117_TERMINSERVICE_VCA_Urgency"),
                  Urgency::toCode(Urgency::fromCode(text)));
    }
}

void addPracticeNumber(core::Parameters& request, const std::string& bsnr) {
    if (bsnr.empty()) {
        return;
    }
    static const std::string kTypeSystem = std::string(base::kHl7Terminology) + "/CodeSystem/v2-0203";
    static const std::string kTypeCode = "BSNR";
    core::Parameters_parameter* parameter = newParameter("bsnr");
    parameter->addValue(newTypedIdentifier({kTypeSystem, kTypeCode, "Primary physician office number"},
                                           kbv("/NamingSystem/KBV_NS_Base_BSNR"), bsnr));
    request.addParameter(parameter);
}

void addResource(core::Parameters& request, const char* name, core::Resource* resource) {
    core::Parameters_parameter* parameter = newParameter(name);
    parameter->addResource(resource);
    request.addParameter(parameter);
}

}  // namespace

std::unique_ptr<core::Parameters> buildRequest(const VmcaData& data) {
    using namespace codes;
    auto request = std::make_unique<core::Parameters>();
    addFeature(*request, "/CodeSystem/KBV_CS_SFHIR_BAS_FACHGEBIET_GROB", data.fachgebietGrob);
    addFeature(*request, "/CodeSystem/KBV_CS_SFHIR_BAS_FACHGEBIET_FEIN", data.fachgebietFein);
    addListedFeature<CS_KBV_CS_SFHIR_BAR2_WBO>(*request, data.facharztgruppe);
    addListedFeature<CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG>(*request, data.zusatzbezeichnung);
    addListedFeature<CS_KBV_CS_116117_TERMINSERVICE_VCA_PTV11_Services>(*request, data.ptv11Leistung1);
    addListedFeature<CS_KBV_CS_116117_TERMINSERVICE_VCA_PTV11_Services>(*request, data.ptv11Leistung2);
    addListedFeature<CS_KBV_CS_116117_TERMINSERVICE_VCA_Probatory_Services>(*request, data.probatorischeLeistung);
    addUrgency(*request, data.dringlichkeit);
    addPracticeNumber(*request, data.bsnr);
    addResource(*request, "ueberweisenderArzt", buildReferrer(data));
    if (data.withPatient) {
        addResource(*request, "patient", buildPatient(data.patient));
    }
    return request;
}

}  // namespace fhir::vmca
