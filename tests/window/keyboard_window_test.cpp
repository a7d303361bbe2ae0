// Tab, Shift+Tab and the arrows, pressed on the widget that really holds the keyboard focus.
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <array>
#include <vector>

#include "named_rows.h"
#include "ui/converter_dlg.h"
#include "ui/resource.h"
#include "window_fixture.h"
#include "window_input.h"

namespace fokuro::testing {
namespace {

constexpr std::array kTabCycle{IDC_WIDE_MM, IDC_TELE_MM, IDC_CONVERT, IDC_CLEAR};

// The control with the application's keyboard focus, which is where a typed key goes.
int KeyboardFocus() {
  const QWidget* focus = QApplication::focusWidget();
  return focus == nullptr ? 0 : focus->property("controlId").toInt();
}

int NextInCycle(int control, bool backward) {
  const auto* at = std::find(kTabCycle.begin(), kTabCycle.end(), control);
  if (at == kTabCycle.end()) {
    return 0;
  }
  const auto index = static_cast<std::size_t>(at - kTabCycle.begin());
  return kTabCycle[(index + (backward ? kTabCycle.size() - 1 : 1)) % kTabCycle.size()];
}

void PressTab(bool backward) {
  if (backward) {
    // What X11 delivers for Shift+Tab.
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
  } else {
    Press(Qt::Key_Tab);
  }
}

// A long run of presses in one direction: each lands on the cycle's next tab stop, so none
// ever lands on a radio button, a result field, 2009, 2011 or 2012.
void ExpectRunFollowsTheCycle(bool backward, int presses) {
  for (int i = 0; i < presses; ++i) {
    const int from = KeyboardFocus();
    PressTab(backward);
    ASSERT_EQ(KeyboardFocus(), NextInCycle(from, backward))
        << (backward ? "Shift+Tab" : "Tab") << " number " << i + 1 << " from " << from;
  }
}

std::vector<int> CheckedRadios(const framework::CWnd& dialog) {
  std::vector<int> checked;
  for (int radio = IDC_CROP_1_0; radio <= IDC_CROP_1_7; ++radio) {
    if (dialog.IsDlgButtonChecked(radio) != framework::BST_UNCHECKED) {
      checked.push_back(radio);
    }
  }
  return checked;
}

using KeyboardWindowTest = WindowTest;

TEST_F(KeyboardWindowTest, TabFromAFreshWindowGoesWideTeleConvertClearAndBack) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    ASSERT_EQ(QApplication::activeWindow(), WindowOf(dialog));
    ASSERT_EQ(KeyboardFocus(), IDC_WIDE_MM);
    std::vector<int> landed;
    for (int i = 0; i < 8; ++i) {
      Press(Qt::Key_Tab);
      landed.push_back(KeyboardFocus());
    }
    EXPECT_EQ(landed, (std::vector{IDC_TELE_MM, IDC_CONVERT, IDC_CLEAR, IDC_WIDE_MM, IDC_TELE_MM,
                                   IDC_CONVERT, IDC_CLEAR, IDC_WIDE_MM}));
  });
}

TEST_F(KeyboardWindowTest, ShiftTabFromAFreshWindowGoesClearConvertTeleWideAndBack) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    ASSERT_EQ(KeyboardFocus(), IDC_WIDE_MM);
    std::vector<int> landed;
    for (int i = 0; i < 8; ++i) {
      PressTab(true);
      landed.push_back(KeyboardFocus());
    }
    EXPECT_EQ(landed, (std::vector{IDC_CLEAR, IDC_CONVERT, IDC_TELE_MM, IDC_WIDE_MM, IDC_CLEAR,
                                   IDC_CONVERT, IDC_TELE_MM, IDC_WIDE_MM}));
  });
}

TEST_F(KeyboardWindowTest, TabbingIntoTheTeleInputOfAFreshWindowSelectsItsTextAndTypingReplacesIt) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    dialog.SetDlgItemText(IDC_TELE_MM, "135mm");
    Press(Qt::Key_Tab);
    ASSERT_EQ(KeyboardFocus(), IDC_TELE_MM);
    EXPECT_EQ(EditOf(dialog, IDC_TELE_MM)->selectedText(), QStringLiteral("135mm"));
    Type(QStringLiteral("200"));
    EXPECT_EQ(TextOf(dialog, IDC_TELE_MM), "200");
  });
}

// Clicks give the focus to a control Tab never reaches; Tab must still come back to the cycle.
struct StartRow {
  const char* name;
  int clicked;
  int afterTab;
  int afterShiftTab;
};

void PrintTo(const StartRow& row, std::ostream* out) {
  *out << row.name;
}

