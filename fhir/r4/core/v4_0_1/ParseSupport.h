// Shared steps of the generated parse operations: every class lists its field
// names with one reader each; id, meta and extension are read here.
#pragma once

#include <cstddef>
#include <string_view>
#include <type_traits>

#include "fhir/XmlNode.h"
#include "fhir/primitives.h"
#include "fhir/r4/core/v4_0_1/Extension.h"
#include "fhir/r4/core/v4_0_1/Meta.h"
#include "fhir/r4/core/v4_0_1/Resource.h"
#include "fhir/r4/core/v4_0_1/ResourceFactory.h"

namespace fhir::r4::core::v4_0_1 {

template <class T>
struct FieldRule {
    std::string_view name;
    void (*read)(T& target, const xml::Node* node);
};

// Files every "extension" child of a primitive field's element with the
// field's holder adder.
template <class T>
void readFieldExtensions(T& target, const xml::Node* node, void (T::*addHolder)(Extension*)) {
    for (const xml::Node* child = xml::firstChildElement(node, "extension"); child;
         child = xml::nextSiblingElement(child, "extension")) {
        (target.*addHolder)(Extension::parse(child));
    }
}

// A primitive field: the value comes from the element's first attribute,
// whatever its name; the element's extensions go to the field's holder.
template <class P, class T>
void readPrimitive(T& target, const xml::Node* node, void (T::*add)(P*), void (T::*addHolder)(Extension*)) {
    (target.*add)(new P(xml::firstAttributeValue(node)));
    readFieldExtensions(target, node, addHolder);
}

// Reads the child elements of `node` into `target` in document order; names
// that are neither id, meta (resources), extension nor listed are ignored.
template <class T>
void parseChildren(T& target, const xml::Node* node, const FieldRule<T>* rules, std::size_t count) {
    for (const xml::Node* child = xml::firstChildElement(node); child; child = xml::nextSiblingElement(child)) {
        // Names compared as views: most rules differ from the name in length.
        const std::string_view name = xml::nameView(child);
        if (name == "id") {
            target.setId(new fhir::f_string(xml::firstAttributeValue(child)));
            continue;
        }
        if constexpr (std::is_base_of_v<Resource, T>) {
            if (name == "meta") {
                target.setMeta(Meta::parse(child));
                continue;
            }
        }
        if (name == "extension") {
            target.addExtension(Extension::parse(child));
            continue;
        }
        for (std::size_t i = 0; i < count; ++i) {
            if (name == rules[i].name) {
                rules[i].read(target, child);
                break;
            }
        }
    }
}

template <class T, std::size_t N>
void parseChildren(T& target, const xml::Node* node, const FieldRule<T> (&rules)[N]) {
    parseChildren(target, node, rules, N);
}

}  // namespace fhir::r4::core::v4_0_1
