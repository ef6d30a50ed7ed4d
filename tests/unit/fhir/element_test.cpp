#include "fhir/Element.h"

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/Extension.h"
#include "fhir/r4/core/v4_0_1/Identifier.h"
#include "fhir/r4/core/v4_0_1/Patient.h"

namespace {

using fhir::r4::core::v4_0_1::Extension;
using fhir::r4::core::v4_0_1::Patient;

std::vector<std::pair<std::string, int>> keysOf(const fhir::Element& element) {
    std::vector<std::pair<std::string, int>> keys;
    for (const fhir::ChildEntry entry : element.childStore()) {
        keys.emplace_back(entry.key().name, entry.key().order);
    }
    return keys;
}

// Counts destructor calls so teardown can be observed.
class CountedElement : public fhir::f_string {
public:
    explicit CountedElement(int& counter) : fhir::f_string("x"), counter_(counter) {}
    ~CountedElement() override { ++counter_; }

private:
    int& counter_;
};

TEST(Element, LookupsThatFindNothingGiveTheEmptyElement) {
    Patient patient;
    const fhir::Element* missing = patient.getChild("Patient.name");
    EXPECT_EQ(missing, &fhir::emptyElement());
    EXPECT_EQ(missing->getValue(), "");
    EXPECT_TRUE(missing->isPrimitive());
    EXPECT_EQ(patient.getChildByPath({"Patient.name", "HumanName.family"}), &fhir::emptyElement());
    EXPECT_EQ(patient.getValueByPath({"Patient.name", "HumanName.family"}, false), "");
    EXPECT_TRUE(patient.getChildren("Patient.name").empty());
    EXPECT_EQ(patient.getChildByPath({}), &patient);
}

TEST(Element, FullUrlUsesTheFirstId) {
    Patient patient;
    EXPECT_EQ(patient.getFullUrl(), "urn:uuid:");
    patient.setId(new fhir::f_string("abc"));
    patient.setId(new fhir::f_string("def"));
    EXPECT_EQ(patient.getFullUrl(), "urn:uuid:abc");
    EXPECT_EQ(fhir::emptyElement().getFullUrl(), "");
}

TEST(Element, RepeatedAdderAppendsAndGetChildGivesTheFirst) {
    Patient patient;
    auto* first = new fhir::f_code("female");
    patient.addGender(first);
    patient.addGender(new fhir::f_code("male"));
    EXPECT_EQ(patient.getChildren("Patient.gender").size(), 2u);
    EXPECT_EQ(patient.getChild("Patient.gender"), first);
    EXPECT_EQ(keysOf(patient), (std::vector<std::pair<std::string, int>>{{"gender", 15}}));
}

TEST(Element, ExtensionsTakeOrdersThreeToNineBeforeOwnFields) {
    Patient patient;
    patient.addGender(new fhir::f_code("other"));
    for (int i = 0; i < 9; ++i) {
        patient.addExtension(new Extension());
    }
    const auto keys = keysOf(patient);
    ASSERT_EQ(keys.size(), 8u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(keys[static_cast<std::size_t>(i)], std::make_pair(std::string("extension"), 3 + i));
    }
    // The eighth and ninth join the list of the seventh, still before gender.
    std::vector<std::size_t> sizes;
    for (const fhir::ChildEntry entry : patient.childStore()) {
        sizes.push_back(entry.size());
    }
    EXPECT_EQ(sizes, (std::vector<std::size_t>{1, 1, 1, 1, 1, 1, 3, 1}));
    EXPECT_EQ(keys.back(), std::make_pair(std::string("gender"), 15));
    EXPECT_EQ(patient.getChildren("Element.extension").size(), 9u);
}

TEST(Element, KeysWithTheSameOrderShareTheFirstKeysName) {
    Extension extension;
    extension.addExtension(new Extension());                     // order 3
    extension.addExtension(new Extension());                     // order 4
    extension.setValue(new fhir::f_date("20240101"));            // valueDate, order 3
    const auto keys = keysOf(extension);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0], std::make_pair(std::string("extension"), 3));
    EXPECT_EQ((*extension.childStore().begin()).size(), 2u);
    EXPECT_EQ(extension.getChildren("Extension.value").size(), 1u);
}

