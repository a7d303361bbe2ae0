#include "window_fixture.h"

#include <QTimer>

namespace fokuro::testing {

framework::LRESULT RunModal(framework::CDialog& dialog, const std::function<void()>& steps,
                            int watchdogMilliseconds) {
  QTimer::singleShot(0, [&dialog, steps] { steps(); });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&dialog] {
    if (dialog.m_hWnd != nullptr) {
      ADD_FAILURE() << "the window was still open when the watchdog fired";
      dialog.EndDialog(kLeftOpen);
    }
  });
  watchdog.start(watchdogMilliseconds);
  return dialog.DoModal();
}

QWidget* WindowOf(const framework::CWnd& window) {
  return framework::qt::QtBackend::WindowWidget(window.m_hWnd);
}

QWidget* ControlOf(const framework::CWnd& window, int control) {
  QWidget* widget = framework::qt::QtBackend::ControlWidget(window.m_hWnd, control);
  EXPECT_NE(widget, nullptr) << "no control " << control;
  return widget;
}

QLineEdit* EditOf(const framework::CWnd& window, int control) {
  auto* edit = qobject_cast<QLineEdit*>(ControlOf(window, control));
  EXPECT_NE(edit, nullptr) << "control " << control << " is no edit field";
  return edit;
}

int FocusedControl(const framework::CWnd& window) {
  return Backend().FocusedControl(window.m_hWnd);
}

std::string TextOf(const framework::CWnd& window, int control) {
  return Backend().ControlText(window.m_hWnd, control);
}

void WindowTest::TearDown() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(widget->isVisible())
        << "a window was left open: " << widget->windowTitle().toStdString();
  }
}

}  // namespace fokuro::testing
