// Elements taken from a document arena: ownership as on the heap, and trees
// that outlive the arena which built them.
#include "fhir/TreeMemory.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/Extension.h"
#include "fhir/r4/core/v4_0_1/Patient.h"

namespace {

using fhir::r4::core::v4_0_1::Extension;
using fhir::r4::core::v4_0_1::Patient;

class Counted : public fhir::f_code {
public:
    explicit Counted(int& deleted) : fhir::f_code("counted text longer than any inline buffer"), deleted_(deleted) {}
    ~Counted() override { ++deleted_; }

private:
    int& deleted_;
};

std::unique_ptr<Patient> patientWithChildren(int& deleted, int children) {
    auto patient = std::make_unique<Patient>();
    for (int i = 0; i < children; ++i) {
        auto* extension = new Extension();
        extension->setUrl(new fhir::f_uri("http://example.org/extension/" + std::to_string(i)));
        extension->setValue(new Counted(deleted));
        patient->addExtension(extension);
        patient->add_gender(new Extension());
    }
    return patient;
}

TEST(TreeMemory, TreeBuiltInAnArenaMayOutliveIt) {
    int deleted = 0;
    std::unique_ptr<Patient> patient;
    {
        const fhir::DocumentArena arena;
        patient = patientWithChildren(deleted, 3000);  // several blocks
    }
    // The arena is closed; its memory stays until the last element goes.
    EXPECT_EQ(patient->getChildren("Element.extension").size(), 3000u);
    EXPECT_EQ(patient->getChildren("Element.extension").back()->getChild("Extension.value")->getValue(),
              "counted text longer than any inline buffer");
    patient.reset();
    EXPECT_EQ(deleted, 3000);
}

TEST(TreeMemory, ElementsFromHeapAndArenasMix) {
    int deleted = 0;
    auto heapRoot = std::make_unique<Patient>();
    {
        const fhir::DocumentArena outer;
        heapRoot->setId(new Counted(deleted));
        {
            const fhir::DocumentArena inner;
            heapRoot->addGender(new Counted(deleted));
        }
        auto arenaRoot = patientWithChildren(deleted, 2);
        arenaRoot->setId(new Counted(deleted));
    }
    EXPECT_EQ(deleted, 3);
    heapRoot.reset();
    EXPECT_EQ(deleted, 5);
}

TEST(TreeMemory, ArenasOfThreadsAreIndependent) {
    std::string written[2];
    auto build = [&written](int slot) {
        for (int round = 0; round < 50; ++round) {
            const fhir::DocumentArena arena;
            int deleted = 0;
            auto patient = patientWithChildren(deleted, 20);
            patient->writeXml(written[slot], false);
        }
    };
    std::thread first(build, 0);
    std::thread second(build, 1);
    first.join();
    second.join();
    EXPECT_EQ(written[0], written[1]);
    EXPECT_NE(written[0].find("http://example.org/extension/19"), std::string::npos);
}

}  // namespace
