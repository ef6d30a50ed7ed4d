// Types of nodes and values: the FHIR type a choice element's name carries
// (valueString is a string), resource types, the system types of values.
#pragma once

#include <optional>
#include <string_view>

#include "fhir/fhirpath/Value.h"

namespace fhir::path {

// The FHIR type named by the end of `elementName` after `prefix` ("String"
// of "valueString" after "value"), as the type is spelled ("string",
// "Quantity"); empty when the rest names no FHIR type.
std::string_view choiceType(std::string_view elementName, std::string_view prefix);

// True when a child named `childName` is what the member `member` navigates
// to: the same name, or a choice element `member` + a type name.
bool isMember(std::string_view childName, std::string_view member);

// The type of a node: the resource type, or the type a choice-style name
// ends in; empty when not known.
std::string_view typeOf(const Node& node);

// True when `value` is of the type `typeName` (given without namespace; the
// system and FHIR spellings of primitives match).
bool isType(const Value& value, std::string_view typeName);

// A node with a value as a system value: typed where the node's type is known
// (valueBoolean, valueInteger, birthDate ...), otherwise a String that keeps
// the node (`node` set) so that comparisons may read it as the other side's
// type. Other values are returned unchanged; a node without value gives
// nothing.
std::optional<Value> primitive(const Value& value);

}  // namespace fhir::path
