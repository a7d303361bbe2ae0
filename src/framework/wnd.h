// A platform window and the operations the window code uses on it and its controls.
#pragma once

#include <string>
#include <string_view>

#include "framework/cmd_target.h"
#include "framework/types.h"

namespace framework {

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  ~CWnd() override;

  const MessageMap* GetMessageMap() const override { return &kMessageMap; }

  // Delivers a message as the platform does: through the message tables, then the default
  // handling. Memory running out in a handler stops that handler only: the framework says
  // so in a message box and the window goes on.
  LRESULT SendMessage(unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);

  // Controls, by number. Texts are bytes in the platform's multi-byte code page.
  std::string GetDlgItemText(int control) const;
  void SetDlgItemText(int control, std::string_view text);
  unsigned IsDlgButtonChecked(int control) const;
  void CheckDlgButton(int control, unsigned state);
  // Checks `check` and clears every other button from `first` to `last`.
  void CheckRadioButton(int first, int last, int check);
  void GotoDlgCtrl(int control);

  HICON SetIcon(HICON icon, bool bigIcon);
  bool IsIconic() const;
  Rect GetClientRect() const;

  HWND m_hWnd = nullptr;

  static const MessageMap kMessageMap;

 protected:
  virtual LRESULT WindowProc(unsigned message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // What the platform does with a message nobody handled.
  virtual LRESULT DefWindowProc(unsigned message, WPARAM wParam, LPARAM lParam);
  // The default handling of the message being handled now.
  LRESULT Default();

  void OnSysCommand(unsigned id, LPARAM lParam);
  void OnPaint();
  // F1 anywhere in the window: the help command goes to the application's main window.
  void OnHelpInfo();

 private:
  struct CurrentMessage {
    unsigned message;
    WPARAM wParam;
    LPARAM lParam;
  };
  CurrentMessage m_current{};

  static const MessageEntry kMessageEntries[];
};

}  // namespace framework
