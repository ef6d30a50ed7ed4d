#include "VmcaInput.h"

#include <string>
#include <utility>

#include "flattext/FieldBinding.h"
#include "flattext/PartyKeys.h"

namespace cli {
namespace {

using namespace tevo::flattext;

const std::pair<const char*, TextMember<VmcaRecord>> kRequestFields[] = {
    {"ptv11leistung1", &VmcaRecord::ptv11Leistung1},
    {"ptv11leistung2", &VmcaRecord::ptv11Leistung2},
    {"probatorischeleistung", &VmcaRecord::probatorischeLeistung},
    {"bsnr", &VmcaRecord::bsnr},
    {"fachgebietgrob", &VmcaRecord::fachgebietGrob},
    {"fachgebietfein", &VmcaRecord::fachgebietFein},
    {"facharztgruppe", &VmcaRecord::facharztgruppe},
    {"zusatzbezeichnung", &VmcaRecord::zusatzbezeichnung},
    {"dringlichkeit", &VmcaRecord::dringlichkeit},
    {"ueberweiser.lanr", &VmcaRecord::ueberweiserLanr},
    {"ueberweiser.vorname", &VmcaRecord::ueberweiserVorname},
    {"ueberweiser.nachname", &VmcaRecord::ueberweiserNachname},
};

const std::pair<const char*, FlagMember<VmcaRecord>> kRequestFlags[] = {
    {"isptv11", &VmcaRecord::isPtv11},
    {"withpatient", &VmcaRecord::withPatient},
};

const std::pair<const char*, TextMember<VmcaPatient>> kPatientFields[] = {
    {"gkvversichertennummer", &VmcaPatient::gkvVersichertennummer},
    {"kvkversichertennummer", &VmcaPatient::kvkVersichertennummer},
    {"vorname", &VmcaPatient::vorname},
    {"nachname", &VmcaPatient::nachname},
    {"hauptteilnachname", &VmcaPatient::hauptteilnachname},
    {"titel", &VmcaPatient::titel},
    {"namenszusatz", &VmcaPatient::namenszusatz},
    {"vorsatzwort", &VmcaPatient::vorsatzwort},
    {"geburtsdatum", &VmcaPatient::geburtsdatum},
    {"geschlecht", &VmcaPatient::geschlecht},
    {"telefon1", &VmcaPatient::telefon1},
    {"telefon2", &VmcaPatient::telefon2},
};

}  // namespace

VmcaRecord readVmcaRecord(const HostString& flatText) {
    VmcaRecord record;
    FieldBinding binding;
    bindFlags(binding, "", kRequestFlags, record);
    bindTexts(binding, "", kRequestFields, record);
    bindTexts(binding, "patient.", kPatientFields, record.patient);
    bindStreetAddress(binding, "patient.strassenadresse.", record.patient.strassenadresse);
    bindPostBoxAddress(binding, "patient.postfachanschrift.", record.patient.postfachanschrift);
    binding.applyAll(flatText);
    return record;
}

}  // namespace cli
