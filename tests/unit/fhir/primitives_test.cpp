#include "fhir/primitives.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "support/CaseName.h"

namespace {

struct PrimitiveCase {
    const char* name;
    std::function<std::unique_ptr<fhir::Element>()> make;
    const char* value;
};

class PrimitiveValues : public testing::TestWithParam<PrimitiveCase> {};

TEST_P(PrimitiveValues, PrintTheirValue) {
    const auto element = GetParam().make();
    EXPECT_TRUE(element->isPrimitive());
    EXPECT_EQ(element->getValue(), GetParam().value);
    EXPECT_FALSE(element->hasChildren());
}

template <class P, class V>
std::function<std::unique_ptr<fhir::Element>()> make(V value) {
    return [value] { return std::make_unique<P>(value); };
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, PrimitiveValues,
    testing::Values(PrimitiveCase{"DateDayUnknown", make<fhir::f_date>("20230500"), "2023-05"},
                    PrimitiveCase{"DateMonthUnknown", make<fhir::f_date>("20230000"), "2023"},
                    PrimitiveCase{"DateYearUnknown", make<fhir::f_date>("00000000"), ""},
                    PrimitiveCase{"DateYearUnknownWins", make<fhir::f_date>("00001231"), ""},
                    PrimitiveCase{"DateFull", make<fhir::f_date>("20230504"), "2023-05-04"},
                    PrimitiveCase{"DateAlreadyFhir", make<fhir::f_date>("2023-05-04"), "2023-05-04"},
                    PrimitiveCase{"DateOtherLength", make<fhir::f_date>("2023054"), "2023054"},
                    PrimitiveCase{"DateTimeFromHostDate", make<fhir::f_dateTime>("20230504"), "2023-05-04"},
                    PrimitiveCase{"DateTimeKeepsZeros", make<fhir::f_dateTime>("00000000"), "0000-00-00"},
                    PrimitiveCase{"DateTimeFull", make<fhir::f_dateTime>("2024-03-03T14:05:09Z"),
                                  "2024-03-03T14:05:09Z"},
                    PrimitiveCase{"BooleanTrue", make<fhir::f_boolean>("true"), "true"},
                    PrimitiveCase{"BooleanCapitals", make<fhir::f_boolean>("TRUE"), "false"},
                    PrimitiveCase{"BooleanFromBool", make<fhir::f_boolean>(true), "true"},
                    PrimitiveCase{"IntegerTrailingText", make<fhir::f_integer>("12abc"), "12"},
                    PrimitiveCase{"IntegerNoDigits", make<fhir::f_integer>("abc"), "0"},
                    PrimitiveCase{"IntegerSignAndBlanks", make<fhir::f_integer>("  -0042"), "-42"},
                    PrimitiveCase{"PositiveIntKeepsNegative", make<fhir::f_positiveInt>("-3"), "-3"},
                    PrimitiveCase{"UnsignedIntFromNumber", make<fhir::f_unsignedInt>(7), "7"},
                    PrimitiveCase{"DecimalTenth", make<fhir::f_decimal>("0.1"), "0.1"},
                    PrimitiveCase{"DecimalTenMillion", make<fhir::f_decimal>(10000000.0), "1e+07"},
                    PrimitiveCase{"DecimalSixDigits", make<fhir::f_decimal>(1234567.0), "1.23457e+06"},
                    PrimitiveCase{"DecimalHalf", make<fhir::f_decimal>("12.5"), "12.5"},
                    PrimitiveCase{"DecimalNoDigits", make<fhir::f_decimal>("x"), "0"},
                    PrimitiveCase{"StringAsGiven", make<fhir::f_string>(" a&b "), " a&b "},
                    PrimitiveCase{"CanonicalAsGiven", make<fhir::f_canonical>("http://x|1.2.0"), "http://x|1.2.0"},
                    PrimitiveCase{"Base64AsGiven", make<fhir::f_base64Binary>("Zm9v"), "Zm9v"}),
    tevo::test::CaseName());

}  // namespace
