// The request bundle: which patient it carries, how the origin and the
// practice number are written, and the cuts of the conversion.
#include <gtest/gtest.h>

#include <string>

#include "conformance/eebSamples.h"
#include "support/CaseName.h"
#include "tevofhir/tevo.h"

namespace {

std::string requestText(EebRecord record) {
    HostString document;
    HostString messages;
    if (TevoCreateEEBAnfrageBundle(&record, &document, &messages) != 0) {
        return "FAILED:" + messages.str();
    }
    return document.str();
}

// The written resource of the given type, from its start tag to its end tag.
std::string resourceOf(const std::string& document, const std::string& type) {
    const std::size_t begin = document.find("<" + type + " ");
    const std::size_t end = document.find("</" + type + ">");
    return begin == std::string::npos || end == std::string::npos ? "" : document.substr(begin, end - begin);
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(EebRequestPatient, KnownByTheInsuranceNumberCarriesNothingElse) {
    const std::string patient = resourceOf(requestText(eebsamples::knownPatient()), "Patient");
    EXPECT_TRUE(contains(patient, "<profile value=\"https://gematik.de/fhir/eeb/StructureDefinition/EEBKnownPatient\"/>"));
    EXPECT_TRUE(contains(patient, "<system value=\"http://fhir.de/sid/gkv/kvid-10\"/>"));
    EXPECT_TRUE(contains(patient, "<value value=\"A123456789\"/>"));
    EXPECT_FALSE(contains(patient, "<name>"));
    EXPECT_FALSE(contains(patient, "<birthDate"));
    EXPECT_FALSE(contains(patient, "<address>"));
}

TEST(EebRequestPatient, WithoutInsuranceNumberIsWrittenInFull) {
    const std::string patient = resourceOf(requestText(eebsamples::fullPatient()), "Patient");
    EXPECT_TRUE(contains(patient, "KBV_PR_FOR_Patient|1.1.0"));
    EXPECT_FALSE(contains(patient, "<identifier>"));
    EXPECT_TRUE(contains(patient, "<family value=\"Graf von M\xC3\xBCller\">"));
    EXPECT_TRUE(contains(patient, "<given value=\"Erika\"/>"));
    EXPECT_TRUE(contains(patient, "<birthDate value=\"1964-08-12\"/>"));
    EXPECT_TRUE(contains(patient, "<line value=\"Domstra\xC3\x9F" "e 7\">"));
    EXPECT_TRUE(contains(patient, "<postalCode value=\"50667\"/>"));
}

TEST(EebRequestPatient, BirthYearZeroIsWrittenAsUnknown) {
    EebRecord record = eebsamples::fullPatient();
    record.geburtsdatum = "0000-05-01";
    const std::string patient = resourceOf(requestText(record), "Patient");
    EXPECT_TRUE(contains(patient, "<birthDate>"));
    EXPECT_TRUE(contains(patient, "<valueCode value=\"unknown\"/>"));
    EXPECT_FALSE(contains(patient, "0000-05-01"));
}

struct OriginCase {
    const char* name;
    const char* oid;
    const char* system;
    const char* display;  // UTF-8
};

const OriginCase kOrigins[] = {
    {"Physician", "1.2.276.0.76.4.30", "PractitionerProfessionOID", "\xC3\x84rztin/Arzt"},
    {"PhysicianPractice", "1.2.276.0.76.4.50", "OrganizationProfessionOID", "Betriebsst\xC3\xA4tte Arzt"},
    {"Paramedic", "1.2.276.0.76.4.178", "PractitionerProfessionOID", "Notfallsanit\xC3\xA4ter/-in"},
    {"DentalPractice", "1.2.276.0.76.4.51", "OrganizationProfessionOID", "Zahnarztpraxis"},
};

class EebRequestOrigin : public testing::TestWithParam<OriginCase> {};

TEST_P(EebRequestOrigin, IsTheEventCodingWithSystemAndDisplay) {
    EebRecord record = eebsamples::fullPatient();
    record.ursprung = GetParam().oid;
    const std::string header = resourceOf(requestText(record), "MessageHeader");
    EXPECT_TRUE(contains(header, std::string("<eventCoding>\n\t\t\t\t\t<system value=\"https://gematik.de/fhir/directory/"
                                             "CodeSystem/") +
                                     GetParam().system + "\"/>\n\t\t\t\t\t<code value=\"" + GetParam().oid +
                                     "\"/>\n\t\t\t\t\t<display value=\"" + GetParam().display + "\"/>"))
        << header;
}

INSTANTIATE_TEST_SUITE_P(Table, EebRequestOrigin, testing::ValuesIn(kOrigins), tevo::test::CaseName());

struct CustodianCase {
    const char* name;
    const char* type;
    const char* identifier;  // system and value as written
};

const CustodianCase kCustodians[] = {
    {"Bsnr", "bsnr", "<system value=\"https://fhir.kbv.de/NamingSystem/KBV_NS_Base_BSNR\"/>"},
    {"Ik", "ik", "<system value=\"http://fhir.de/sid/arge-ik/iknr\"/>"},
    {"KzvBillingNumber", "kzv-abrechnungsnummer", "<system value=\"http://fhir.de/sid/kzbv/kzvabrechnungsnummer\"/>"},
    {"SiteNumber", "snr", "<system value=\"http://fhir.de/sid/dkgev/standortnummer\"/>"},
};

class EebRequestPractice : public testing::TestWithParam<CustodianCase> {};

TEST_P(EebRequestPractice, FilesItsNumberByTheCustodianType) {
    EebRecord record = eebsamples::fullPatient();
    record.custodiantype = GetParam().type;
    record.betriebsstaettennummer = "987654321";
    const std::string practice = resourceOf(requestText(record), "Organization");
    EXPECT_TRUE(contains(practice, std::string(GetParam().identifier) + "\n\t\t\t\t\t<value value=\"987654321\"/>"))
        << practice;
    int numbers = 0;
    for (std::size_t at = practice.find("987654321"); at != std::string::npos; at = practice.find("987654321", at + 1)) {
        ++numbers;
    }
    EXPECT_EQ(numbers, 1);
}

INSTANTIATE_TEST_SUITE_P(Types, EebRequestPractice, testing::ValuesIn(kCustodians), tevo::test::CaseName());

TEST(EebRequestConversion, CutsFieldsSilentlyToTheirMaximum) {
    EebRecord record = eebsamples::fullPatient();
    record.vorname = HostString(std::string(45, 'V') + "WXYZ!");
    record.titel = HostString(std::string(20, 'T') + "ende");
    record.name = HostString(std::string(60, 'P') + "Praxis");
    record.adresse.postleitzahl = "12345678901";
    record.adresse.hausnummer = "1234567890";
    const std::string document = requestText(record);
    EXPECT_TRUE(contains(document, "<given value=\"" + std::string(45, 'V') + "\"/>"));
    EXPECT_TRUE(contains(document, "<prefix value=\"" + std::string(20, 'T') + "\">"));
    EXPECT_TRUE(contains(document, "<name value=\"" + std::string(60, 'P') + "\"/>"));
    EXPECT_TRUE(contains(document, "<postalCode value=\"1234567890\"/>"));
    EXPECT_TRUE(contains(document, "<valueString value=\"123456789\"/>"));
}

TEST(EebRequestConversion, BundleIdIsTheDocumentIdWithoutUrnPrefix) {
    EebRecord record = eebsamples::fullPatient();
    record.dokumentid = " urn:uuid:6b2c9a3e-4f1d-4e2a-9b7c-0d8e5f6a7b8c ";
    const std::string document = requestText(record);
    EXPECT_TRUE(contains(document, "<id value=\"6b2c9a3e-4f1d-4e2a-9b7c-0d8e5f6a7b8c\"/>"));
    EXPECT_TRUE(contains(document, "<value value=\"urn:uuid:6b2c9a3e-4f1d-4e2a-9b7c-0d8e5f6a7b8c\"/>"));
}

}  // namespace