class TabAfterClickTest : public WindowTest, public ::testing::WithParamInterface<StartRow> {};

TEST_P(TabAfterClickTest, TabAndShiftTabGoToTheNearestTabStopAndStayInTheCycle) {
  RecordingDialog dialog;
  RunActive(dialog, [&] {
    for (const bool backward : {false, true}) {
      SCOPED_TRACE(backward ? "Shift+Tab" : "Tab");
      // From the window's first focus, so a click that takes no focus leaves it in 3010.
      dialog.GotoDlgCtrl(IDC_WIDE_MM);
      Click(ControlOf(dialog, GetParam().clicked));
      PressTab(backward);
      EXPECT_EQ(KeyboardFocus(), backward ? GetParam().afterShiftTab : GetParam().afterTab);
      ExpectRunFollowsTheCycle(backward, 9);
    }
  });
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TabAfterClickTest,
    ::testing::Values(StartRow{"radio_1001", IDC_CROP_1_0, IDC_WIDE_MM, IDC_CLEAR},
                      StartRow{"radio_1002", IDC_CROP_1_1, IDC_WIDE_MM, IDC_CLEAR},
                      StartRow{"radio_1003", IDC_CROP_1_2, IDC_WIDE_MM, IDC_CLEAR},
                      StartRow{"radio_1004", IDC_CROP_1_3, IDC_WIDE_MM, IDC_CLEAR},
                      StartRow{"radio_1005", IDC_CROP_1_4, IDC_WIDE_MM, IDC_CLEAR},
                      StartRow{"radio_1006", IDC_CROP_1_5, IDC_WIDE_MM, IDC_CLEAR},
                      StartRow{"radio_1007", IDC_CROP_1_6, IDC_WIDE_MM, IDC_CLEAR},
                      StartRow{"radio_1008", IDC_CROP_1_7, IDC_WIDE_MM, IDC_CLEAR},
                      StartRow{"wide_result_4016", IDC_WIDE_RESULT, IDC_WIDE_MM, IDC_CLEAR},
                      StartRow{"tele_result_4017", IDC_TELE_RESULT, IDC_WIDE_MM, IDC_CLEAR},
                      StartRow{"exit_2009", IDC_EXIT, IDC_WIDE_MM, IDC_CLEAR},
                      StartRow{"author_web_2011", IDC_AUTHOR_WEB, IDC_WIDE_MM, IDC_CLEAR},
                      StartRow{"convert_2008", IDC_CONVERT, IDC_CLEAR, IDC_TELE_MM},
                      StartRow{"clear_2010", IDC_CLEAR, IDC_WIDE_MM, IDC_CONVERT},
                      StartRow{"wide_input_3010", IDC_WIDE_MM, IDC_TELE_MM, IDC_CLEAR},
                      StartRow{"tele_input_3011", IDC_TELE_MM, IDC_CONVERT, IDC_WIDE_MM},
                      // The picture takes no focus: Tab goes on from 3010.
                      StartRow{"icon_picture_2012", IDC_AUTHOR_ICON, IDC_TELE_MM, IDC_CLEAR}),
    RowName{});

struct SelectRow {
  const char* name;
  int clicked;
  bool backward;
  int target;
};

void PrintTo(const SelectRow& row, std::ostream* out) {
  *out << row.name;
}

class TabIntoInputTest : public WindowTest, public ::testing::WithParamInterface<SelectRow> {};

TEST_P(TabIntoInputTest, SelectsTheWholeTextSoThatTypingReplacesIt) {
  RecordingDialog dialog;
  RunActive(dialog, [&] {
    dialog.SetDlgItemText(IDC_WIDE_MM, "28mm");
    dialog.SetDlgItemText(IDC_TELE_MM, "135 tele");
    const std::string before = TextOf(dialog, GetParam().target);
    Click(ControlOf(dialog, GetParam().clicked));
    PressTab(GetParam().backward);
    ASSERT_EQ(KeyboardFocus(), GetParam().target);
    EXPECT_EQ(EditOf(dialog, GetParam().target)->selectedText().toStdString(), before);
    Type(QStringLiteral("50"));
    EXPECT_EQ(TextOf(dialog, GetParam().target), "50");
  });
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TabIntoInputTest,
    ::testing::Values(SelectRow{"tab_from_wide_into_tele", IDC_WIDE_MM, false, IDC_TELE_MM},
                      SelectRow{"shift_tab_from_convert_into_tele", IDC_CONVERT, true, IDC_TELE_MM},
                      SelectRow{"tab_from_clear_wraps_into_wide", IDC_CLEAR, false, IDC_WIDE_MM},
                      SelectRow{"shift_tab_from_tele_into_wide", IDC_TELE_MM, true, IDC_WIDE_MM},
                      SelectRow{"tab_from_a_radio_into_wide", IDC_CROP_1_3, false, IDC_WIDE_MM}),
    RowName{});

