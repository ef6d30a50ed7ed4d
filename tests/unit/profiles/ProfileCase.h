// Rows of the table-driven profile tests: a class, made through function
// pointers so that one table can hold classes of every core type.
#pragma once

#include "fhir/Element.h"

#include <memory>
#include <string>
#include <utility>

namespace profile_case {

struct Identity {
    const char* name;  // test case name
    std::unique_ptr<fhir::Element> (*make)();
    std::string (*canonical)(const fhir::Element&);
    std::string url;
    std::string version;  // expected after the "|" of the canonical URL
    std::string fhirType;
};

template <class T> std::unique_ptr<fhir::Element> make() { return std::make_unique<T>(); }

template <class T> std::string canonical(const fhir::Element& object) {
    return static_cast<const T&>(object).getCanonical();
}

template <class T> Identity identity(const char* name, std::string url, std::string version, std::string fhirType) {
    return {name, &make<T>, &canonical<T>, std::move(url), std::move(version), std::move(fhirType)};
}

}  // namespace profile_case
