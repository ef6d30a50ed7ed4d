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

template <class Block, std::size_t N>
void convertFields(Block& block, const Cuts<Block> (&cuts)[N]) {
    for (const auto& [field, maximum] : cuts) {
        block.*field = tevo::toFhirText(block.*field, maximum);
    }
}

}  // namespace

ZaebData convertZaebRecord(const ZaebRecord& record) {
    ZaebData data = record;
    convertFields(data.patient, kPatientCuts);
    convertFields(data.patient.address, kAddressCuts);
    convertFields(data.practice, kPracticeCuts);
    convertFields(data.practice.address, kAddressCuts);
    return data;
}

}  // namespace fhir