TEST(Element, LookupsKeepFilingOrderAcrossChoiceVariants) {
    Patient patient;
    auto* dateTime = new fhir::f_dateTime("20240101");
    auto* flag = new fhir::f_boolean(true);
    patient.addDeceased(dateTime);  // order 20, filed first
    patient.addDeceased(flag);      // order 19
    EXPECT_EQ(patient.getChild("Patient.deceased"), dateTime);
    EXPECT_EQ(patient.getChildren("Patient.deceased"), (fhir::Element::ChildList{dateTime, flag}));
    EXPECT_EQ(keysOf(patient),
              (std::vector<std::pair<std::string, int>>{{"deceasedBoolean", 19}, {"deceasedDateTime", 20}}));
}

// Many more children than the element keeps inline, filed against the order
// of their fields: the store stays sorted, lookups stay in filing order.
TEST(Element, ManyChildrenFiledOutOfOrder) {
    Patient patient;
    std::vector<fhir::Element*> identifiers;
    std::vector<fhir::Element*> genders;
    for (int i = 0; i < 40; ++i) {
        auto* gender = new fhir::f_code(std::to_string(i));
        patient.addGender(gender);  // order 15
        genders.push_back(gender);
        auto* identifier = new fhir::r4::core::v4_0_1::Identifier();
        patient.addIdentifier(identifier);  // order 10
        identifiers.push_back(identifier);
        patient.addExtension(new Extension());
    }
    patient.setId(new fhir::f_string("last"));
    EXPECT_EQ(patient.getChildren("Patient.identifier"), identifiers);
    EXPECT_EQ(patient.getChildren("Patient.gender"), genders);
    EXPECT_EQ(patient.getChild("Patient.gender"), genders.front());
    EXPECT_EQ(patient.getChildren("Element.extension").size(), 40u);
    EXPECT_EQ(patient.getFullUrl(), "urn:uuid:last");

    std::vector<int> orders;
    std::vector<std::size_t> sizes;
    for (const fhir::ChildEntry entry : patient.childStore()) {
        orders.push_back(entry.key().order);
        sizes.push_back(entry.size());
    }
    EXPECT_EQ(orders, (std::vector<int>{1, 3, 4, 5, 6, 7, 8, 9, 10, 15}));
    EXPECT_EQ(sizes, (std::vector<std::size_t>{1, 1, 1, 1, 1, 1, 1, 34, 40, 40}));
    const fhir::ChildEntry lastEntry = *std::next(patient.childStore().begin(), 9);
    for (std::size_t i = 0; i < lastEntry.size(); ++i) {
        EXPECT_EQ(lastEntry[i], genders[i]);
    }
}

TEST(Element, HolderCollectsAllExtensionsOfAField) {
    Patient patient;
    patient.add_gender(new Extension());
    patient.add_gender(new Extension());
    patient.add_gender(nullptr);
    const auto holders = patient.getChildren("Patient._gender");
    ASSERT_EQ(holders.size(), 1u);
    EXPECT_EQ(holders.front()->getChildren("Element.extension").size(), 2u);
    EXPECT_EQ(keysOf(patient), (std::vector<std::pair<std::string, int>>{{"_gender", 16}}));
}

TEST(Element, NullChildIsIgnoredByAdders) {
    Patient patient;
    patient.addGender(nullptr);
    patient.addExtension(nullptr);
    EXPECT_FALSE(patient.hasChildren());
}

TEST(Element, DeletingTheRootDeletesEveryDescendantOnce) {
    int deleted = 0;
    constexpr int kWidth = 200;
    constexpr int kDepth = 50;
    {
        auto root = std::make_unique<Patient>();
        for (int i = 0; i < kWidth; ++i) {
            auto* extension = new Extension();
            fhir::Element* level = extension;
            for (int d = 0; d < kDepth; ++d) {
                auto* nested = new Extension();
                nested->setValue(new CountedElement(deleted));
                static_cast<Extension*>(level)->addExtension(nested);
                level = nested;
            }
            root->add_birthDate(extension);
            root->setId(new CountedElement(deleted));
        }
    }
    EXPECT_EQ(deleted, kWidth * kDepth + kWidth);
}

TEST(Element, ValueByPathConvertsToAnsiAndTrims) {
    Patient patient;
    patient.addGender(new fhir::f_code(" m\xC3\xA4nnlich "));
    EXPECT_EQ(patient.getValueByPath({"Patient.gender"}, false), "m\xE4nnlich");
    EXPECT_EQ(patient.getValueByPath({"Patient.gender"}, true), " m\xC3\xA4nnlich ");
    EXPECT_EQ(patient.getValue(), "not defined yet");
}

}  // namespace
