#include "fhir/fhirpath/Types.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace fhir::path {

namespace {

struct TypeName {
    std::string_view suffix;  // as it follows a choice prefix
    std::string_view name;    // as the type is spelled
    Value::Type system;       // the system type of its values
};

// Sorted by suffix.
constexpr TypeName kTypes[] = {
    {"Address", "Address", Value::Type::Node},
    {"Age", "Age", Value::Type::Node},
    {"Annotation", "Annotation", Value::Type::Node},
    {"Attachment", "Attachment", Value::Type::Node},
    {"Base64Binary", "base64Binary", Value::Type::String},
    {"Boolean", "boolean", Value::Type::Boolean},
    {"Canonical", "canonical", Value::Type::String},
    {"Code", "code", Value::Type::String},
    {"CodeableConcept", "CodeableConcept", Value::Type::Node},
    {"Coding", "Coding", Value::Type::Node},
    {"ContactDetail", "ContactDetail", Value::Type::Node},
    {"ContactPoint", "ContactPoint", Value::Type::Node},
    {"Contributor", "Contributor", Value::Type::Node},
    {"Count", "Count", Value::Type::Node},
    {"DataRequirement", "DataRequirement", Value::Type::Node},
    {"Date", "date", Value::Type::Date},
    {"DateTime", "dateTime", Value::Type::DateTime},
    {"Decimal", "decimal", Value::Type::Decimal},
    {"Distance", "Distance", Value::Type::Node},
    {"Dosage", "Dosage", Value::Type::Node},
    {"Duration", "Duration", Value::Type::Node},
    {"Expression", "Expression", Value::Type::Node},
    {"HumanName", "HumanName", Value::Type::Node},
    {"Id", "id", Value::Type::String},
    {"Identifier", "Identifier", Value::Type::Node},
    {"Instant", "instant", Value::Type::DateTime},
    {"Integer", "integer", Value::Type::Integer},
    {"Markdown", "markdown", Value::Type::String},
    {"Meta", "Meta", Value::Type::Node},
    {"Money", "Money", Value::Type::Node},
    {"Oid", "oid", Value::Type::String},
    {"ParameterDefinition", "ParameterDefinition", Value::Type::Node},
    {"Period", "Period", Value::Type::Node},
    {"PositiveInt", "positiveInt", Value::Type::Integer},
    {"Quantity", "Quantity", Value::Type::Node},
    {"Range", "Range", Value::Type::Node},
    {"Ratio", "Ratio", Value::Type::Node},
    {"Reference", "Reference", Value::Type::Node},
    {"RelatedArtifact", "RelatedArtifact", Value::Type::Node},
    {"SampledData", "SampledData", Value::Type::Node},
    {"Signature", "Signature", Value::Type::Node},
    {"String", "string", Value::Type::String},
    {"Time", "time", Value::Type::Time},
    {"Timing", "Timing", Value::Type::Node},
    {"TriggerDefinition", "TriggerDefinition", Value::Type::Node},
    {"UnsignedInt", "unsignedInt", Value::Type::Integer},
    {"Uri", "uri", Value::Type::String},
    {"Url", "url", Value::Type::String},
    {"UsageContext", "UsageContext", Value::Type::Node},
    {"Uuid", "uuid", Value::Type::String},
};

const TypeName* findSuffix(std::string_view suffix) {
    const auto it = std::lower_bound(std::begin(kTypes), std::end(kTypes), suffix,
                                     [](const TypeName& t, std::string_view s) { return t.suffix < s; });
    return it != std::end(kTypes) && it->suffix == suffix ? it : nullptr;
}

// The type an element name ends in: the longest capitalised tail that names
// a type ("effectiveDateTime" ends in DateTime, not Time).
const TypeName* typeByName(std::string_view name) {
    for (std::size_t i = 1; i < name.size(); ++i) {
        if (name[i] >= 'A' && name[i] <= 'Z') {
            if (const TypeName* type = findSuffix(name.substr(i))) {
                return type;
            }
        }
    }
    return nullptr;
}

bool sameTypeName(std::string_view a, std::string_view b) {
    if (a.size() != b.size() || a.empty()) {
        return false;
    }
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(a[0]) == lower(b[0]) && a.substr(1) == b.substr(1);
}

std::string_view systemTypeName(Value::Type type) {
    switch (type) {
        case Value::Type::String: return "String";
        case Value::Type::Boolean: return "Boolean";
        case Value::Type::Integer: return "Integer";
        case Value::Type::Decimal: return "Decimal";
        case Value::Type::Date: return "Date";
        case Value::Type::DateTime: return "DateTime";
        case Value::Type::Time: return "Time";
        case Value::Type::Quantity: return "Quantity";
        case Value::Type::Node: break;
    }
    return {};
}

}  // namespace

std::string_view choiceType(std::string_view elementName, std::string_view prefix) {
    if (elementName.size() <= prefix.size() || elementName.compare(0, prefix.size(), prefix) != 0) {
        return {};
    }
    const TypeName* type = findSuffix(elementName.substr(prefix.size()));
    return type ? type->name : std::string_view{};
}

bool isMember(std::string_view childName, std::string_view member) {
    if (childName.empty() || member.empty() || childName[0] != member[0]) {
        return false;
    }
    return childName == member || !choiceType(childName, member).empty();
}

std::string_view typeOf(const Node& node) {
    if (node.isResource) {
        return node.typeName;
    }
    const TypeName* type = typeByName(node.name);
    return type ? type->name : std::string_view{};
}

bool isType(const Value& value, std::string_view typeName) {
    if (value.type != Value::Type::Node) {
        return sameTypeName(systemTypeName(value.type), typeName);
    }
    if (value.node->isResource && (typeName == "Resource" || typeName == "DomainResource")) {
        return true;
    }
    return sameTypeName(typeOf(*value.node), typeName);
}

std::optional<Value> primitive(const Value& value) {
    if (value.type != Value::Type::Node) {
        return value;
    }
    const Node& node = *value.node;
    if (!node.hasValue) {
        return std::nullopt;
    }
    Value result = Value::ofString(node.value);
    result.node = &node;
    const TypeName* type = node.kind == Node::Kind::Element ? typeByName(node.name) : nullptr;
    if (!type) {
        return result;
    }
    switch (type->system) {
        case Value::Type::Boolean:
            if (node.value == "true" || node.value == "false") {
                result = Value::ofBoolean(node.value == "true");
            }
            break;
        case Value::Type::Integer: {
            char* end = nullptr;
            const std::string text(node.value);
            const long long number = std::strtoll(text.c_str(), &end, 10);
            if (!text.empty() && *end == '\0') {
                result = Value::ofInteger(number);
            }
            break;
        }
        case Value::Type::Decimal: {
            char* end = nullptr;
            const std::string text(node.value);
            const double number = std::strtod(text.c_str(), &end);
            if (!text.empty() && *end == '\0') {
                result = Value::ofDecimal(number);
            }
            break;
        }
        case Value::Type::Date:
        case Value::Type::DateTime:
        case Value::Type::Time: result = Value::ofTemporal(type->system, node.value); break;
        default: break;
    }
    result.node = &node;
    return result;
}

}  // namespace fhir::path
