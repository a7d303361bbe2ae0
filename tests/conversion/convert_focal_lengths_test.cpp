#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

#include "conversion/conversion.h"
#include "named_rows.h"

namespace fokuro {
namespace {

using namespace std::string_literals;

struct FactorRow {
  const char* name;
  int classNumber;
  std::uint64_t bits;  // the factor's exact double, so a near miss cannot pass
};

void PrintTo(const FactorRow& row, std::ostream* out) {
  *out << row.name;
}

class CropFactorForClassTest : public ::testing::TestWithParam<FactorRow> {};

TEST_P(CropFactorForClassTest, GivesTheNearestDouble) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(CropFactorForClass(GetParam().classNumber)),
            GetParam().bits);
}

INSTANTIATE_TEST_SUITE_P(Rows, CropFactorForClassTest,
                         ::testing::Values(FactorRow{"class_1_0", 1001, 0x3FF0000000000000},
                                           FactorRow{"class_1_1", 1002, 0x3FF199999999999A},
                                           FactorRow{"class_1_2", 1003, 0x3FF3333333333333},
                                           FactorRow{"class_1_3", 1004, 0x3FF4CCCCCCCCCCCD},
                                           FactorRow{"class_1_4", 1005, 0x3FF6666666666666},
                                           FactorRow{"class_1_5", 1006, 0x3FF8000000000000},
                                           FactorRow{"class_1_6", 1007, 0x3FF999999999999A},
                                           FactorRow{"class_1_7", 1008, 0x3FFB333333333333},
                                           FactorRow{"none_checked", 0, 0x3FF0000000000000},
                                           FactorRow{"below_the_range", 1000, 0x3FF0000000000000},
                                           FactorRow{"above_the_range", 1009, 0x3FF0000000000000},
                                           FactorRow{"negative", -1007, 0x3FF0000000000000},
                                           FactorRow{"int_min", INT32_MIN, 0x3FF0000000000000}),
                         testing::RowName{});

struct ConvertRow {
  const char* name;
  int classNumber;
  std::string wide;
  std::string tele;
  const char* wideResult;
  const char* teleResult;
};

void PrintTo(const ConvertRow& row, std::ostream* out) {
  *out << row.name;
}

class ConvertFocalLengthsTest : public ::testing::TestWithParam<ConvertRow> {};

TEST_P(ConvertFocalLengthsTest, GivesBothResults) {
  const ConvertRow& row = GetParam();
  const FocalLengthResults results = ConvertFocalLengths(row.classNumber, row.wide, row.tele);
  EXPECT_EQ(results.wide, row.wideResult);
  EXPECT_EQ(results.tele, row.teleResult);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConvertFocalLengthsTest,
    ::testing::Values(
        ConvertRow{"prime_at_1_6", 1007, "28", "", "44.8", ""},
        ConvertRow{"zoom_at_1_6", 1007, "18", "55", "28.8", "88."},
        ConvertRow{"full_frame", 1001, "50", "", "50.", ""},
        ConvertRow{"zoom_at_1_5", 1006, "17", "55", "25.5", "82.5"},
        ConvertRow{"zoom_at_1_3", 1004, "24", "70", "31.2", "91."},
        ConvertRow{"zoom_at_1_7", 1008, "10", "20", "17.", "34."},
        ConvertRow{"prime_at_1_1", 1002, "7", "", "7.7", ""},
        ConvertRow{"prime_at_1_2", 1003, "3", "", "3.6", ""},
        ConvertRow{"prime_at_1_4", 1005, "105", "", "147.", ""},
        ConvertRow{"both_empty", 1007, "", "", "0.", ""},
        ConvertRow{"empty_wide", 1007, "", "200", "0.", "320."},
        ConvertRow{"space_is_not_empty", 1007, "28", " ", "44.8", "0."},
        ConvertRow{"zeros", 1007, "0", "0", "0.", "0."},
        ConvertRow{"letters", 1007, "abc", "", "0.", ""},
        ConvertRow{"unit_after_number", 1007, " 35mm", "", "56.", ""},
        ConvertRow{"decimals_ignored", 1007, "3.5", "", "4.8", ""},
        ConvertRow{"full_width_digits", 1007, "\x82\x51\x82\x57", "", "0.", ""},
        ConvertRow{"negative", 1001, "-17", "", "-17.", ""},
        ConvertRow{"none_checked", 0, "100", "", "100.", ""},
        ConvertRow{"unknown_class", 1009, "100", "", "100.", ""},
        ConvertRow{"nine_and_ten_digits", 1001, "999999999", "1000000000", "999999999.",
                   "1000000000"},
        ConvertRow{"decimal_dropped", 1002, "1234567891", "", "1358024680", ""},
        ConvertRow{"ties_away_from_zero", 1006, "666666667", "-666666667", "1000000001",
                   "-1000000001"},
        ConvertRow{"int32_max", 1007, "2147483647", "", "3435973835", ""},
        ConvertRow{"wraps_round", 1007, "2147483648", "", "-3435973837", ""},
        ConvertRow{"extremes", 1008, "-2147483648", "2147483647", "-3650722202", "3650722200"},
        ConvertRow{"eleven_digits_wrap", 1001, "99999999999", "", "1215752191", ""},
        // The tele text ends at its first zero byte: one that starts with it is empty.
        ConvertRow{"tele_zero_byte_first", 1007, "28",
                   "\0"
                   "55"s,
                   "44.8", ""},
        ConvertRow{"tele_zero_byte_later", 1007, "28",
                   "55\0"
                   "1"s,
                   "44.8", "88."},
        ConvertRow{"long_texts_read_whole", 1007, std::string(300, ' ') + "28",
                   std::string(256, '\t') + "55", "44.8", "88."}),
    testing::RowName{});

}  // namespace
}  // namespace fokuro
