#include <QTest>

#include "ui/converter_dlg.h"
#include "ui/converter_template.h"
#include "ui/resource.h"
#include "window_fixture.h"

namespace fokuro::testing {
namespace {

using FreshWindowTest = WindowTest;

TEST_F(FreshWindowTest, OpensWithClassOneSixCheckedEmptyFieldsAndFocusInTheWideInput) {
  CConverterDlg dialog;
  const auto endCode = RunModal(dialog, [&] {
    for (int button = IDC_CROP_1_0; button <= IDC_CROP_1_7; ++button) {
      EXPECT_EQ(dialog.IsDlgButtonChecked(button) != 0, button == IDC_CROP_1_6) << button;
    }
    for (const int field : {IDC_WIDE_MM, IDC_TELE_MM, IDC_WIDE_RESULT, IDC_TELE_RESULT}) {
      EXPECT_EQ(TextOf(dialog, field), "") << field;
    }
    EXPECT_EQ(FocusedControl(dialog), IDC_WIDE_MM);
    QTest::keyClick(ControlOf(dialog, IDC_WIDE_MM), Qt::Key_Escape);
  });
  EXPECT_EQ(endCode, framework::IDCANCEL);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}

// The texts a user reads on the buttons and radios are the template's, byte for byte, also
// where a button wraps its text over lines.
TEST_F(FreshWindowTest, EveryNumberedControlShowsItsTemplateText) {
  CConverterDlg dialog;
  RunModal(dialog, [&] {
    for (const framework::ControlTemplate& control : ConverterDialogTemplate().controls) {
      if (control.id != framework::IDC_STATIC) {
        EXPECT_EQ(TextOf(dialog, control.id), control.text) << control.id;
      }
    }
    dialog.EndDialog(framework::IDOK);
  });
}

}  // namespace
}  // namespace fokuro::testing
