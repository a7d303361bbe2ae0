// How the window ends: each key, the close request and the exit button, with the end code.
#include <QTest>

#include "behaviour_steps.h"
#include "named_rows.h"
#include "ui/converter_dlg.h"
#include "ui/resource.h"
#include "window_fixture.h"

namespace fokuro::testing {
namespace {

// Where the focus is taken before the ending input; "28" is always typed first.
enum class Before {
  TypedIntoWide,         // focus in IDC_WIDE_MM
  ClickedRadio,          // focus on a crop-class button
  ClickedResult,         // focus in IDC_WIDE_RESULT
  ConvertedThenRetyped,  // focus on IDC_CONVERT, the wide input changed to "50" since
};

enum class Ending { Enter, Escape, CloseRequest, AltF4, ClickExit };

struct EndRow {
  const char* name;
  Before before;
  Ending ending;
  bool staysOpen;          // then Escape ends it
  const char* wideResult;  // right after the ending input
  int endCode;
};

void PrintTo(const EndRow& row, std::ostream* out) {
  *out << row.name;
}

class EndingTest : public WindowTest, public ::testing::WithParamInterface<EndRow> {};

TEST_P(EndingTest, EndsWithItsCode) {
  const EndRow& row = GetParam();
  CConverterDlg dialog;
  const auto endCode = RunModal(dialog, [&] {
    TypeInto(dialog, IDC_WIDE_MM, "28");
    int focus = IDC_WIDE_MM;
    switch (row.before) {
      case Before::TypedIntoWide:
        break;
      case Before::ClickedRadio:
        Click(dialog, IDC_CROP_1_2);
        focus = IDC_CROP_1_2;
        break;
      case Before::ClickedResult:
        Click(dialog, IDC_WIDE_RESULT);
        focus = IDC_WIDE_RESULT;
        break;
      case Before::ConvertedThenRetyped:
        Click(dialog, IDC_CONVERT);
        ASSERT_EQ(TextOf(dialog, IDC_WIDE_RESULT), "44.8");
        // Set by program so that the focus stays on the button.
        dialog.SetDlgItemText(IDC_WIDE_MM, "50");
        focus = IDC_CONVERT;
        break;
    }
    ASSERT_EQ(FocusedControl(dialog), focus);

    switch (row.ending) {
      case Ending::Enter:
        PressKey(dialog, Qt::Key_Return);
        break;
      case Ending::Escape:
        PressKey(dialog, Qt::Key_Escape);
        break;
      case Ending::CloseRequest:
        WindowOf(dialog)->close();
        break;
      case Ending::AltF4:
        PressKey(dialog, Qt::Key_F4, Qt::AltModifier);
        break;
      case Ending::ClickExit:
        Click(dialog, IDC_EXIT);
        break;
    }
    // The platform window lives on until DoModal returns, so its fields can still be read.
    EXPECT_EQ(WindowOf(dialog)->isVisible(), row.staysOpen);
    EXPECT_EQ(TextOf(dialog, IDC_WIDE_RESULT), row.wideResult);
    if (WindowOf(dialog)->isVisible()) {
      PressKey(dialog, Qt::Key_Escape);
    }
  });
  EXPECT_EQ(endCode, row.endCode);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}

constexpr int kOk = static_cast<int>(framework::IDOK);
constexpr int kCancel = static_cast<int>(framework::IDCANCEL);

INSTANTIATE_TEST_SUITE_P(
    Rows, EndingTest,
    ::testing::Values(
        EndRow{"enter_in_wide_input", Before::TypedIntoWide, Ending::Enter, false, "", kOk},
        EndRow{"enter_after_radio_click", Before::ClickedRadio, Ending::Enter, false, "", kOk},
        EndRow{"enter_in_result_field", Before::ClickedResult, Ending::Enter, false, "", kOk},
        EndRow{"enter_on_convert_converts_again", Before::ConvertedThenRetyped, Ending::Enter, true,
               "80.", kCancel},
        EndRow{"escape_in_wide_input", Before::TypedIntoWide, Ending::Escape, false, "", kCancel},
        EndRow{"escape_on_convert", Before::ConvertedThenRetyped, Ending::Escape, false, "44.8",
               kCancel},
        EndRow{"close_request", Before::TypedIntoWide, Ending::CloseRequest, false, "", kCancel},
        EndRow{"alt_f4", Before::TypedIntoWide, Ending::AltF4, false, "", kCancel},
        EndRow{"alt_f4_on_radio", Before::ClickedRadio, Ending::AltF4, false, "", kCancel},
        EndRow{"exit_button", Before::TypedIntoWide, Ending::ClickExit, false, "", kOk}),
    RowName{});

}  // namespace
}  // namespace fokuro::testing
