// Runs real windows through the Qt backend, offscreen, the way Qt's own dialog tests do:
// DoModal blocks, so the test's steps are queued to run inside the modal loop.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>

#include "framework/dialog.h"
#include "framework/qt/qt_backend.h"

namespace fokuro::testing {

// The one backend of the test program (made by the test main, see window_test_main.cpp).
framework::qt::QtBackend& Backend();

// Runs dialog.DoModal() with `steps` queued into its modal loop, and returns the end code.
// When the steps leave the window open, a watchdog ends it with kLeftOpen so that a broken
// test fails instead of hanging.
inline constexpr int kLeftOpen = -99;
framework::LRESULT RunModal(framework::CDialog& dialog, const std::function<void()>& steps,
                            int watchdogMilliseconds = 10000);

QWidget* WindowOf(const framework::CWnd& window);
QWidget* ControlOf(const framework::CWnd& window, int control);
QLineEdit* EditOf(const framework::CWnd& window, int control);

// The control number of the widget with the focus, 0 for none.
int FocusedControl(const framework::CWnd& window);

std::string TextOf(const framework::CWnd& window, int control);

// Fails the test when a top-level window is still visible: nothing may outlive its test.
class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override;
};

}  // namespace fokuro::testing
