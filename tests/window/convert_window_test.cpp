// Conversions through the real window: typed with the keyboard, converted with a click.
#include <QTest>

#include <string>
#include <vector>

#include "behaviour_steps.h"
#include "named_rows.h"
#include "ui/converter_dlg.h"
#include "ui/resource.h"
#include "window_fixture.h"

namespace fokuro::testing {
namespace {

struct ConvertRow {
  const char* name;
  int classClicked;  // 0: the class the window opens with, 1.6
  const char* wide;
  const char* tele;
  bool clearBeforeConvert;
  const char* wideResult;
  const char* teleResult;
};

void PrintTo(const ConvertRow& row, std::ostream* out) {
  *out << row.name;
}

class ConvertThroughWindowTest : public WindowTest,
                                 public ::testing::WithParamInterface<ConvertRow> {};

TEST_P(ConvertThroughWindowTest, ShowsBothResultsAndLeavesInputsClassAndFocus) {
  const ConvertRow& row = GetParam();
  CConverterDlg dialog;
  const auto endCode = RunModal(dialog, [&] {
    if (row.classClicked != 0) {
      Click(dialog, row.classClicked);
    }
    TypeInto(dialog, IDC_WIDE_MM, row.wide);
    TypeInto(dialog, IDC_TELE_MM, row.tele);
    const std::string wideTyped = row.clearBeforeConvert ? "" : row.wide;
    const std::string teleTyped = row.clearBeforeConvert ? "" : row.tele;
    if (row.clearBeforeConvert) {
      Click(dialog, IDC_CLEAR);
    }
    ASSERT_EQ(TextOf(dialog, IDC_WIDE_MM), wideTyped);
    ASSERT_EQ(TextOf(dialog, IDC_TELE_MM), teleTyped);

    Click(dialog, IDC_CONVERT);

    EXPECT_EQ(TextOf(dialog, IDC_WIDE_RESULT), row.wideResult);
    EXPECT_EQ(TextOf(dialog, IDC_TELE_RESULT), row.teleResult);
    EXPECT_EQ(TextOf(dialog, IDC_WIDE_MM), wideTyped);
    EXPECT_EQ(TextOf(dialog, IDC_TELE_MM), teleTyped);
    const int checked = row.classClicked != 0 ? row.classClicked : IDC_CROP_1_6;
    EXPECT_EQ(CheckedClasses(dialog), std::vector<int>{checked});
    // The click put the focus on the button; converting must not move it.
    EXPECT_EQ(FocusedControl(dialog), IDC_CONVERT);
    EXPECT_TRUE(WindowOf(dialog)->isVisible());
    PressKey(dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(endCode, framework::IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConvertThroughWindowTest,
    ::testing::Values(
        ConvertRow{"prime_at_1_6", 0, "28", "", false, "44.8", ""},
        ConvertRow{"zoom_at_1_6", 0, "18", "55", false, "28.8", "88."},
        ConvertRow{"empty_wide_reads_zero", 0, "", "", false, "0.", ""},
        ConvertRow{"spaces_only_tele_is_not_empty", 0, "28", "  ", false, "44.8", "0."},
        ConvertRow{"tele_only", 0, "", "200", false, "0.", "320."},
        ConvertRow{"unit_after_a_space", 0, " 35mm", "", false, "56.", ""},
        ConvertRow{"wrapped_number", 0, "2147483648", "", false, "-3435973837", ""},
        ConvertRow{"clicked_class_1_0", IDC_CROP_1_0, "50", "", false, "50.", ""},
        ConvertRow{"clicked_class_1_5", IDC_CROP_1_5, "17", "55", false, "25.5", "82.5"},
        ConvertRow{"clicked_class_1_7", IDC_CROP_1_7, "10", "20", false, "17.", "34."},
        ConvertRow{"clicked_class_1_1", IDC_CROP_1_1, "7", "", false, "7.7", ""},
        ConvertRow{"clear_then_convert", 0, "28", "55", true, "0.", ""},
        ConvertRow{"clear_then_convert_at_1_3", IDC_CROP_1_3, "24", "70", true, "0.", ""}),
    RowName{});

// What the user does between two conversions; none of it may touch the results.
enum class Change { ClickOtherClass, TypeMoreIntoWide, TypeIntoTele, ClickClear };

struct UntilConvertRow {
  const char* name;
  Change change;
  const char* wideResult;  // after the next click on the convert button
  const char* teleResult;
};

void PrintTo(const UntilConvertRow& row, std::ostream* out) {
  *out << row.name;
}

class ResultsStayUntilConvertTest : public WindowTest,
                                    public ::testing::WithParamInterface<UntilConvertRow> {};

TEST_P(ResultsStayUntilConvertTest, OnlyTheConvertButtonRewritesTheResults) {
  const UntilConvertRow& row = GetParam();
  CConverterDlg dialog;
  const auto endCode = RunModal(dialog, [&] {
    TypeInto(dialog, IDC_WIDE_MM, "28");
    Click(dialog, IDC_CONVERT);
    ASSERT_EQ(TextOf(dialog, IDC_WIDE_RESULT), "44.8");
    ASSERT_EQ(TextOf(dialog, IDC_TELE_RESULT), "");

    switch (row.change) {
      case Change::ClickOtherClass:
        Click(dialog, IDC_CROP_1_0);
        ASSERT_EQ(CheckedClasses(dialog), std::vector<int>{IDC_CROP_1_0});
        break;
      case Change::TypeMoreIntoWide:
        TypeInto(dialog, IDC_WIDE_MM, "5");
        ASSERT_EQ(TextOf(dialog, IDC_WIDE_MM), "285");
        break;
      case Change::TypeIntoTele:
        TypeInto(dialog, IDC_TELE_MM, "55");
        ASSERT_EQ(TextOf(dialog, IDC_TELE_MM), "55");
        break;
      case Change::ClickClear:
        Click(dialog, IDC_CLEAR);
        ASSERT_EQ(TextOf(dialog, IDC_WIDE_MM), "");
        ASSERT_EQ(CheckedClasses(dialog), std::vector<int>{IDC_CROP_1_6});
        break;
    }
    EXPECT_EQ(TextOf(dialog, IDC_WIDE_RESULT), "44.8");
    EXPECT_EQ(TextOf(dialog, IDC_TELE_RESULT), "");

    Click(dialog, IDC_CONVERT);
    EXPECT_EQ(TextOf(dialog, IDC_WIDE_RESULT), row.wideResult);
    EXPECT_EQ(TextOf(dialog, IDC_TELE_RESULT), row.teleResult);
    PressKey(dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(endCode, framework::IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ResultsStayUntilConvertTest,
    ::testing::Values(UntilConvertRow{"other_class", Change::ClickOtherClass, "28.", ""},
                      UntilConvertRow{"more_wide_digits", Change::TypeMoreIntoWide, "456.", ""},
                      UntilConvertRow{"tele_typed", Change::TypeIntoTele, "44.8", "88."},
                      UntilConvertRow{"inputs_cleared", Change::ClickClear, "0.", ""}),
    RowName{});

}  // namespace
}  // namespace fokuro::testing
