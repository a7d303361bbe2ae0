// Memory running out inside a click handler: the framework's box, then the window goes on.
#include <QTest>
#include <QTimer>

#include <new>
#include <string>

#include "behaviour_steps.h"
#include "framework/framework_strings.h"
#include "ui/converter_dlg.h"
#include "ui/resource.h"
#include "window_fixture.h"

namespace fokuro::testing {
namespace {

// The program's window whose clear button runs out of memory before it clears anything.
class COutOfMemoryDlg final : public CConverterDlg {
 public:
  const framework::MessageMap* GetMessageMap() const override { return &kMessageMap; }

  int clearAttempts = 0;

  static const framework::MessageMap kMessageMap;

 private:
  void OnClearOutOfMemory() {
    ++clearAttempts;
    throw std::bad_alloc();
  }

  static const framework::MessageEntry kMessageEntries[];
};

const framework::MessageEntry COutOfMemoryDlg::kMessageEntries[] = {
    framework::OnClicked<&COutOfMemoryDlg::OnClearOutOfMemory>(IDC_CLEAR),
};
const framework::MessageMap COutOfMemoryDlg::kMessageMap{&CConverterDlg::kMessageMap,
                                                         kMessageEntries};

struct BoxSeen {
  std::size_t boxes = 0;
  std::string text;
  std::string caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool staysOnTop = false;
  bool windowShown = false;
};

using OutOfMemoryTest = AppWindowTest;

TEST_F(OutOfMemoryTest, ShowsTheFrameworkBoxAndTheWindowGoesOn) {
  COutOfMemoryDlg dialog;
  app.m_pMainWnd = &dialog;
  ASSERT_FALSE(app.m_pszAppName.empty());
  BoxSeen seen;
  const auto endCode = RunModal(dialog, [&] {
    TypeInto(dialog, IDC_WIDE_MM, "28");
    TypeInto(dialog, IDC_TELE_MM, "55");
    // The box is modal: this runs in its loop, during the click below.
    QTimer::singleShot(0, [&] {
      const std::vector<QMessageBox*> boxes = VisibleMessageBoxes();
      seen.boxes = boxes.size();
      if (boxes.empty()) {
        return;
      }
      seen.text = boxes[0]->text().toStdString();
      seen.caption = boxes[0]->windowTitle().toStdString();
      seen.icon = boxes[0]->icon();
      seen.staysOnTop = boxes[0]->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
      seen.windowShown = WindowOf(dialog)->isVisible();
      for (QMessageBox* box : boxes) {
        ClickOk(*box);
      }
    });
    Click(dialog, IDC_CLEAR);

    EXPECT_EQ(dialog.clearAttempts, 1);
    EXPECT_EQ(seen.boxes, 1u);
    EXPECT_EQ(seen.text, framework::kFailedMemoryAlloc);
    EXPECT_EQ(seen.text, "ﾒﾓﾘが不足しています。");
    EXPECT_EQ(seen.caption, app.m_pszAppName);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_TRUE(seen.staysOnTop);
    EXPECT_TRUE(seen.windowShown);
    EXPECT_TRUE(VisibleMessageBoxes().empty());

    // The handler stopped where it was; the window still converts.
    ASSERT_TRUE(WindowOf(dialog)->isVisible());
    EXPECT_EQ(TextOf(dialog, IDC_WIDE_MM), "28");
    Click(dialog, IDC_CONVERT);
    EXPECT_EQ(TextOf(dialog, IDC_WIDE_RESULT), "44.8");
    EXPECT_EQ(TextOf(dialog, IDC_TELE_RESULT), "88.");
    PressKey(dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(endCode, framework::IDCANCEL);
}

}  // namespace
}  // namespace fokuro::testing
