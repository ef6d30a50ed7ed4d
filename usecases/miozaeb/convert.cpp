#include <initializer_list>
#include <string>
#include <utility>

#include "boundary/FieldConversion.h"
#include "usecases/miozaeb/ZaebData.h"

namespace fhir {
namespace {

// Maximum number of characters per field; 0 converts without cutting.
template <class Block>
using Cuts = std::pair<std::string Block::*, int>;

const Cuts<ZaebAddress> kAddressCuts[] = {
    {&ZaebAddress::postalCode, 10}, {&ZaebAddress::city, 40},     {&ZaebAddress::street, 46},
    {&ZaebAddress::houseNumber, 9}, {&ZaebAddress::addition, 40},
};

const Cuts<ZaebPatient> kPatientCuts[] = {
    {&ZaebPatient::givenName, 45}, {&ZaebPatient::familyName, 0},  {&ZaebPatient::ownName, 45},
    {&ZaebPatient::title, 20},     {&ZaebPatient::nameSuffix, 20}, {&ZaebPatient::prefixWord, 20},
};

const Cuts<ZaebPractice> kPracticeCuts[] = {
    {&ZaebPractice::name, 40}, {&ZaebPractice::phone, 30}, {&ZaebPractice::fax, 30},
    {&ZaebPractice::email, 30}, {&ZaebPractice::url, 30},
};

// The fields taken over as they are: not trimmed and not cut, but still
// turned into UTF-8 without the control characters XML cannot carry, so that
// an umlaut in an id or a code cannot make the document malformed.
template <class Block>
using AsGiven = std::string Block::*;

const AsGiven<ZaebRecord> kRecordAsGiven[] = {
    &ZaebRecord::bundleId, &ZaebRecord::timestamp, &ZaebRecord::gaplessDocumentationDate,
    &ZaebRecord::checkUpDate, &ZaebRecord::checkUpCode,
};
const AsGiven<ZaebPatient> kPatientAsGiven[] = {&ZaebPatient::insuranceNumber, &ZaebPatient::birthDate};
const AsGiven<ZaebPractice> kPracticeAsGiven[] = {
    &ZaebPractice::ikNumber, &ZaebPractice::bsnr, &ZaebPractice::kzvNumber};
const AsGiven<ZaebAddress> kAddressAsGiven[] = {&ZaebAddress::countryCode};

template <class Block, std::size_t N>
void convertFields(Block& block, const Cuts<Block> (&cuts)[N]) {
    for (const auto& [field, maximum] : cuts) {
        block.*field = tevo::toFhirText(block.*field, maximum);
    }
}

template <class Block, std::size_t N>
void convertFields(Block& block, const AsGiven<Block> (&fields)[N]) {
    for (const auto field : fields) {
        block.*field = tevo::toXmlText(block.*field);
    }
}

}  // namespace

ZaebData convertZaebRecord(const ZaebRecord& record) {
    ZaebData data = record;
    convertFields(data, kRecordAsGiven);
    convertFields(data.patient, kPatientCuts);
    convertFields(data.patient, kPatientAsGiven);
    for (ZaebAddress* address : {&data.patient.address, &data.practice.address}) {
        convertFields(*address, kAddressCuts);
        convertFields(*address, kAddressAsGiven);
    }
    convertFields(data.practice, kPracticeCuts);
    convertFields(data.practice, kPracticeAsGiven);
    return data;
}

}  // namespace fhir
