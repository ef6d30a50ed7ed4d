#include "usecases/miozaeb/mioZaeb1_0_1_Extractor.h"

#include <string>
#include <utility>

#include "boundary/ResultCode.h"
#include "fhir/CanonicalBase.h"
#include "fhir/XmlReader.h"

namespace fhir {
namespace {

using xml::Node;

const std::string kGaplessDocumentationProfile =
    std::string(base::kKbv) + "/StructureDefinition/KBV_PR_MIO_ZAEB_Observation_Gapless_Documentation|1.1.0";
const std::string kDentalCheckUpProfile =
    std::string(base::kKbv) + "/StructureDefinition/KBV_PR_MIO_ZAEB_Observation_Dental_Check_Up|1.1.0";

// Calls `visit` for every child element of `node` with the given name.
template <class Visit>
void forEachChild(const Node* node, const char* name, Visit visit) {
    for (const Node* child = xml::firstChildElement(node, name); child; child = xml::nextSiblingElement(child, name)) {
        visit(child);
    }
}

// Fills the first field whose key equals `key`; a field keeps the first
// value found for it.
template <class Field, std::size_t N>
void fillByKey(const std::pair<std::string, Field> (&fields)[N], const std::string& key, const std::string& value) {
    for (const auto& [candidate, field] : fields) {
        if (candidate == key && field->empty()) {
            *field = value;
            return;
        }
    }
}

// The valueString of every extension of `node` whose url has a field.
template <std::size_t N>
void readExtensions(const Node* node, const std::pair<std::string, std::string*> (&fields)[N]) {
    forEachChild(node, "extension", [&](const Node* extension) {
        fillByKey(fields, xml::attributeValue(extension, "url"), xml::childValue(extension, "valueString"));
    });
}

void readAddress(const Node* address, ZaebAddress& target) {
    target.city = xml::childValue(address, "city");
    target.countryCode = xml::childValue(address, "country");
    target.postalCode = xml::childValue(address, "postalCode");
    const std::string hl7 = std::string(base::kCoreDefinitions) + "iso21090-ADXP-";
    const std::pair<std::string, std::string*> kParts[] = {
        {hl7 + "streetName", &target.street},
        {hl7 + "houseNumber", &target.houseNumber},
        {hl7 + "additionalLocator", &target.addition},
    };
    forEachChild(address, "line", [&](const Node* line) { readExtensions(line, kParts); });
    const std::string line = xml::childValue(address, "line");
    // Without address parts the line says "street house-number". A line that
    // shows only the address addition (as our own documents write an address
    // without street and house number) holds neither.
    if (target.street.empty() && target.houseNumber.empty() && line != target.addition) {
        const std::size_t blank = line.rfind(' ');
        target.street = blank == std::string::npos ? line : line.substr(0, blank);
        target.houseNumber = blank == std::string::npos ? std::string() : line.substr(blank + 1);
    }
}

ZaebPractice readPractice(const Node* organization) {
    ZaebPractice practice;
    practice.kzvNumber = xml::childValue(xml::firstChildElement(organization, "identifier"), "value");
    practice.name = xml::childValue(organization, "name");
    const std::pair<std::string, std::string*> kChannels[] = {
        {"phone", &practice.phone},
        {"email", &practice.email},
        {"fax", &practice.fax},
        {"url", &practice.url},
    };
    forEachChild(organization, "telecom", [&](const Node* telecom) {
        fillByKey(kChannels, xml::childValue(telecom, "system"), xml::childValue(telecom, "value"));
    });
    readAddress(xml::firstChildElement(organization, "address"), practice.address);
    return practice;
}

ZaebPatient readPatient(const Node* resource) {
    ZaebPatient patient;
    patient.birthDate = xml::childValue(resource, "birthDate");
    patient.insuranceNumber = xml::childValue(xml::firstChildElement(resource, "identifier"), "value");
    const Node* name = xml::firstChildElement(resource, "name");
    patient.givenName = xml::childValue(name, "given");
    patient.familyName = xml::childValue(name, "family");
    patient.title = xml::childValue(name, "prefix");
    const std::string hl7 = std::string(base::kCoreDefinitions) + "humanname-";
    const std::pair<std::string, std::string*> kFamilyParts[] = {
        {std::string(base::kGerman) + "/StructureDefinition/humanname-namenszusatz", &patient.nameSuffix},
        {hl7 + "own-name", &patient.ownName},
        {hl7 + "own-prefix", &patient.prefixWord},
    };
    readExtensions(xml::firstChildElement(name, "family"), kFamilyParts);
    readAddress(xml::firstChildElement(resource, "address"), patient.address);
    return patient;
}

bool hasProfile(const Node* meta, const std::string& canonical) {
    for (const Node* profile = xml::firstChildElement(meta, "profile"); profile;
         profile = xml::nextSiblingElement(profile, "profile")) {
        if (xml::attributeValue(profile, "value") == canonical) {
            return true;
        }
    }
    return false;
}

// The entries' dates, or the date and code, by the observation's profile.
void readObservation(const Node* observation, ZaebRecord& record) {
    const Node* meta = xml::firstChildElement(observation, "meta");
    if (hasProfile(meta, kGaplessDocumentationProfile)) {
        record.gaplessDocumentationDate = xml::childValue(observation, "valueDateTime");
    } else if (hasProfile(meta, kDentalCheckUpProfile)) {
        record.checkUpDate = xml::childValue(observation, "effectiveDateTime");
        const Node* coding = xml::firstChildElement(xml::firstChildElement(observation, "code"), "coding");
        record.checkUpCode = xml::childValue(coding, "code");
    }
}

struct Parts {
    bool practice = false;
    bool patient = false;
    bool observation = false;

