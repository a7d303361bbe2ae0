// What a user does to the main window, as real Qt Test input, for the behaviour tests.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QUrl>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/converter_app.h"
#include "framework/wnd.h"
#include "window_fixture.h"

namespace fokuro::testing {

// A mouse click in the middle of the control.
void Click(const framework::CWnd& window, int control);

// Focuses the field with a click, goes to the end of its text and types `text`.
void TypeInto(const framework::CWnd& window, int control, std::string_view text);

// A key pressed where the window's focus is, as the keyboard would deliver it.
void PressKey(const framework::CWnd& window, Qt::Key key,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The checked crop-class buttons, in number order.
std::vector<int> CheckedClasses(const framework::CWnd& window);

// The message boxes on show now.
std::vector<QMessageBox*> VisibleMessageBoxes();
void ClickOk(QMessageBox& box);

// Keeps every web address the program hands to the desktop, and opens none of them.
class OpenedAddresses final : public QObject {
  Q_OBJECT

 public:
  OpenedAddresses();
  ~OpenedAddresses() override;
  OpenedAddresses(const OpenedAddresses&) = delete;
  OpenedAddresses& operator=(const OpenedAddresses&) = delete;

  std::vector<std::string> addresses;

 public slots:
  void Open(const QUrl& url);
};

struct HelpCall {
  std::string file;
  unsigned command;
  std::uintptr_t data;
};

// A window test with the program's application object: its names derived from the test
// program's path, and a help engine that records each request instead of starting a viewer.
class AppWindowTest : public WindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  CConverterApp app;
  std::vector<HelpCall> helpCalls;
  bool helpStarts = true;  // the engine's answer
};

}  // namespace fokuro::testing
