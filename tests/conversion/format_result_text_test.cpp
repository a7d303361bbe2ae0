#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "conversion/conversion.h"
#include "named_rows.h"

namespace fokuro {
namespace {

struct FormatRow {
  const char* name;
  double value;
  const char* text;
};

void PrintTo(const FormatRow& row, std::ostream* out) {
  *out << row.name;
}

class FormatResultTextTest : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatResultTextTest, WritesTheText) {
  EXPECT_EQ(FormatResultText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatResultTextTest,
    ::testing::Values(
        FormatRow{"zero", 0.0, "0."}, FormatRow{"negative_zero", -0.0, "0."},
        // The binary product lies off the decimal; the 17-digit form hides the difference.
        FormatRow{"above_decimal", 28 * 1.6, "44.8"}, FormatRow{"below_decimal", 3 * 1.2, "3.6"},
        FormatRow{"seven_times_1_1", 7 * 1.1, "7.7"},
        FormatRow{"point_stays_without_decimals", 50, "50."}, FormatRow{"negative", -17, "-17."},
        FormatRow{"a_tenth", 0.1, "0.1"},
        FormatRow{"cut_to_ten_digits", 123.456789012345, "123.456789"},
        FormatRow{"nine_integer_digits", 999999999, "999999999."},
        FormatRow{"nine_digits_and_a_decimal", 714285714 * 1.4, "999999999.6"},
        FormatRow{"ten_integer_digits_no_point", 1000000000, "1000000000"},
        FormatRow{"decimal_dropped_at_ten_digits", 1234567891 * 1.1, "1358024680"},
        // An exact tie at the tenth digit goes away from zero, unlike printf's ties to even.
        FormatRow{"exact_tie_rounds_up", 666666667 * 1.5, "1000000001"},
        FormatRow{"exact_negative_tie_rounds_down", -666666667 * 1.5, "-1000000001"},
        FormatRow{"largest_product", 2147483647 * 1.7, "3650722200"},
        FormatRow{"smallest_product", -2147483648.0 * 1.7, "-3650722202"},
        // The carry lengthens the integer part; the one decimal place stays, then goes as 0.
        FormatRow{"carry_through_nines", 999999999.96, "1000000000."},
        // Exactly 30.9532838649999995084...: the 17-digit form is 30.953283865000000, whose
        // 11th digit 5 rounds up; rounding the exact value straight to ten digits would not.
        FormatRow{"seventeen_digit_rounding_makes_a_five", 30.953283865, "30.95328387"},
        FormatRow{"eleventh_digit_four_cuts", 2.0000000014999, "2.000000001"},
        FormatRow{"below_one_has_ten_decimals", 0.123456789012, "0.123456789"},
        FormatRow{"carry_from_below_one", 0.99999999996, "1."},
        FormatRow{"largest_below_ten_billion", std::nextafter(1e10, 0.0), "10000000000"}),
    testing::RowName{});

// Values a conversion never produces still get a plain, bounded text.
INSTANTIATE_TEST_SUITE_P(
    OutsideTheConvertedRange, FormatResultTextTest,
    ::testing::Values(
        FormatRow{"just_below_a_tenth", std::nextafter(0.1, 0.0), "0.1"},
        FormatRow{"small_keeps_ten_decimals", 0.05, "0.05"},
        FormatRow{"small_negative", -0.012345678949, "-0.0123456789"},
        FormatRow{"small_rounds_up", 0.00000000005, "0.0000000001"},
        FormatRow{"small_rounds_to_zero", 1e-11, "0."},
        FormatRow{"smallest_subnormal", std::numeric_limits<double>::denorm_min(), "0."},
        FormatRow{"negative_small_to_zero", -1e-300, "0."},
        FormatRow{"ten_billion", 1e10, "10000000000"},
        FormatRow{"eleven_digits_rounded", 12345678951.0, "12345678950"},
        FormatRow{"large_negative", -2.5e15, "-2500000000000000"},
        FormatRow{"infinity", std::numeric_limits<double>::infinity(), "inf"},
        FormatRow{"negative_infinity", -std::numeric_limits<double>::infinity(), "-inf"},
        FormatRow{"not_a_number", std::numeric_limits<double>::quiet_NaN(), "nan"}),
    testing::RowName{});

TEST(FormatResultTextLargest, WritesEveryIntegerDigit) {
  const std::string text = FormatResultText(std::numeric_limits<double>::max());
  // 1.797693134862315708e308: ten digits, rounded, then zeros up to 309 integer digits.
  EXPECT_EQ(text.size(), 309u);
  EXPECT_EQ(text.substr(0, 10), "1797693135");
  EXPECT_EQ(text.find_first_not_of('0', 10), std::string::npos);
}

}  // namespace
}  // namespace fokuro
