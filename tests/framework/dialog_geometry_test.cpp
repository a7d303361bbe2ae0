#include "framework/dialog_geometry.h"

#include <gtest/gtest.h>

#include <ostream>

#include "named_rows.h"

namespace framework {

void PrintTo(const Rect& rect, std::ostream* out) {
  *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}

void PrintTo(const Point& point, std::ostream* out) {
  *out << "(" << point.x << ", " << point.y << ")";
}

namespace {

struct UnitRow {
  const char* name;
  int dialogUnits;
  int base;  // average width for horizontal rows, character height for vertical ones
  int pixels;
};

void PrintTo(const UnitRow& row, std::ostream* out) {
  *out << row.name;
}

class HorizontalPixelsTest : public ::testing::TestWithParam<UnitRow> {};

TEST_P(HorizontalPixelsTest, RoundsToNearest) {
  const UnitRow& row = GetParam();
  EXPECT_EQ(HorizontalPixels(row.dialogUnits, BaseUnits{row.base, 999}), row.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HorizontalPixelsTest,
    ::testing::Values(UnitRow{"zero", 0, 6, 0}, UnitRow{"exact", 4, 6, 6},
                      UnitRow{"one_and_a_half_up", 1, 6, 2}, UnitRow{"two_and_a_half_up", 10, 1, 3},
                      UnitRow{"half_up", 13, 6, 20},          // 19.5
                      UnitRow{"quarter_down", 1, 5, 1},       // 1.25
                      UnitRow{"three_quarters_up", 3, 5, 4},  // 3.75
                      UnitRow{"client_width", 217, 6, 326},   // 325.5
                      UnitRow{"negative_half_away", -13, 6, -20},
                      UnitRow{"negative_quarter", -1, 5, -1},  // -1.25
                      UnitRow{"negative_three_quarters", -3, 5, -4},
                      UnitRow{"product_beyond_32_bits", 1 << 20, 1 << 12, 1 << 30}),
    fokuro::testing::RowName{});

class VerticalPixelsTest : public ::testing::TestWithParam<UnitRow> {};

TEST_P(VerticalPixelsTest, RoundsToNearest) {
  const UnitRow& row = GetParam();
  EXPECT_EQ(VerticalPixels(row.dialogUnits, BaseUnits{999, row.base}), row.pixels);
}

INSTANTIATE_TEST_SUITE_P(Rows, VerticalPixelsTest,
                         ::testing::Values(UnitRow{"zero", 0, 13, 0}, UnitRow{"exact", 8, 13, 13},
                                           UnitRow{"half_up", 4, 13, 7},           // 6.5
                                           UnitRow{"seven_eighths_up", 3, 13, 5},  // 4.875
                                           UnitRow{"two_and_a_half_up", 20, 1, 3},
                                           UnitRow{"three_eighths_down", 3, 9, 3},  // 3.375
                                           UnitRow{"an_eighth_down", 9, 9, 10},     // 10.125
                                           UnitRow{"client_height", 218, 13, 354},  // 354.25
                                           UnitRow{"negative_half_away", -4, 13, -7},
                                           UnitRow{"negative_small", -9, 9, -10}),  // -10.125
                         fokuro::testing::RowName{});

TEST(ControlRectInPixelsTest, ConvertsPositionAndSizeApart) {
  // 13, 131, 81 x 14 at base 6 x 10: left 19.5 -> 20, width 121.5 -> 122, top 163.75 -> 164,
  // height 17.5 -> 18. Converting the far edges instead (94 -> 141, 145 -> 181.25) is off by 1.
  const ControlTemplate edit{3010, ControlKind::Edit, "", 13, 131, 81, 14, kTabStop};
  EXPECT_EQ(ControlRectInPixels(edit, BaseUnits{6, 10}), (Rect{20, 164, 142, 182}));
}

TEST(ControlRectInPixelsTest, IconPictureTakesTheIconsSize) {
  // 7 x 194 at base 6 x 13: 10.5 -> 11 and 315.25 -> 315; the template's 20 x 20 is ignored.
  const ControlTemplate icon{2012, ControlKind::IconPicture, "", 7, 194, 20, 20, kNotify, 128};
  EXPECT_EQ(ControlRectInPixels(icon, BaseUnits{6, 13}), (Rect{11, 315, 43, 347}));
}

struct CenterRow {
  const char* name;
  Size outer;
  Rect workArea;
  Point expected;
};

void PrintTo(const CenterRow& row, std::ostream* out) {
  *out << row.name;
}

class CenterInWorkAreaTest : public ::testing::TestWithParam<CenterRow> {};

TEST_P(CenterInWorkAreaTest, Places) {
  const CenterRow& row = GetParam();
  EXPECT_EQ(CenterInWorkArea(row.outer, row.workArea), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CenterInWorkAreaTest,
    ::testing::Values(
        CenterRow{"even_sizes", {400, 300}, {0, 0, 1024, 768}, {312, 234}},
        CenterRow{"odd_window_drops_the_half", {331, 255}, {0, 0, 1024, 768}, {347, 257}},
        CenterRow{"odd_work_area_drops_the_half", {400, 300}, {0, 0, 1025, 769}, {312, 234}},
        CenterRow{"non_zero_origin", {400, 300}, {100, 50, 1380, 1010}, {540, 380}},
        CenterRow{"fills_the_work_area", {1024, 768}, {0, 0, 1024, 768}, {0, 0}},
        CenterRow{"wider_than_the_work_area", {1100, 300}, {0, 0, 1024, 768}, {0, 234}},
        CenterRow{"taller_than_the_work_area", {400, 800}, {0, 0, 1024, 768}, {312, 0}},
        CenterRow{"too_big_keeps_the_top_left", {1100, 800}, {200, 40, 1224, 808}, {200, 40}},
        // (-1001 + 0) / 2 is -500, not -501: the division truncates toward zero.
        CenterRow{"negative_work_area_truncates", {11, 11}, {-1001, -1001, 0, 0}, {-505, -505}},
        // -3 / 2 is -1, so left -2 and the window would pass the right and bottom edges by 1.
        CenterRow{"pushed_back_from_right_and_bottom", {3, 3}, {-3, -3, 0, 0}, {-3, -3}},
        CenterRow{"pushed_back_from_the_right_only", {3, 2}, {-3, -3, 0, 0}, {-3, -2}}),
    fokuro::testing::RowName{});

}  // namespace
}  // namespace framework
