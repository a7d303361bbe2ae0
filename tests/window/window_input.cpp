#include "window_input.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <ostream>

#include "ui/resource.h"
#include "window_fixture.h"

namespace fokuro::testing {

framework::LRESULT RunActive(framework::CDialog& dialog, const std::function<void()>& steps) {
  return RunModal(dialog, [&dialog, &steps] {
    QWidget* window = WindowOf(dialog);
    if (QTest::qWaitForWindowActive(window)) {
      steps();
    } else {
      ADD_FAILURE() << "the window never became active";
    }
    if (dialog.m_hWnd != nullptr && window->isVisible()) {
      dialog.EndDialog(framework::IDCANCEL);
    }
  });
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr) << "no widget has the keyboard focus";
  QTest::keyClick(focus, key, modifiers);
}

void Type(const QString& text) {
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr) << "no widget has the keyboard focus";
  QTest::keyClicks(focus, text);
}

void ClickAt(QWidget* widget, QPoint at) {
  ASSERT_NE(widget, nullptr);
  QWidget* top = widget->window();
  QWindow* platformWindow = top->windowHandle();
  ASSERT_NE(platformWindow, nullptr) << "the window was never shown";
  QTest::mouseClick(platformWindow, Qt::LeftButton, Qt::NoModifier, widget->mapTo(top, at));
}

void Click(QWidget* widget) {
  ASSERT_NE(widget, nullptr);
  ClickAt(widget, widget->rect().center());
}

const framework::MessageEntry RecordingDialog::kMessageEntries[] = {
    framework::OnClicked<&RecordingDialog::OnClick<IDC_CONVERT>>(IDC_CONVERT),
    framework::OnClicked<&RecordingDialog::OnClick<IDC_EXIT>>(IDC_EXIT),
    framework::OnClicked<&RecordingDialog::OnClick<IDC_CLEAR>>(IDC_CLEAR),
    framework::OnClicked<&RecordingDialog::OnClick<IDC_AUTHOR_WEB>>(IDC_AUTHOR_WEB),
    framework::OnClicked<&RecordingDialog::OnClick<IDC_AUTHOR_ICON>>(IDC_AUTHOR_ICON),
};
const framework::MessageMap RecordingDialog::kMessageMap{&framework::CDialog::kMessageMap,
                                                         kMessageEntries};

RecordingDialog::RecordingDialog() : CDialog(IDD_CONVERTER_DIALOG) {}

framework::LRESULT RecordingDialog::WindowProc(unsigned message, framework::WPARAM wParam,
                                               framework::LPARAM lParam) {
  if (message == framework::WM_COMMAND) {
    commands.push_back({framework::LOWORD(wParam), framework::HIWORD(wParam), lParam != 0});
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

void PrintTo(const RecordingDialog::Command& command, std::ostream* out) {
  *out << "{id " << command.id << ", code " << command.code
       << (command.fromControl ? ", from a control}" : ", a command}");
}

}  // namespace fokuro::testing
