#include "VmcaInput.h"

#include <string>
#include <utility>

#include "flattext/FieldBinding.h"

namespace cli {
namespace {

using tevo::flattext::FieldBinding;

template <class Record>
using TextFields = std::initializer_list<std::pair<const char*, HostString Record::*>>;

template <class Record>
void bindTexts(FieldBinding& binding, const std::string& prefix, TextFields<Record> fields, Record& record) {
    for (const auto& [name, member] : fields) {
        binding.bindText(prefix + name, record.*member);
    }
}

void bindRequest(FieldBinding& binding, VmcaRecord& r) {
    binding.bindFlag("isptv11", r.isPtv11);
    binding.bindFlag("withpatient", r.withPatient);
    bindTexts<VmcaRecord>(binding, "",
                          {{"ptv11leistung1", &VmcaRecord::ptv11Leistung1},
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
                           {"ueberweiser.nachname", &VmcaRecord::ueberweiserNachname}},
                          r);
}

void bindPatient(FieldBinding& binding, VmcaPatient& p) {
    bindTexts<VmcaPatient>(binding, "patient.",
                           {{"gkvversichertennummer", &VmcaPatient::gkvVersichertennummer},
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
                            {"telefon2", &VmcaPatient::telefon2}},
                           p);
    bindTexts<VmcaStreetAddress>(binding, "patient.strassenadresse.",
                                 {{"wohnsitzlaendercode", &VmcaStreetAddress::wohnsitzlaendercode},
                                  {"postleitzahl", &VmcaStreetAddress::postleitzahl},
                                  {"ortsname", &VmcaStreetAddress::ortsname},
                                  {"strassenname", &VmcaStreetAddress::strassenname},
                                  {"hausnummer", &VmcaStreetAddress::hausnummer},
                                  {"anschriftenzusatz", &VmcaStreetAddress::anschriftenzusatz}},
                                 p.strassenadresse);
    bindTexts<VmcaPostBoxAddress>(binding, "patient.postfachanschrift.",
                                  {{"wohnsitzlaendercode", &VmcaPostBoxAddress::wohnsitzlaendercode},
                                   {"postleitzahl", &VmcaPostBoxAddress::postleitzahl},
                                   {"ortsname", &VmcaPostBoxAddress::ortsname},
                                   {"postfach", &VmcaPostBoxAddress::postfach}},
                                  p.postfachanschrift);
}

}  // namespace

VmcaRecord readVmcaRecord(const HostString& flatText) {
    VmcaRecord record;
    FieldBinding binding;
    bindRequest(binding, record);
    bindPatient(binding, record.patient);
    binding.applyAll(flatText);
    return record;
}

}  // namespace cli
