#include "fhir/r4/core/v4_0_1/ResourceFactory.h"

#include "fhir/r4/core/v4_0_1/Composition.h"
#include "fhir/r4/core/v4_0_1/Condition.h"
#include "fhir/r4/core/v4_0_1/Coverage.h"
#include "fhir/r4/core/v4_0_1/MessageHeader.h"
#include "fhir/r4/core/v4_0_1/Observation.h"
#include "fhir/r4/core/v4_0_1/Organization.h"
#include "fhir/r4/core/v4_0_1/Patient.h"
#include "fhir/r4/core/v4_0_1/Practitioner.h"

namespace fhir::r4::core::v4_0_1 {
namespace {

struct ResourceParser {
    const char* name;
    Resource* (*parse)(const xml::Node* node);
};

template <class T>
Resource* parseAs(const xml::Node* node) {
    return T::parse(node);
}

constexpr ResourceParser kParsers[] = {
    {"Composition", &parseAs<Composition>}, {"Organization", &parseAs<Organization>},
    {"Patient", &parseAs<Patient>},         {"Observation", &parseAs<Observation>},
    {"Condition", &parseAs<Condition>},     {"Coverage", &parseAs<Coverage>},
    {"Practitioner", &parseAs<Practitioner>}, {"MessageHeader", &parseAs<MessageHeader>},
};

}  // namespace

Resource* createResource(const xml::Node* wrapper) {
    const xml::Node* content = xml::firstChildElement(wrapper);
    if (!content) {
        return nullptr;
    }
    for (const ResourceParser& parser : kParsers) {
        if (xml::hasName(content, parser.name)) {
            return parser.parse(content);
        }
    }
    return nullptr;
}

}  // namespace fhir::r4::core::v4_0_1
