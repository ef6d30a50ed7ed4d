#include "usecases/eeb/certificateReading.h"

#include <memory>
#include <vector>

#include "boundary/ResultCode.h"
#include "fhir/CanonicalBase.h"
#include "fhir/XmlReader.h"
#include "fhir/r4/core/v4_0_1/Extension.h"
#include "fhir/r4/gematikeeb/v1_1_0/EEBBescheinigungBundle.h"

namespace fhir::eeb {
namespace {

namespace core = fhir::r4::core::v4_0_1;
using Path = std::vector<std::string>;

const std::string kGerman = base::kGerman;
const std::string kEebProfiles = std::string(base::kGematik) + "/fhir/eeb/StructureDefinition/";
const std::string kHl7Extensions = std::string(base::kHl7) + "/fhir/StructureDefinition/";

// The value of a primitive element; a complex element in its place gives
// nothing.
std::string valueOf(const Element* element) { return element->isPrimitive() ? element->getValue() : std::string(); }

std::string valueAt(const Element& element, const Path& path) { return valueOf(element.getChildByPath(path)); }

std::string urlOf(const Element* element) {
    const auto* extension = dynamic_cast<const core::Extension*>(element);
    return extension ? extension->getUrl() : std::string();
}

// Calls `take` with the url and the element of every extension of `owner`
// (an element, or the holder of a primitive field's extensions).
template <class Take>
void forEachExtension(const Element& owner, const Take& take) {
    for (const Element* extension : owner.getChildren("Element.extension")) {
        take(urlOf(extension), *extension);
    }
}

// The part of a canonical before its version.
std::string withoutVersion(const std::string& canonical) { return canonical.substr(0, canonical.find('|')); }

enum class Part { None, Header, Patient, Coverage };

Part partOf(const Element& resource) {
    for (const Element* profile : resource.getChildByPath({"Resource.meta"})->getChildren("Meta.profile")) {
        const std::string url = withoutVersion(valueOf(profile));
        if (url == kEebProfiles + "EEBBescheinigungHeader") {
            return Part::Header;
        }
        if (url == std::string(base::kKbv) + "/StructureDefinition/KBV_PR_FOR_Patient") {
            return Part::Patient;
        }
        if (url == kEebProfiles + "EEBCoverageEgk" || url == kEebProfiles + "EEBCoverageEgkNoAddressLine" ||
            url == kEebProfiles + "EEBCoverageNoEgk") {
            return Part::Coverage;
        }
    }
    return Part::None;
}

void readHeader(const Element& header, EebCertificate& c) {
    c.eventDisplay = valueAt(header, {"MessageHeader.event", "Coding.display"});
    c.eventCode = valueAt(header, {"MessageHeader.event", "Coding.code"});
    c.endpoint = valueAt(header, {"MessageHeader.source", "MessageHeader.source.endpoint"});
}

// The insurance number by its system: a KVID-10 wins over a health-card number.
void readInsuranceNumber(const Element& patient, EebCertificate& c) {
    std::string kvid;
    std::string cardNumber;
    bool hasKvid = false;
    bool hasCardNumber = false;
    for (const Element* identifier : patient.getChildren("Patient.identifier")) {
        const std::string system = valueAt(*identifier, {"Identifier.system"});
        if (!hasKvid && (system == kGerman + "/sid/gkv/kvid-10" || system == kGerman + "/sid/pkv/kvid-10")) {
            kvid = valueAt(*identifier, {"Identifier.value"});
            hasKvid = true;
        } else if (!hasCardNumber && system == kGerman + "/sid/gkv/kvk-versichertennummer") {
            cardNumber = valueAt(*identifier, {"Identifier.value"});
            hasCardNumber = true;
        }
    }
    if (hasKvid) {
        c.versichertenId = kvid;
        c.versichertenIdTyp = "kvz10";
    } else if (hasCardNumber) {
        c.versichertenId = cardNumber;
        c.versichertenIdTyp = "kvk";
    }
}

void readName(const Element& name, EebCertificate& c) {
    c.titel = valueAt(name, {"HumanName.prefix"});
    c.vorname = valueAt(name, {"HumanName.given"});
    c.nachname = valueAt(name, {"HumanName.family"});
    const std::pair<std::string, std::string EebCertificate::*> kParts[] = {
        {kHl7Extensions + "humanname-own-name", &EebCertificate::hauptteilnachname},
        {kHl7Extensions + "humanname-own-prefix", &EebCertificate::vorsatzwort},
        {kGerman + "/StructureDefinition/humanname-namenszusatz", &EebCertificate::namenszusatz},
    };
    forEachExtension(*name.getChild("HumanName._family"), [&](const std::string& url, const Element& extension) {
        for (const auto& [partUrl, slot] : kParts) {
            if (url == partUrl) {
                c.*slot = valueAt(extension, {"Extension.value"});
            }
        }
    });
}

void readAddress(const Element& address, EebCertificate& c) {
    c.land = valueAt(address, {"Address.country"});
    c.postleitzahl = valueAt(address, {"Address.postalCode"});
    c.ort = valueAt(address, {"Address.city"});
    const std::pair<std::string, std::string EebCertificate::*> kParts[] = {
        {kHl7Extensions + "iso21090-ADXP-streetName", &EebCertificate::strasse},
        {kHl7Extensions + "iso21090-ADXP-houseNumber", &EebCertificate::hausnummer},
        {kHl7Extensions + "iso21090-ADXP-additionalLocator", &EebCertificate::anschriftenzusatz},
    };
    forEachExtension(*address.getChild("Address._line"), [&](const std::string& url, const Element& extension) {
        for (const auto& [partUrl, slot] : kParts) {
            if (url == partUrl) {
                c.*slot = valueAt(extension, {"Extension.value"});
            }
        }
    });
}

void readPatient(const Element& patient, EebCertificate& c) {
    readInsuranceNumber(patient, c);
    readName(*patient.getChild("Patient.name"), c);
    c.geburtsdatum = valueAt(patient, {"Patient.birthDate"});
    readAddress(*patient.getChild("Patient.address"), c);
}

// The co-payment status: the flag only for a "status" reading "true".
void readCoPayment(const Element& extension, EebCertificate& c) {
    forEachExtension(extension, [&](const std::string& url, const Element& part) {
        if (url == "status") {
            c.zuzahlungsstatus = valueAt(part, {"Extension.value"}) == "true";
        } else if (url == "gueltigBis") {
            c.zuzahlungsstatusGueltigBis = valueAt(part, {"Extension.value"});
        }
    });
}

void readCoverageExtensions(const Element& coverage, EebCertificate& c) {
    const std::string gkv = kGerman + "/StructureDefinition/gkv/";
    const std::pair<std::string, std::string EebCertificate::*> kValues[] = {
        {gkv + "version-vsdm", &EebCertificate::versionVsdm},
        {kEebProfiles + "PersoenlicheVersichertendaten", &EebCertificate::persoenlicheVersichertendaten},
        {kEebProfiles + "AllgemeineVersicherungsdaten", &EebCertificate::allgemeineVersicherungsdaten},
        {kEebProfiles + "GeschuetzteVersichertendaten", &EebCertificate::geschuetzteVersichertendaten},
    };
    const std::pair<std::string, std::string EebCertificate::*> kCodes[] = {
        {gkv + "versichertenart", &EebCertificate::versichertenart},
        {gkv + "wop", &EebCertificate::wop},
        {gkv + "besondere-personengruppe", &EebCertificate::besonderePersonengruppe},
    };
    forEachExtension(coverage, [&](const std::string& url, const Element& extension) {
        for (const auto& [valueUrl, slot] : kValues) {
            if (url == valueUrl) {
                c.*slot = valueAt(extension, {"Extension.value"});
            }
        }
        for (const auto& [codeUrl, slot] : kCodes) {
            if (url == codeUrl) {
                c.*slot = valueAt(extension, {"Extension.value", "Coding.code"});
            }
        }
        if (url == gkv + "zuzahlungsstatus") {
            readCoPayment(extension, c);
        }
    });
}

void readCoverage(const Element& coverage, EebCertificate& c) {
    readCoverageExtensions(coverage, c);
    c.versicherungsart = valueAt(coverage, {"Coverage.type", "CodeableConcept.coding", "Coding.code"});
    c.periodStart = valueAt(coverage, {"Coverage.period", "Period.start"});
    c.periodEnd = valueAt(coverage, {"Coverage.period", "Period.end"});
    const Element& payor = *coverage.getChild("Coverage.payor");
    c.payorIk = valueAt(payor, {"Reference.identifier", "Identifier.value"});
    c.payorDisplay = valueAt(payor, {"Reference.display"});
    forEachExtension(payor, [&](const std::string&, const Element& extension) {
        c.abrechnendeIk = valueAt(extension, {"Extension.value", "Identifier.value"});
    });
}

// "Header, Patient, Coverage" for what is missing, in this order.
std::string missingParts(bool header, bool patient, bool coverage) {
    std::string names;
    const std::pair<bool, const char*> kParts[] = {{header, "Header"}, {patient, "Patient"}, {coverage, "Coverage"}};
    for (const auto& [found, name] : kParts) {
        if (!found) {
            names += names.empty() ? name : std::string(", ") + name;
        }
    }
    return names;
}

std::int32_t readBundle(fhir::Wrapper& reader, const xml::Node* root, EebCertificate& c) {
    using fhir::r4::gematikeeb::v1_1_0::EEBBescheinigungBundle;
    const std::unique_ptr<EEBBescheinigungBundle> bundle(EEBBescheinigungBundle::parse(root));
    c.bundleId = valueAt(*bundle, {"Element.id"});
    c.timestamp = valueAt(*bundle, {"Bundle.timestamp"});
    bool header = false;
    bool patient = false;
    bool coverage = false;
    for (const Element* entry : bundle->getChildren("Bundle.entry")) {
        const Element& resource = *entry->getChild("Bundle.entry.resource");
        switch (partOf(resource)) {
            case Part::Header:
                readHeader(resource, c);
                header = true;
                break;
            case Part::Patient:
                readPatient(resource, c);
                patient = true;
                break;
            case Part::Coverage:
                readCoverage(resource, c);
                coverage = true;
                break;
            case Part::None:
                break;
        }
    }
    if (header && patient && coverage) {
        return tevo::result::kOk;
    }
    reader.addMessage(
        HostString("FHIR EEB BescheinigungBundle is incomplete. Missing: " + missingParts(header, patient, coverage)));
    return tevo::result::kDocumentIncomplete;
}

}  // namespace

std::int32_t readCertificate(fhir::Wrapper& reader, const std::string& text, EebCertificate& certificate) {
    if (text.empty()) {
        reader.addMessage(HostString("Input document is empty."));
        return tevo::result::kDocumentIncomplete;
    }
    return xml::guardedRead(reader, [&]() {
        const xml::ParsedDocument document(text);
        if (!document.root()) {
            reader.addMessage(HostString("XML document is empty."));
            return tevo::result::kDocumentIncomplete;
        }
        const xml::Node* root = document.rootNamed("Bundle");
        if (!root) {
            reader.addMessage(HostString("No FHIR Bundle detected."));
            return tevo::result::kDocumentIncomplete;
        }
        return readBundle(reader, root, certificate);
    });
}

}  // namespace fhir::eeb
