#include "flattext/ZaebKeys.h"

#include <type_traits>
#include <utility>
#include <vector>

#include "flattext/FieldBinding.h"
#include "flattext/FlatText.h"

namespace tevo::flattext {
namespace {

// Every key with the field it fills or is read from, in output order.
// `Record` is ZaebRecord or const ZaebRecord.
template <class Record>
auto keyedFields(Record& r) {
    using Text = std::conditional_t<std::is_const_v<Record>, const std::string, std::string>;
    return std::vector<std::pair<const char*, Text*>>{
        {"gaplessdocumentation.date", &r.gaplessDocumentationDate},
        {"dentalcheckup.effective", &r.checkUpDate},
        {"dentalcheckup.type", &r.checkUpCode},
        {"documentid", &r.bundleId},
        {"timestamp", &r.timestamp},
        {"org.email", &r.practice.email},
        {"org.fax", &r.practice.fax},
        {"org.id.bsnr", &r.practice.bsnr},
        {"org.id.instkz", &r.practice.ikNumber},
        {"org.id.kzvabr", &r.practice.kzvNumber},
        {"org.name", &r.practice.name},
        {"org.phone", &r.practice.phone},
        {"org.url", &r.practice.url},
        {"org.adr.addition", &r.practice.address.addition},
        {"org.adr.city", &r.practice.address.city},
        {"org.adr.country", &r.practice.address.countryCode},
        {"org.adr.number", &r.practice.address.houseNumber},
        {"org.adr.street", &r.practice.address.street},
        {"org.adr.zip", &r.practice.address.postalCode},
        {"pat.gebdat", &r.patient.birthDate},
        {"pat.firstname", &r.patient.givenName},
        {"pat.idgkv", &r.patient.insuranceNumber},
        {"pat.lastname", &r.patient.familyName},
        {"pat.lastnamemain", &r.patient.ownName},
        {"pat.nameadd", &r.patient.nameSuffix},
        {"pat.title", &r.patient.title},
        {"pat.vorsatz", &r.patient.prefixWord},
        {"pat.adr.addition", &r.patient.address.addition},
        {"pat.adr.city", &r.patient.address.city},
        {"pat.adr.country", &r.patient.address.countryCode},
        {"pat.adr.number", &r.patient.address.houseNumber},
        {"pat.adr.street", &r.patient.address.street},
        {"pat.adr.zip", &r.patient.address.postalCode},
    };
}

}  // namespace

ZaebRecord readZaebRecord(const HostString& text) {
    ZaebRecord record;
    FieldBinding binding;
    for (const auto& [key, field] : keyedFields(record)) {
        binding.bindText(key, *field);
    }
    binding.applyAll(text);
    return record;
}

std::string zaebText(const ZaebRecord& record) {
    std::string text;
    for (const auto& [key, field] : keyedFields(record)) {
        if (!field->empty()) {
            appendEntry(text, key, HostString(*field));
        }
    }
    return text;
}

}  // namespace tevo::flattext
