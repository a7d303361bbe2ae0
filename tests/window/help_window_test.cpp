// F1 from every control reaches the application's help road once; the failure box.
#include <QTest>
#include <QTimer>

#include <string>

#include "behaviour_steps.h"
#include "framework/framework_strings.h"
#include "named_rows.h"
#include "ui/converter_dlg.h"
#include "ui/resource.h"
#include "window_fixture.h"

namespace fokuro::testing {
namespace {

constexpr std::uintptr_t kHelpNumber = 131174;  // 0x20000 + the template number 102

// How the control gets the focus before F1.
enum class FocusBy {
  Opening,    // the window puts it there itself
  Click,      // a full click, which also runs the control's handler
  PressOnly,  // the mouse goes down on it and comes up elsewhere: focus without a click
};

struct HelpRow {
  const char* name;
  int control;
  FocusBy focusBy;
  Qt::KeyboardModifiers modifiers;
  std::size_t requests;
};

void PrintTo(const HelpRow& row, std::ostream* out) {
  *out << row.name;
}

class HelpKeyTest : public AppWindowTest, public ::testing::WithParamInterface<HelpRow> {};

TEST_P(HelpKeyTest, ReachesTheHelpEngineOnlyForPlainF1) {
  const HelpRow& row = GetParam();
  OpenedAddresses opened;  // the author's button opens its page on the click
  CConverterDlg dialog;
  app.m_pMainWnd = &dialog;
  const auto endCode = RunModal(dialog, [&] {
    QWidget* control = ControlOf(dialog, row.control);
    ASSERT_NE(control, nullptr);
    switch (row.focusBy) {
      case FocusBy::Opening:
        break;
      case FocusBy::Click:
        Click(dialog, row.control);
        break;
      case FocusBy::PressOnly:
        QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
        break;
    }
    ASSERT_EQ(FocusedControl(dialog), row.control);
    ASSERT_TRUE(helpCalls.empty());

    PressKey(dialog, Qt::Key_F1, row.modifiers);

    if (row.focusBy == FocusBy::PressOnly) {
      QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, QPoint(-10, -10));
    }
    ASSERT_EQ(helpCalls.size(), row.requests);
    for (const HelpCall& call : helpCalls) {
      EXPECT_EQ(call.file, app.m_pszHelpFilePath);
      EXPECT_EQ(call.command, framework::HELP_CONTEXT);
      EXPECT_EQ(call.data, kHelpNumber);
    }
    EXPECT_TRUE(VisibleMessageBoxes().empty());
    EXPECT_TRUE(WindowOf(dialog)->isVisible());
    PressKey(dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(endCode, framework::IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HelpKeyTest,
    ::testing::Values(HelpRow{"wide_input", IDC_WIDE_MM, FocusBy::Opening, Qt::NoModifier, 1},
                      HelpRow{"tele_input", IDC_TELE_MM, FocusBy::Click, Qt::NoModifier, 1},
                      HelpRow{"convert_button", IDC_CONVERT, FocusBy::Click, Qt::NoModifier, 1},
                      HelpRow{"clear_button", IDC_CLEAR, FocusBy::Click, Qt::NoModifier, 1},
                      HelpRow{"radio_button", IDC_CROP_1_4, FocusBy::Click, Qt::NoModifier, 1},
                      HelpRow{"wide_result", IDC_WIDE_RESULT, FocusBy::Click, Qt::NoModifier, 1},
                      HelpRow{"tele_result", IDC_TELE_RESULT, FocusBy::Click, Qt::NoModifier, 1},
                      HelpRow{"exit_button", IDC_EXIT, FocusBy::PressOnly, Qt::NoModifier, 1},
                      HelpRow{"author_button", IDC_AUTHOR_WEB, FocusBy::Click, Qt::NoModifier, 1},
                      HelpRow{"shift_f1", IDC_WIDE_MM, FocusBy::Opening, Qt::ShiftModifier, 0},
                      HelpRow{"ctrl_f1", IDC_WIDE_MM, FocusBy::Opening, Qt::ControlModifier, 0},
                      HelpRow{"alt_f1", IDC_WIDE_MM, FocusBy::Opening, Qt::AltModifier, 0},
                      HelpRow{"ctrl_f1_on_button", IDC_CONVERT, FocusBy::Click, Qt::ControlModifier,
                              0}),
    RowName{});

// What the box said and what happened while it was open.
struct WhileBoxOpen {
  bool found = false;
  std::string text;
  std::string caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool ownedByTheWindow = false;
  std::size_t requestsAfterSecondF1 = 0;
  std::size_t boxesAfterSecondF1 = 0;
  int furtherBoxes = 0;  // closed by the test so that a fault fails instead of hanging
};

using HelpFailureTest = AppWindowTest;

TEST_F(HelpFailureTest, SaysSoInABoxAndIgnoresF1UntilItCloses) {
  helpStarts = false;
  CConverterDlg dialog;
  app.m_pMainWnd = &dialog;
  ASSERT_FALSE(app.m_pszAppName.empty());
  WhileBoxOpen seen;
  QTimer furtherBoxCloser;
  furtherBoxCloser.setSingleShot(true);
  QMessageBox* firstBox = nullptr;
  QObject::connect(&furtherBoxCloser, &QTimer::timeout, [&] {
    for (QMessageBox* box : VisibleMessageBoxes()) {
      if (box != firstBox) {
        ++seen.furtherBoxes;
        ClickOk(*box);
      }
    }
  });
  const auto endCode = RunModal(dialog, [&] {
    // The box runs its own loop inside the F1 below; this step runs in that loop.
    QTimer::singleShot(0, [&] {
      const std::vector<QMessageBox*> boxes = VisibleMessageBoxes();
      if (boxes.empty()) {
        return;
      }
      seen.found = boxes.size() == 1;
      seen.text = boxes[0]->text().toStdString();
      seen.caption = boxes[0]->windowTitle().toStdString();
      seen.icon = boxes[0]->icon();
      seen.ownedByTheWindow = boxes[0]->parentWidget() == WindowOf(dialog);
      firstBox = boxes[0];
      // A second box would run its own loop inside this F1; the closer runs there.
      furtherBoxCloser.start(0);
      PressKey(dialog, Qt::Key_F1);
      seen.requestsAfterSecondF1 = helpCalls.size();
      seen.boxesAfterSecondF1 = VisibleMessageBoxes().size();
      for (QMessageBox* box : VisibleMessageBoxes()) {
        ClickOk(*box);
      }
    });
    PressKey(dialog, Qt::Key_F1);

    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, framework::kFailedToLaunchHelp);
    EXPECT_EQ(seen.text, "ﾍﾙﾌﾟの起動に失敗しました。");
    EXPECT_EQ(seen.caption, app.m_pszAppName);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_TRUE(seen.ownedByTheWindow);
    EXPECT_EQ(seen.requestsAfterSecondF1, 1u);
    EXPECT_EQ(seen.boxesAfterSecondF1, 1u);
    EXPECT_EQ(seen.furtherBoxes, 0);
    EXPECT_TRUE(VisibleMessageBoxes().empty());
    EXPECT_TRUE(WindowOf(dialog)->isVisible());

    // Once the box is gone, F1 asks again.
    helpStarts = true;
    PressKey(dialog, Qt::Key_F1);
    EXPECT_EQ(helpCalls.size(), 2u);
    EXPECT_TRUE(VisibleMessageBoxes().empty());
    PressKey(dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(endCode, framework::IDCANCEL);
  ASSERT_EQ(helpCalls.size(), 2u);
  for (const HelpCall& call : helpCalls) {
    EXPECT_EQ(call.file, app.m_pszHelpFilePath);
    EXPECT_EQ(call.command, framework::HELP_CONTEXT);
    EXPECT_EQ(call.data, kHelpNumber);
  }
}

}  // namespace
}  // namespace fokuro::testing
