// Input as a user gives it: keys go to the widget that holds the keyboard focus, clicks go
// through the window's platform window so that Qt picks the widget under the mouse itself.
#pragma once

#include <QPoint>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "framework/dialog.h"

namespace fokuro::testing {

// RunModal, with the steps starting once the window is the active one (the window system
// activates it after it shows), and ending the window when a failed step left it open.
framework::LRESULT RunActive(framework::CDialog& dialog, const std::function<void()>& steps);

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Type(const QString& text);

// `at` is in the widget's own coordinates; the middle when left out.
void ClickAt(QWidget* widget, QPoint at);
void Click(QWidget* widget);

// The window's own dialog on the converter's template, without the converter's reactions:
// it records what arrives, so a click on 2009, 2011 or 2012 neither ends it nor opens a page.
class RecordingDialog : public framework::CDialog {
 public:
  RecordingDialog();

  const framework::MessageMap* GetMessageMap() const override { return &kMessageMap; }

  struct Command {
    unsigned id;
    unsigned code;
    bool fromControl;
    friend bool operator==(const Command&, const Command&) = default;
  };
  std::vector<int> clicks;        // controls whose click entry ran, in order
  std::vector<Command> commands;  // every WM_COMMAND, handled or not

  static const framework::MessageMap kMessageMap;

 protected:
  framework::LRESULT WindowProc(unsigned message, framework::WPARAM wParam,
                                framework::LPARAM lParam) override;

 private:
  template <int Control>
  void OnClick() {
    clicks.push_back(Control);
  }

  static const framework::MessageEntry kMessageEntries[];
};

void PrintTo(const RecordingDialog::Command& command, std::ostream* out);

}  // namespace fokuro::testing
