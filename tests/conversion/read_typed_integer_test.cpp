#include <gtest/gtest.h>

#include <string>

#include "conversion/conversion.h"
#include "named_rows.h"

namespace fokuro {
namespace {

using namespace std::string_literals;

struct ReadRow {
  const char* name;
  std::string text;
  std::int32_t number;
};

void PrintTo(const ReadRow& row, std::ostream* out) {
  *out << row.name;
}

class ReadTypedIntegerTest : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ReadTypedIntegerTest, ReadsTheNumber) {
  EXPECT_EQ(ReadTypedInteger(GetParam().text), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadTypedIntegerTest,
    ::testing::Values(
        ReadRow{"plain", "28", 28}, ReadRow{"space_then_unit", " 35mm", 35},
        ReadRow{"tab_then_plus", "\t+28", 28}, ReadRow{"leading_zeros", "0028", 28},
        ReadRow{"decimals_ignored", "3.5", 3}, ReadRow{"second_number_ignored", "12 34", 12},
        ReadRow{"no_exponent", "1e3", 1}, ReadRow{"no_hex", "0x1A", 0},
        ReadRow{"negative", "-17", -17}, ReadRow{"space_after_sign", "- 17", 0},
        ReadRow{"two_signs", "+-17", 0}, ReadRow{"minus_zero", "-0", 0}, ReadRow{"empty", "", 0},
        ReadRow{"two_spaces", "  ", 0}, ReadRow{"letters", "abc", 0}, ReadRow{"sign_alone", "-", 0},
        // Every space byte counts, and nothing else: not 0xA0, not the full-width space.
        ReadRow{"all_space_bytes", "\t\n\v\f\r 7", 7},
        ReadRow{"nbsp_is_no_space",
                "\xA0"
                "7",
                0},
        ReadRow{"full_width_digits", "\x82\x51\x82\x57", 0},
        ReadRow{"full_width_digit_after", "28\x82\x51", 28},
        ReadRow{"full_width_space_first",
                "\x81\x40"
                "28",
                0},
        ReadRow{"utf8_full_width_digits", "\xEF\xBC\x92\xEF\xBC\x98", 0},
        ReadRow{"int32_max", "2147483647", 2147483647},
        ReadRow{"wraps_past_max", "2147483648", -2147483647 - 1},
        ReadRow{"int32_min", "-2147483648", -2147483647 - 1},
        ReadRow{"wraps_to_zero", "4294967296", 0}, ReadRow{"wraps_to_one", "4294967297", 1},
        ReadRow{"eleven_digits", "99999999999", 1215752191},
        // A zero byte ends the text, even inside the view.
        ReadRow{"zero_byte_ends_text",
                "12\0"
                "34"s,
                12},
        ReadRow{"zero_byte_first",
                "\0"
                "34"s,
                0}),
    testing::RowName{});

// The fields set no length limit: a long text is read whole, its digits still wrap.
TEST(ReadTypedIntegerLongText, ReadsPastTwoHundredFiftyFiveBytes) {
  EXPECT_EQ(ReadTypedInteger(std::string(300, ' ') + "42"), 42);
  EXPECT_EQ(ReadTypedInteger(std::string(254, ' ') + "7mm"), 7);
  // 10^400 is 0 modulo 2^32.
  EXPECT_EQ(ReadTypedInteger("1" + std::string(400, '0')), 0);
  EXPECT_EQ(ReadTypedInteger(std::string(400, '0') + "2147483647"), 2147483647);
}

}  // namespace
}  // namespace fokuro
