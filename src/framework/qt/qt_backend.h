// The Qt 6 Widgets backend: builds real windows from dialog templates and turns their
// input into the framework's messages. Nothing of Qt is seen above this folder.
#pragma once

#include <functional>
#include <memory>

#include "framework/backend.h"

class QApplication;
class QWidget;

namespace framework::qt {

// The help engine: takes the request and says whether it could be started.
using HelpEngine = std::function<bool(HWND owner, std::string_view helpFile, unsigned command,
                                      std::uintptr_t data)>;

// Hands the help file to the desktop's opener (xdg-open). The opener takes only the file,
// so the command and the topic number stop here.
bool OpenHelpFileWithDesktopOpener(HWND owner, std::string_view helpFile, unsigned command,
                                   std::uintptr_t data);

class QtBackend final : public Backend {
 public:
  // Makes the QApplication when none exists yet, with the program name as its only argument.
  explicit QtBackend(const char* programName);
  ~QtBackend() override;

  CodePage SystemCodePage() const override { return CodePage::Utf8; }
  std::string ModuleFileName() const override;

  HWND CreateDialogWindow(const DialogTemplate& dialog, CWnd& owner) override;
  void DestroyWindow(HWND window) override;
  void ShowWindow(HWND window, bool visible) override;
  Rect WindowRect(HWND window) const override;
  Rect WorkArea(HWND window) const override;
  void MoveWindow(HWND window, Point topLeft) override;
  Rect ClientRect(HWND window) const override;
  bool IsIconic(HWND window) const override;
  void SetIcon(HWND window, int which, HICON icon) override;
  void CancelMode(HWND window) override;
  Size StandardIconSize() const override { return {32, 32}; }
  void DrawIcon(HWND window, Point topLeft, HICON icon) override;

  bool RunModalLoop(HWND window) override;
  void EndModalLoop(HWND window) override;

  std::string ControlText(HWND window, int control) const override;
  void SetControlText(HWND window, int control, std::string_view text) override;
  unsigned ButtonState(HWND window, int control) const override;
  void SetButtonState(HWND window, int control, unsigned state) override;
  void SetFocus(HWND window, int control) override;
  int FocusedControl(HWND window) const override;

  int MessageBox(HWND owner, std::string_view text, std::string_view caption,
                 unsigned style) override;
  bool OpenAddress(std::string_view address) override;
  bool WinHelp(HWND owner, std::string_view helpFile, unsigned command,
               std::uintptr_t data) override;
  int ShowWaitCursor() override;
  void RestoreCursor(int previous) override;

  void SetHelpEngine(HelpEngine engine) { m_helpEngine = std::move(engine); }

  // For tests and tools that look at the real widgets.
  static QWidget* WindowWidget(HWND window);
  static QWidget* ControlWidget(HWND window, int control);

 private:
  std::unique_ptr<QApplication> m_ownApplication;
  HelpEngine m_helpEngine = &OpenHelpFileWithDesktopOpener;
  int m_waitCursors = 0;
};

}  // namespace framework::qt
