// FHIRPath over small documents, one table per group of functions and
// operators; every group has its empty-collection cases.
#include "fhir/fhirpath/Evaluator.h"

#include <gtest/gtest.h>

#include <string>

#include "fhir/fhirpath/NodeDocument.h"
#include "support/CaseName.h"

namespace {

using fhir::path::Collection;
using fhir::path::Environment;
using fhir::path::Expression;
using fhir::path::NodeDocument;
using fhir::path::Value;

// A bundle with a patient (two names, an address with extensions on its
// line, a gender, a birth date) and an organisation referenced by it.
const char* const kBundle =
    R"(<Bundle xmlns="http://hl7.org/fhir"><id value="b1"/><type value="document"/>)"
    R"(<entry><fullUrl value="http://x.de/Patient/p1"/><resource><Patient><id value="p1"/>)"
    R"(<extension url="http://e/flag"><valueBoolean value="false"/></extension>)"
    R"(<extension url="http://e/count"><valueInteger value="3"/></extension>)"
    R"(<name><use value="official"/><family value="Müller"/><given value="Anna"/><given value="Eva"/></name>)"
    R"(<name><use value="maiden"/><family value="Schmidt"/></name><gender value="female"/>)"
    R"(<birthDate value="1980-05-17"/><address><line value="Hauptstr. 5">)"
    R"(<extension url="http://e/street"><valueString value="Hauptstr."/></extension>)"
    R"(<extension url="http://e/number"><valueString value="5"/></extension></line><city value="Köln"/></address>)"
    R"(<managingOrganization><reference value="Organization/o1"/></managingOrganization></Patient></resource></entry>)"
    R"(<entry><fullUrl value="urn:uuid:o-1"/><resource><Organization><id value="o1"/><name value="Praxis"/>)"
    R"(<telecom><system value="phone"/><value value="0221 1"/></telecom>)"
    R"(<partOf><reference value="urn:uuid:o-1"/></partOf></Organization></resource></entry></Bundle>)";

struct Case {
    const char* name;
    const char* expression;
    const char* expected;  // items rendered by render(); "error" for an evaluation error
};

std::string render(const Collection& items) {
    if (items.empty()) return "{}";
    std::string out;
    for (const Value& v : items) {
        if (!out.empty()) out += ", ";
        switch (v.type) {
            case Value::Type::Node:
                out += v.node->isResource ? std::string(v.node->typeName) : std::string(v.node->name);
                if (v.node->hasValue) out += "=" + std::string(v.node->value);
                break;
            case Value::Type::Boolean: out += v.boolean ? "true" : "false"; break;
            case Value::Type::Integer: out += std::to_string(v.integer); break;
            case Value::Type::Decimal: out += std::to_string(v.decimal); break;
            case Value::Type::String: out += "'" + std::string(v.text) + "'"; break;
            case Value::Type::Quantity: out += std::to_string(v.decimal) + " '" + std::string(v.text) + "'"; break;
            default: out += "@" + std::string(v.text);
        }
    }
    return out;
}

class Evaluates : public testing::TestWithParam<Case> {};

TEST_P(Evaluates, OnThePatientOfTheBundle) {
    const NodeDocument document(kBundle);
    Environment environment(*document.root(), "2025-10-15", "2025-10-15T10:00:00Z");
    const fhir::path::Node& patient = document.root()->firstChild[3].firstChild[1];
    ASSERT_EQ(patient.typeName, "Patient");
    const Expression expression(GetParam().expression);
    std::string result;
    try {
        result = render(fhir::path::evaluate(expression, patient, environment));
    } catch (const fhir::path::EvaluationError&) {
        result = "error";
    }
    EXPECT_EQ(result, GetParam().expected) << GetParam().expression;
}

const Case kNavigation[] = {
    {"child", "gender", "gender=female"},
    {"type_prefix", "Patient.gender", "gender=female"},
    {"flattens", "name.given", "given=Anna, given=Eva"},
    {"missing", "deceased", "{}"},
    {"missing_below", "name.suffix.extension", "{}"},
    {"choice", "extension.value", "valueBoolean=false, valueInteger=3"},
    {"attribute", "extension.url.first()", "url=http://e/flag"},
    {"indexer", "name[1].family", "family=Schmidt"},
    {"indexer_out_of_range", "name[5]", "{}"},
    {"this", "name.where($this.use = 'maiden').family", "family=Schmidt"},
    {"resource_variable", "name.select(%resource.gender)", "gender=female, gender=female"},
    {"context_variable", "%context.id", "id=p1"},
};
INSTANTIATE_TEST_SUITE_P(Navigation, Evaluates, testing::ValuesIn(kNavigation), tevo::test::CaseName());

const Case kExistence[] = {
    {"exists", "name.exists()", "true"},
    {"exists_empty", "photo.exists()", "false"},
    {"exists_criteria", "name.exists(use = 'maiden')", "true"},
    {"exists_criteria_none", "name.exists(use = 'nickname')", "false"},
    {"empty", "photo.empty()", "true"},
    {"not_empty", "name.empty()", "false"},
    {"not", "(1 = 2).not()", "true"},
    {"not_of_empty", "photo.not()", "{}"},
    {"not_of_false_node", "extension.where(url = 'http://e/flag').value.not()", "true"},
    {"all", "name.all(family.exists())", "true"},
    {"all_false", "name.all(given.exists())", "false"},
    {"all_empty", "photo.all(false)", "true"},
    {"all_true", "(true | true).allTrue()", "true"},
    {"all_true_empty", "photo.allTrue()", "true"},
    {"has_value", "gender.hasValue()", "true"},
    {"has_value_complex", "address.hasValue()", "false"},
    {"has_value_empty", "photo.hasValue()", "false"},
    {"count", "name.given.count()", "2"},
    {"count_empty", "photo.count()", "0"},
    {"distinct", "name.use.distinct().count()", "2"},
    {"is_distinct", "name.given.isDistinct()", "true"},
    {"is_distinct_repeated", "(name.given | name.given).count() = 2 and name.given.combine(name.given).isDistinct().not()", "true"},
};
INSTANTIATE_TEST_SUITE_P(Existence, Evaluates, testing::ValuesIn(kExistence), tevo::test::CaseName());

const Case kFiltering[] = {
    {"where", "name.where(use = 'official').given.first()", "given=Anna"},
    {"where_empty_criteria", "name.where(period.exists())", "{}"},
    {"where_size_mismatch_is_false", "name.where(given = 'Anna')", "{}"},
    {"where_contains", "name.where(given contains 'Anna').use", "use=official"},
    {"select", "name.select(given.count())", "2, 0"},
    {"select_empty", "photo.select(url)", "{}"},
    {"extension", "address.line.extension('http://e/number').value", "valueString=5"},
    {"extension_unknown", "extension('http://e/none')", "{}"},
    {"of_type", "extension.value.ofType(integer)", "valueInteger=3"},
    {"as_choice", "(extension('http://e/count').value as integer) + 1", "4"},
    {"as_other_type", "(extension('http://e/count').value as string).exists()", "false"},
    {"is", "extension('http://e/flag').value is boolean", "true"},
    {"is_system_name", "extension('http://e/flag').value is System.Boolean", "true"},
    {"is_empty", "photo is string", "{}"},
    {"first_last_tail", "name.given.last() | name.given.tail() | name.given.first()", "given=Eva, given=Anna"},
    {"skip_take", "name.given.skip(1) | name.given.take(1)", "given=Eva, given=Anna"},
    {"single_of_several", "name.single()", "error"},
    {"children", "address.children().count()", "2"},
    {"descendants", "address.descendants().where(url.exists()).count()", "2"},
    {"trace", "gender.trace('g')", "gender=female"},
};
INSTANTIATE_TEST_SUITE_P(Filtering, Evaluates, testing::ValuesIn(kFiltering), tevo::test::CaseName());

const Case kStrings[] = {
    {"length", "name[0].family.length()", "6"},
    {"length_empty", "photo.length()", "{}"},
    {"matches", "birthDate.matches('^[0-9]{4}-')", "true"},
    {"matches_searches", "gender.matches('mal')", "true"},
    {"matches_not", "gender.matches('^male$')", "false"},
    {"matches_empty", "photo.matches('x')", "{}"},
    {"replace_matches", "gender.replaceMatches('fe', '')", "'male'"},
    {"substring", "gender.substring(2)", "'male'"},
    {"substring_length", "gender.substring(0, 2)", "'fe'"},
    {"substring_utf8", "name[0].family.substring(1, 2)", "'ül'"},
    {"substring_beyond", "gender.substring(9)", "{}"},
    {"index_of", "name[0].family.indexOf('ll')", "2"},
    {"index_of_missing", "gender.indexOf('x')", "-1"},
    {"starts_ends_contains", "gender.startsWith('fe') and gender.endsWith('ale') and gender.contains('ma')", "true"},
    {"upper_lower", "gender.upper().lower() = 'female'", "true"},
    {"to_string_date", "birthDate.toString().length()", "10"},
    {"to_string_number", "(1 + 2).toString()", "'3'"},
    {"to_integer", "'42'.toInteger() + 1", "43"},
    {"concatenate_plus", "address.line = (address.line.extension('http://e/street').value as string) + ' ' + (address.line.extension('http://e/number').value as string)", "true"},
    {"concatenate_empty", "'a' + photo", "{}"},
    {"ampersand_empty", "'a' & photo", "'a'"},
};
INSTANTIATE_TEST_SUITE_P(Strings, Evaluates, testing::ValuesIn(kStrings), tevo::test::CaseName());

const Case kEquality[] = {
    {"equal", "gender = 'female'", "true"},
    {"equal_empty", "photo = 'x'", "{}"},
    {"not_equal", "gender != 'male'", "true"},
    {"not_equal_empty", "photo != 'x'", "{}"},
    {"equal_collections_size", "name.given = 'Anna'", "false"},
    {"node_as_number", "extension('http://e/count').value = 3", "true"},
    {"node_as_boolean", "extension('http://e/flag').value = false", "true"},
    {"date_equal", "birthDate = @1980-05-17", "true"},
    {"date_precision_unknown", "birthDate = @1980-05", "{}"},
    {"equivalent_case", "gender ~ 'FEMALE'", "true"},
    {"equivalent_empty", "photo ~ {}", "true"},
    {"not_equivalent", "gender !~ 'male'", "true"},
    {"complex_equal", "name[0] = name[0]", "true"},
    {"complex_unequal", "name[0] = name[1]", "false"},
};
INSTANTIATE_TEST_SUITE_P(Equality, Evaluates, testing::ValuesIn(kEquality), tevo::test::CaseName());

const Case kComparison[] = {
    {"date_less", "birthDate < @1990-01-01", "true"},
    {"date_greater_today", "birthDate > today()", "false"},
    {"date_precision_unknown", "birthDate < @1980", "{}"},
    {"numbers", "2 >= 2 and 1.5 < 2 and 3 > 2.5", "true"},
    {"node_numbers", "extension('http://e/count').value <= 10", "true"},
    {"strings", "'abc' < 'abd'", "true"},
    {"empty", "photo < 3", "{}"},
    {"incomparable", "gender < 3", "error"},
    {"several", "name.given < 'x'", "error"},
};
INSTANTIATE_TEST_SUITE_P(Comparison, Evaluates, testing::ValuesIn(kComparison), tevo::test::CaseName());

const Case kDateArithmetic[] = {
    {"plus_days", "@2024-02-27 + 3 days", "@2024-03-01"},
    {"minus_days_over_year", "@2024-01-01 - 1 day", "@2023-12-31"},
    {"plus_month_clamps_day", "@2024-01-31 + 1 month", "@2024-02-29"},
    {"plus_years_ucum", "@2023-02-28 + 1 'a'", "@2024-02-28"},
    {"plus_weeks", "@2024-12-30 + 1 week", "@2025-01-06"},
    {"date_time_hours", "@2024-12-31T23:30:00 + 1 hour", "@2025-01-01T00:30:00"},
    {"time_wraps", "@T23:00 + 2 hours", "@01:00"},
    {"node_date", "birthDate + 18 years < today()", "true"},
    {"partial_date", "@2024-05 + 13 months", "@2025-06"},
    {"empty", "photo + 1 day", "{}"},
    {"not_a_calendar_unit", "@2024-01-01 + 1 'mg'", "error"},
    {"not_a_date", "gender + 1 day", "error"},
};
INSTANTIATE_TEST_SUITE_P(DateArithmetic, Evaluates, testing::ValuesIn(kDateArithmetic), tevo::test::CaseName());

const Case kLogic[] = {
    {"and", "true and false", "false"},
    {"and_empty_false", "photo.exists().not().not() and {}", "false"},
    {"and_empty", "true and {}", "{}"},
    {"or", "false or true", "true"},
    {"or_empty", "false or {}", "{}"},
    {"or_empty_true", "{} or true", "true"},
    {"xor", "true xor false", "true"},
    {"xor_empty", "true xor {}", "{}"},
    {"implies_false", "false implies {}", "true"},
    {"implies_empty_true", "{} implies true", "true"},
    {"implies_empty", "{} implies false", "{}"},
    {"implies", "gender.exists() implies birthDate.exists()", "true"},
    {"several_items", "name.given and true", "error"},
    {"iif", "iif(gender = 'female', 'w', 'm')", "'w'"},
    {"iif_else_missing", "iif(gender = 'male', 'm')", "{}"},
};
INSTANTIATE_TEST_SUITE_P(Logic, Evaluates, testing::ValuesIn(kLogic), tevo::test::CaseName());

const Case kCollections[] = {
    {"union_dedupes", "(name.use | name.use).count()", "2"},
    {"union_empty", "(photo | {}).count()", "0"},
    {"in", "'Eva' in name.given", "true"},
    {"in_empty_left", "photo in name.given", "{}"},
    {"in_empty_right", "'Eva' in {}", "false"},
    {"contains", "name.given contains 'Anna'", "true"},
    {"intersect", "name.given.intersect(name.where(use = 'official').given).count()", "2"},
    {"intersect_empty", "name.given.intersect(photo)", "{}"},
    {"exclude", "name.given.exclude(name.given.first())", "given=Eva"},
    {"arithmetic", "7 div 2 + 7 mod 2 * 3 - 1", "5"},
    {"divide_by_zero", "1 / 0", "{}"},
    {"negative", "-(2 + 3)", "-5"},
};
INSTANTIATE_TEST_SUITE_P(Collections, Evaluates, testing::ValuesIn(kCollections), tevo::test::CaseName());

const Case kAggregates[] = {
    {"any_true", "(false | true).anyTrue()", "true"},
    {"any_true_none", "(false | false).anyTrue()", "false"},
    {"any_true_empty", "photo.anyTrue()", "false"},
    {"any_false", "(true | false).anyFalse()", "true"},
    {"any_false_empty", "photo.anyFalse()", "false"},
    {"all_false", "(false | false).allFalse()", "true"},
    {"all_false_mixed", "(true | false).allFalse()", "false"},
    {"all_false_empty", "photo.allFalse()", "true"},
    {"union_function", "name.use.union(gender).count()", "3"},
    {"combine_keeps_repeats", "name.given.combine(name.given).count()", "4"},
    {"distinct_empty", "photo.distinct()", "{}"},
    {"exclude_everything", "name.given.exclude(name.given)", "{}"},
};
INSTANTIATE_TEST_SUITE_P(Aggregates, Evaluates, testing::ValuesIn(kAggregates), tevo::test::CaseName());

const Case kSubsetting[] = {
    {"single_of_one", "gender.single()", "gender=female"},
    {"single_of_none", "photo.single()", "{}"},
    {"take_none", "name.given.take(0)", "{}"},
    {"take_more_than_there", "name.given.take(5).count()", "2"},
    {"skip_all", "name.given.skip(5)", "{}"},
    {"first_of_empty", "photo.first()", "{}"},
    {"tail_of_one", "gender.tail()", "{}"},
};
INSTANTIATE_TEST_SUITE_P(Subsetting, Evaluates, testing::ValuesIn(kSubsetting), tevo::test::CaseName());

const Case kStringEdges[] = {
    {"substring_negative_start", "gender.substring(-1)", "{}"},
    {"index_of_empty_text", "gender.indexOf('')", "0"},
    {"starts_with_empty_text", "gender.startsWith('')", "true"},
    {"contains_on_empty", "photo.contains('a')", "{}"},
    {"upper_of_empty", "photo.upper()", "{}"},
    {"to_integer_not_a_number", "'4x'.toInteger()", "{}"},
    {"replace_matches_all", "'a-b-c'.replaceMatches('-', '+')", "'a+b+c'"},
    {"length_counts_characters", "address.city.length()", "4"},
    {"equivalent_whitespace", "'a  b' ~ 'A B'", "true"},
    {"iif_empty_criterion", "iif(photo.exists(), 'a', 'b')", "'b'"},
    {"today", "today()", "@2025-10-15"},
    {"now_exists", "now().exists()", "true"},
    {"ucum", "%ucum", "'http://unitsofmeasure.org'"},
    {"decimal_plus_integer", "1.5 + 1", "2.500000"},
    {"integer_div_by_zero", "7 div 0", "{}"},
};
INSTANTIATE_TEST_SUITE_P(StringEdges, Evaluates, testing::ValuesIn(kStringEdges), tevo::test::CaseName());

const Case kResolve[] = {
    {"relative", "managingOrganization.resolve().name", "name=Praxis"},
    {"is_type", "managingOrganization.resolve() is Organization", "true"},
    {"full_url", "managingOrganization.resolve().partOf.resolve().id", "id=o1"},
    {"unresolvable", "name.resolve()", "{}"},
    {"string", "'urn:uuid:o-1'.resolve().id", "id=o1"},
    {"empty", "photo.resolve()", "{}"},
};
INSTANTIATE_TEST_SUITE_P(Resolve, Evaluates, testing::ValuesIn(kResolve), tevo::test::CaseName());

struct ParseCase {
    const char* name;
    const char* expression;
};

class RejectsExpression : public testing::TestWithParam<ParseCase> {};

TEST_P(RejectsExpression, WithAParseError) {
    EXPECT_THROW(Expression(GetParam().expression), fhir::path::ParseError);
}

const ParseCase kRejected[] = {
    {"unknown_function", "name.frobnicate()"},
    {"wrong_arity", "name.where()"},
    {"unclosed_string", "name = 'x"},
    {"unclosed_parenthesis", "(a or b"},
    {"dangling_operator", "a and"},
    {"bad_regex", "a.matches('[')"},
    {"unknown_variable", "%nothing"},
    {"trailing_token", "a b"},
};
INSTANTIATE_TEST_SUITE_P(Parser, RejectsExpression, testing::ValuesIn(kRejected), tevo::test::CaseName());

// Filtering subexpressions are remembered per element across expressions of
// one document: an equal subexpression on another element is evaluated anew.
TEST(Evaluate, RemembersFilteredResultsPerElement) {
    const NodeDocument document(kBundle);
    Environment environment(*document.root(), "2025-10-15", "2025-10-15T10:00:00Z");
    const fhir::path::Node& patient = document.root()->firstChild[3].firstChild[1];
    const fhir::path::Node& organization = document.root()->firstChild[4].firstChild[1];
    ASSERT_EQ(organization.typeName, "Organization");
    EXPECT_EQ(render(fhir::path::evaluate(Expression("name.where(use = 'maiden').family"), patient, environment)),
              "family=Schmidt");
    EXPECT_EQ(render(fhir::path::evaluate(Expression("name.where(use = 'maiden').exists()"), organization,
                                          environment)),
              "false");
    EXPECT_EQ(render(fhir::path::evaluate(Expression("name.where(use = 'maiden').count()"), patient, environment)),
              "1");
}

// The pattern engine recurses per repeated character: a hostile value must
// not run it off the stack.
TEST(Matches, RefusesTextLongerThanAnIdentifierCouldBe) {
    const NodeDocument document("<Patient><gender value=\"" + std::string(1025, 'a') + "\"/></Patient>");
    Environment environment(*document.root(), "2025-10-15", "2025-10-15T10:00:00");
    EXPECT_THROW(fhir::path::evaluate(Expression("gender.matches('^a+$')"), *document.root(), environment),
                 fhir::path::EvaluationError);
    const NodeDocument fits("<Patient><gender value=\"" + std::string(1024, 'a') + "\"/></Patient>");
    EXPECT_EQ(render(fhir::path::evaluate(Expression("gender.matches('^a+$')"), *fits.root(), environment)), "true");
}

TEST(Matches, TakesOnlySimplePatternsFromTheDocument) {
    const NodeDocument document(R"(<Patient><gender value="aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab"/>)"
                                R"(<name><family value="(a+)+$"/><given value="1+1"/></name></Patient>)");
    Environment environment(*document.root(), "2025-10-15", "2025-10-15T10:00:00");
    EXPECT_THROW(fhir::path::evaluate(Expression("gender.matches(name.family)"), *document.root(), environment),
                 fhir::path::EvaluationError);
    EXPECT_EQ(render(fhir::path::evaluate(Expression("'111'.matches(name.given)"), *document.root(), environment)),
              "true");
}

TEST(Holds, EmptyOrOnlyTrue) {
    EXPECT_TRUE(fhir::path::holds({}));
    EXPECT_TRUE(fhir::path::holds({Value::ofBoolean(true), Value::ofBoolean(true)}));
    EXPECT_FALSE(fhir::path::holds({Value::ofBoolean(false)}));
    EXPECT_FALSE(fhir::path::holds({Value::ofString("x")}));
    const NodeDocument document(R"(<Patient><active value="true"/><gender value="true "/></Patient>)");
    EXPECT_TRUE(fhir::path::holds({Value::ofNode(document.root()->firstChild[0])}));
    EXPECT_FALSE(fhir::path::holds({Value::ofNode(document.root()->firstChild[1])}));
}

}  // namespace
