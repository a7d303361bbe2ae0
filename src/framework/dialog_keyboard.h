// The dialog keyboard rules, free of any toolkit: what a key does in a dialog, given the
// window's description and the control that has the focus. A backend routes every key of a
// dialog through DecideDialogKey and carries the decision out, so the toolkit's own dialog
// habits (default buttons, its focus chain, Escape handling) never decide.
#pragma once

#include "framework/dialog_template.h"

namespace framework {

enum class Key { Tab, Enter, Escape, F1, F4, Up, Down, Left, Right, Space, Other };

struct KeyModifiers {
  bool shift = false;
  bool control = false;
  bool alt = false;
};

struct KeyDecision {
  enum class Kind {
    PassToControl,      // the focused control's own handling (typing, Space, caret keys)
    Nothing,            // swallow the key
    MoveFocus,          // focus `control`; selectAll when Tab brought it into an edit field
    MoveFocusAndCheck,  // focus `control`, check it and clear the rest of its group
    Click,              // a click of push button `control`
    Command,            // WM_COMMAND with `control` as the command number (IDOK, IDCANCEL)
    Help,               // the platform's help request (WM_HELP)
    SystemClose,        // the system command SC_CLOSE
  };
  Kind kind = Kind::PassToControl;
  int control = 0;
  bool selectAll = false;

  friend bool operator==(const KeyDecision&, const KeyDecision&) = default;
};

// focusedControl is the number of the control with the focus, or 0 when none has it.
KeyDecision DecideDialogKey(const DialogTemplate& dialog, int focusedControl, Key key,
                            KeyModifiers modifiers);

// The control that gets the focus when the dialog lets the platform choose: the first control
// in template order with a tab stop; 0 when there is none.
int FirstTabStop(const DialogTemplate& dialog);

}  // namespace framework
