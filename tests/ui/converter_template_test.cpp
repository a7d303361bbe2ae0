#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "named_rows.h"
#include "ui/converter_template.h"
#include "ui/resource.h"

namespace fokuro {
namespace {

using framework::ControlKind;
using framework::ControlStyle;
using framework::ControlTemplate;
using framework::IDC_STATIC;

constexpr ControlStyle G = framework::kGroupStart;
constexpr ControlStyle T = framework::kTabStop;
constexpr ControlStyle R = framework::kReadOnly;
constexpr ControlStyle B = framework::kBorder;
constexpr ControlStyle H = framework::kAutoHScroll;
constexpr ControlStyle L = framework::kLeftAligned;
constexpr ControlStyle M = framework::kMultiLine;
constexpr ControlStyle N = framework::kNotify;
constexpr ControlStyle None = framework::kNoStyle;

constexpr ControlKind Radio = ControlKind::AutoRadioButton;
constexpr ControlKind Button = ControlKind::PushButton;
constexpr ControlKind Edit = ControlKind::Edit;
constexpr ControlKind Label = ControlKind::Label;
constexpr ControlKind Group = ControlKind::GroupBox;
constexpr ControlKind Icon = ControlKind::IconPicture;

struct ControlRow {
  const char* name;
  std::size_t index;  // place in template order, from 0
  int id;
  ControlKind kind;
  std::string_view text;
  int x, y, width, height;
  ControlStyle style;
};

void PrintTo(const ControlRow& row, std::ostream* out) {
  *out << row.name;
}

// clang-format off
constexpr ControlRow kExpectedControls[] = {
    {"c01_crop_1_0", 0, 1001, Radio, "1.0倍相当 = 1Ds N_DIGITAL 14n", 13, 19, 179, 8, G},
    {"c02_crop_1_1", 1, 1002, Radio, "1.1倍相当", 13, 29, 179, 8, None},
    {"c03_crop_1_2", 2, 1003, Radio, "1.2倍相当", 13, 39, 179, 8, None},
    {"c04_crop_1_3", 3, 1004, Radio, "1.3倍相当 = EOS-D1", 13, 49, 179, 8, None},
    {"c05_crop_1_4", 4, 1005, Radio, "1.4倍相当", 13, 59, 179, 8, None},
    {"c06_crop_1_5", 5, 1006, Radio, "1.5倍相当 = Nikon-D1 D1X D1H D100 S1Pro S2Pro", 13, 69, 179, 8, None},
    {"c07_crop_1_6", 6, 1007, Radio, "1.6倍相当 = 10D D60 D30 istD", 13, 79, 179, 8, None},
    {"c08_crop_1_7", 7, 1008, Radio, "1.7倍相当 = SD-9", 13, 89, 179, 8, None},
    {"c09_crop_group_box", 8, IDC_STATIC, Group, "レンズ表記の何倍相当", 7, 7, 201, 97, G},
    {"c10_wide_mm", 9, 3010, Edit, "", 13, 131, 81, 14, B | T | H | L},
    {"c11_tele_mm", 10, 3011, Edit, "", 112, 131, 81, 14, B | T | H | L},
    {"c12_convert", 11, 2008, Button, "ｍｍ変換", 67, 194, 73, 17, T},
    {"c13_clear", 12, 2010, Button, "入力消去", 141, 194, 39, 17, T},
    {"c14_wide_result", 13, 4016, Edit, "", 13, 173, 81, 14, B | R | H | L},
    {"c15_tele_result", 14, 4017, Edit, "", 112, 173, 81, 14, B | R | H | L},
    {"c16_exit", 15, 2009, Button, "終了", 181, 194, 27, 17, None},
    {"c17_author_web", 16, 2011, Button, "作者Webへ", 25, 194, 41, 17, M},
    {"c18_author_icon", 17, 2012, Icon, "", 7, 194, 20, 20, N},
    {"c19_lens_group_box", 18, IDC_STATIC, Group, "レンズのｍｍ", 7, 108, 201, 42, None},
    {"c20_lens_wide_label", 19, IDC_STATIC, Label, "広角側（単焦点）", 13, 117, 78, 8, G | L},
    {"c21_lens_tele_label", 20, IDC_STATIC, Label, "望遠側", 112, 117, 78, 8, G | L},
    {"c22_result_wide_label", 21, IDC_STATIC, Label, "広角側（単焦点）", 13, 159, 78, 8, G | L},
    {"c23_result_tele_label", 22, IDC_STATIC, Label, "望遠側", 112, 159, 78, 8, G | L},
    {"c24_result_group_box", 23, IDC_STATIC, Group, "デジタル一眼レフのｍｍ", 7, 150, 201, 42, None},
};
// clang-format on

const framework::DialogTemplate& Dialog() {
  return ConverterDialogTemplate();
}

TEST(ConverterTemplateTest, HoldsExactlyTheTabledControls) {
  EXPECT_EQ(Dialog().controls.size(), std::size(kExpectedControls));
}

class ConverterControlTest : public ::testing::TestWithParam<ControlRow> {};

TEST_P(ConverterControlTest, MatchesItsRow) {
  const ControlRow& row = GetParam();
  ASSERT_LT(row.index, Dialog().controls.size());
  const ControlTemplate& control = Dialog().controls[row.index];
  EXPECT_EQ(control.id, row.id);
  EXPECT_EQ(control.kind, row.kind);
  EXPECT_EQ(control.text, row.text);
  EXPECT_EQ(control.x, row.x);
  EXPECT_EQ(control.y, row.y);
  EXPECT_EQ(control.width, row.width);
  EXPECT_EQ(control.height, row.height);
  EXPECT_EQ(static_cast<unsigned>(control.style), static_cast<unsigned>(row.style));
  // Only the picture shows an icon, and it is the program's own.
  EXPECT_EQ(control.iconResource, row.kind == Icon ? 128 : 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, ConverterControlTest, ::testing::ValuesIn(kExpectedControls),
                         testing::RowName{});

TEST(ConverterTemplateTest, WindowProperties) {
  const framework::DialogTemplate& dialog = Dialog();
  EXPECT_EQ(dialog.id, 102u);
  EXPECT_EQ(dialog.title, "Fokuro（デジタル一眼レフなら何ミリ？）");
  EXPECT_EQ(dialog.font.face, "ＭＳ ゴシック");
  EXPECT_EQ(dialog.font.pointSize, 11);
  EXPECT_EQ(dialog.clientWidth, 217);
  EXPECT_EQ(dialog.clientHeight, 218);
  EXPECT_TRUE(dialog.frame.systemMenu);
  EXPECT_FALSE(dialog.frame.minimizeBox);
  EXPECT_FALSE(dialog.frame.maximizeBox);
  EXPECT_FALSE(dialog.frame.contextHelp);
  EXPECT_FALSE(dialog.frame.resizable);
  EXPECT_TRUE(dialog.frame.taskBarButton);
}

// A few texts spelled out byte by byte, so that a full-width or half-width slip shows even if
// both sides of the row table were copied the same wrong way.
struct BytesRow {
  const char* name;
  int id;
  std::string_view bytes;
};

void PrintTo(const BytesRow& row, std::ostream* out) {
  *out << row.name;
}

class ControlTextBytesTest : public ::testing::TestWithParam<BytesRow> {};

TEST_P(ControlTextBytesTest, AreExact) {
  const framework::ControlTemplate* control = Dialog().FindControl(GetParam().id);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->text, GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ControlTextBytesTest,
    ::testing::Values(
        // full-width "ｍｍ" (U+FF4D twice)
        BytesRow{"convert_full_width_mm", 2008, "\xEF\xBD\x8D\xEF\xBD\x8D\xE5\xA4\x89\xE6\x8F\x9B"},
        BytesRow{"crop_1_0_half_width_latin", 1001,
                 "1.0\xE5\x80\x8D\xE7\x9B\xB8\xE5\xBD\x93 = 1Ds N_DIGITAL 14n"}),
    testing::RowName{});

TEST(ConverterTemplateTest, TitleAndFontFaceBytes) {
  EXPECT_EQ(
      Dialog().font.face,
      "\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF");  // full-width
                                                                                     // "ＭＳ", one
                                                                                     // half-width
                                                                                     // space
  EXPECT_EQ(Dialog().title,
            "Fokuro\xEF\xBC\x88\xE3\x83\x87\xE3\x82\xB8\xE3\x82\xBF\xE3\x83\xAB\xE4\xB8\x80\xE7\x9C"
            "\xBC\xE3\x83\xAC\xE3\x83\x95\xE3\x81\xAA\xE3\x82\x89\xE4\xBD\x95\xE3\x83\x9F\xE3\x83"
            "\xAA\xEF\xBC\x9F\xEF\xBC\x89");
}

TEST(ConverterTemplateTest, TabReachesOnlyTheInputsAndTwoButtonsInOrder) {
  std::vector<int> tabStops;
  for (const ControlTemplate& control : Dialog().controls) {
    if (control.Has(framework::kTabStop)) {
      tabStops.push_back(control.id);
    }
  }
  EXPECT_EQ(tabStops, (std::vector<int>{3010, 3011, 2008, 2010}));
}

// A control by its number, or by its caption when it has none.
std::string KeyOf(const ControlTemplate& control) {
  return control.id == IDC_STATIC ? std::string(control.text) : std::to_string(control.id);
}

TEST(ConverterTemplateTest, GroupStartsCutTheKeyboardGroups) {
  std::vector<std::vector<std::string>> groups;
  for (const ControlTemplate& control : Dialog().controls) {
    if (control.Has(framework::kGroupStart) || groups.empty()) {
      groups.emplace_back();
    }
    groups.back().push_back(KeyOf(control));
  }
  const std::vector<std::vector<std::string>> expected = {
      {"1001", "1002", "1003", "1004", "1005", "1006", "1007", "1008"},
      {"レンズ表記の何倍相当", "3010", "3011", "2008", "2010", "4016", "4017", "2009", "2011",
       "2012", "レンズのｍｍ"},
      {"広角側（単焦点）"},
      {"望遠側"},
      {"広角側（単焦点）"},
      {"望遠側", "デジタル一眼レフのｍｍ"},
  };
  EXPECT_EQ(groups, expected);
  ASSERT_FALSE(Dialog().controls.empty());
  EXPECT_TRUE(Dialog().controls[0].Has(framework::kGroupStart));
}

TEST(ConverterTemplateTest, NoTextCarriesAnAccessKeyMarker) {
  EXPECT_EQ(Dialog().title.find('&'), std::string_view::npos);
  for (const ControlTemplate& control : Dialog().controls) {
    EXPECT_EQ(control.text.find('&'), std::string_view::npos) << KeyOf(control);
  }
}

TEST(ConverterTemplateTest, FindsEveryNumberedControlByItsNumber) {
  for (const ControlRow& row : kExpectedControls) {
    if (row.id == IDC_STATIC) {
      continue;
    }
    const ControlTemplate* control = Dialog().FindControl(row.id);
    ASSERT_NE(control, nullptr) << row.name;
    EXPECT_EQ(control, &Dialog().controls[row.index]) << row.name;
  }
}

struct ConstantRow {
  const char* name;
  long long constant;
  long long number;
};

void PrintTo(const ConstantRow& row, std::ostream* out) {
  *out << row.name;
}

class ResourceConstantTest : public ::testing::TestWithParam<ConstantRow> {};

TEST_P(ResourceConstantTest, HasItsFixedNumber) {
  EXPECT_EQ(GetParam().constant, GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Rows, ResourceConstantTest,
                         ::testing::Values(ConstantRow{"IDD_CONVERTER_DIALOG", IDD_CONVERTER_DIALOG,
                                                       102},
                                           ConstantRow{"IDI_APP_ICON", IDI_APP_ICON, 128},
                                           ConstantRow{"IDC_CROP_1_0", IDC_CROP_1_0, 1001},
                                           ConstantRow{"IDC_CROP_1_1", IDC_CROP_1_1, 1002},
                                           ConstantRow{"IDC_CROP_1_2", IDC_CROP_1_2, 1003},
                                           ConstantRow{"IDC_CROP_1_3", IDC_CROP_1_3, 1004},
                                           ConstantRow{"IDC_CROP_1_4", IDC_CROP_1_4, 1005},
                                           ConstantRow{"IDC_CROP_1_5", IDC_CROP_1_5, 1006},
                                           ConstantRow{"IDC_CROP_1_6", IDC_CROP_1_6, 1007},
                                           ConstantRow{"IDC_CROP_1_7", IDC_CROP_1_7, 1008},
                                           ConstantRow{"IDC_CONVERT", IDC_CONVERT, 2008},
                                           ConstantRow{"IDC_EXIT", IDC_EXIT, 2009},
                                           ConstantRow{"IDC_CLEAR", IDC_CLEAR, 2010},
                                           ConstantRow{"IDC_AUTHOR_WEB", IDC_AUTHOR_WEB, 2011},
                                           ConstantRow{"IDC_AUTHOR_ICON", IDC_AUTHOR_ICON, 2012},
                                           ConstantRow{"IDC_WIDE_MM", IDC_WIDE_MM, 3010},
                                           ConstantRow{"IDC_TELE_MM", IDC_TELE_MM, 3011},
                                           ConstantRow{"IDC_WIDE_RESULT", IDC_WIDE_RESULT, 4016},
                                           ConstantRow{"IDC_TELE_RESULT", IDC_TELE_RESULT, 4017}),
                         testing::RowName{});

}  // namespace
}  // namespace fokuro