    // "Organization, Patient, Observation" for the parts not found.
    std::string missing() const {
        std::string list;
        for (const auto& [found, name] : {std::pair{practice, "Organization"}, std::pair{patient, "Patient"},
                                          std::pair{observation, "Observation"}}) {
            if (!found) {
                list += list.empty() ? name : std::string(", ") + name;
            }
        }
        return list;
    }
};

}  // namespace

std::int32_t mioZaeb1_0_1_Extractor::read(const std::string& text, ZaebRecord& record) {
    messages_.RemoveAll();
    if (text.empty()) {
        addMessage(HostString("Input document is empty."));
        return tevo::result::kDocumentIncomplete;
    }
    return xml::guardedRead(*this, [&]() {
        const xml::ParsedDocument document(text);
        if (!document.root()) {
            addMessage(HostString("XML document is empty."));
            return tevo::result::kDocumentIncomplete;
        }
        const Node* bundle = document.rootNamed("Bundle");
        if (!bundle) {
            addMessage(HostString("No FHIR Bundle detected."));
            return tevo::result::kDocumentIncomplete;
        }
        record.timestamp = xml::childValue(bundle, "timestamp");
        record.bundleId = xml::childValue(bundle, "id");
        Parts found;
        ZaebPractice practice;
        ZaebPatient patient;
        forEachChild(bundle, "entry", [&](const Node* entry) {
            const Node* resource = xml::firstChildElement(xml::firstChildElement(entry, "resource"));
            if (xml::hasName(resource, "Organization") && !found.practice) {
                found.practice = true;
                practice = readPractice(resource);
            } else if (xml::hasName(resource, "Patient") && !found.patient) {
                found.patient = true;
                patient = readPatient(resource);
            } else if (xml::hasName(resource, "Observation") && xml::firstChildElement(resource, "meta")) {
                found.observation = true;
                readObservation(resource, record);
            }
        });
        record.practice = practice;
        record.patient = patient;
        const std::string missing = found.missing();
        if (!missing.empty()) {
            addMessage(HostString("FHIR MIO ZAEB Bundle is incomplete. Missing: " + missing));
            return tevo::result::kDocumentIncomplete;
        }
        return tevo::result::kOk;
    });
}

}  // namespace fhir