struct ArrowRow {
  const char* name;
  int clicked;
  Qt::Key key;
  int target;
};

void PrintTo(const ArrowRow& row, std::ostream* out) {
  *out << row.name;
}

class RadioArrowTest : public WindowTest, public ::testing::WithParamInterface<ArrowRow> {};

TEST_P(RadioArrowTest, MovesTheFocusAndTheCheckTogether) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    Click(ControlOf(dialog, GetParam().clicked));
    ASSERT_EQ(KeyboardFocus(), GetParam().clicked);
    ASSERT_EQ(CheckedRadios(dialog), std::vector{GetParam().clicked});
    Press(GetParam().key);
    EXPECT_EQ(KeyboardFocus(), GetParam().target);
    EXPECT_EQ(CheckedRadios(dialog), std::vector{GetParam().target});
  });
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RadioArrowTest,
    ::testing::Values(
        ArrowRow{"down_after_1003", IDC_CROP_1_2, Qt::Key_Down, IDC_CROP_1_3},
        ArrowRow{"right_after_1003", IDC_CROP_1_2, Qt::Key_Right, IDC_CROP_1_3},
        ArrowRow{"up_after_1003", IDC_CROP_1_2, Qt::Key_Up, IDC_CROP_1_1},
        ArrowRow{"left_after_1003", IDC_CROP_1_2, Qt::Key_Left, IDC_CROP_1_1},
        ArrowRow{"up_on_1001_wraps_to_1008", IDC_CROP_1_0, Qt::Key_Up, IDC_CROP_1_7},
        ArrowRow{"left_on_1001_wraps_to_1008", IDC_CROP_1_0, Qt::Key_Left, IDC_CROP_1_7},
        ArrowRow{"down_on_1008_wraps_to_1001", IDC_CROP_1_7, Qt::Key_Down, IDC_CROP_1_0},
        ArrowRow{"right_on_1008_wraps_to_1001", IDC_CROP_1_7, Qt::Key_Right, IDC_CROP_1_0}),
    RowName{});

struct RadioRow {
  const char* name;
  int radio;
};

void PrintTo(const RadioRow& row, std::ostream* out) {
  *out << row.name;
}

class RadioClickTest : public WindowTest, public ::testing::WithParamInterface<RadioRow> {
 protected:
  // Checks another button first, by its mark, so the click under test has something to clear.
  void ClickAfterAnotherAt(QPoint (*where)(const QWidget&)) {
    CConverterDlg dialog;
    RunActive(dialog, [&] {
      const int other = GetParam().radio == IDC_CROP_1_0 ? IDC_CROP_1_7 : IDC_CROP_1_0;
      QWidget* otherRadio = ControlOf(dialog, other);
      ClickAt(otherRadio, QPoint(4, otherRadio->height() / 2));
      ASSERT_EQ(CheckedRadios(dialog), std::vector{other});
      QWidget* radio = ControlOf(dialog, GetParam().radio);
      ClickAt(radio, where(*radio));
      EXPECT_EQ(CheckedRadios(dialog), std::vector{GetParam().radio});
    });
  }
};

TEST_P(RadioClickTest, AClickInTheMiddleLeavesExactlyThatOneChecked) {
  ClickAfterAnotherAt([](const QWidget& radio) { return radio.rect().center(); });
}

// The control is the whole rectangle, not only its mark and text.
TEST_P(RadioClickTest, AClickNearTheRightEndLeavesExactlyThatOneChecked) {
  ClickAfterAnotherAt(
      [](const QWidget& radio) { return QPoint(radio.width() - 3, radio.height() / 2); });
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RadioClickTest,
    ::testing::Values(RadioRow{"crop_1_0", IDC_CROP_1_0}, RadioRow{"crop_1_1", IDC_CROP_1_1},
                      RadioRow{"crop_1_2", IDC_CROP_1_2}, RadioRow{"crop_1_3", IDC_CROP_1_3},
                      RadioRow{"crop_1_4", IDC_CROP_1_4}, RadioRow{"crop_1_5", IDC_CROP_1_5},
                      RadioRow{"crop_1_6", IDC_CROP_1_6}, RadioRow{"crop_1_7", IDC_CROP_1_7}),
    RowName{});

}  // namespace
}  // namespace fokuro::testing
