// The seam between the framework and a window system: the only door to a toolkit.
//
// Everything the framework asks of the platform is one call here. A backend keeps, for each
// window it makes, the CWnd it was made for, and hands that window's input to it as
// messages through CWnd::SendMessage (clicks as WM_COMMAND with the control's number and
// BN_CLICKED, keys as the dialog keyboard rules decide, the close box as WM_SYSCOMMAND
// SC_CLOSE, painting as WM_PAINT). Texts are bytes in the platform's multi-byte code page.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/dialog_template.h"
#include "framework/program_names.h"
#include "framework/types.h"

namespace framework {

class CWnd;

// Thrown out of a backend call when the platform fails in a way the framework cannot go on
// from; the modal run then ends with -1.
struct PlatformFailure {
  const char* what;
};

class Backend {
 public:
  virtual ~Backend() = default;

  virtual CodePage SystemCodePage() const = 0;
  virtual std::string ModuleFileName() const = 0;

  // Windows. CreateDialogWindow makes the window and its controls hidden, or returns nullptr.
  virtual HWND CreateDialogWindow(const DialogTemplate& dialog, CWnd& owner) = 0;
  virtual void DestroyWindow(HWND window) = 0;
  virtual void ShowWindow(HWND window, bool visible) = 0;
  virtual Rect WindowRect(HWND window) const = 0;  // outer frame, screen pixels
  virtual Rect WorkArea(HWND window) const = 0;    // the screen less docked bars
  virtual void MoveWindow(HWND window, Point topLeft) = 0;
  virtual Rect ClientRect(HWND window) const = 0;
  virtual bool IsIconic(HWND window) const = 0;
  virtual void SetIcon(HWND window, int which, HICON icon) = 0;  // ICON_BIG or ICON_SMALL
  virtual void CancelMode(HWND window) = 0;  // end a popup, drag or capture in progress
  virtual Size StandardIconSize() const = 0;
  // Only while the window handles WM_PAINT.
  virtual void DrawIcon(HWND window, Point topLeft, HICON icon) = 0;

  // Runs the window's modal loop until EndModalLoop. False when the platform asked the
  // program to quit instead.
  virtual bool RunModalLoop(HWND window) = 0;
  virtual void EndModalLoop(HWND window) = 0;

  // Controls, by number.
  virtual std::string ControlText(HWND window, int control) const = 0;
  virtual void SetControlText(HWND window, int control, std::string_view text) = 0;
  virtual unsigned ButtonState(HWND window, int control) const = 0;
  virtual void SetButtonState(HWND window, int control, unsigned state) = 0;
  virtual void SetFocus(HWND window, int control) = 0;
  virtual int FocusedControl(HWND window) const = 0;  // 0 when none has the focus

  // The system.
  virtual int MessageBox(HWND owner, std::string_view text, std::string_view caption,
                         unsigned style) = 0;
  // Hands an address to the system's default handler (the user's web browser).
  virtual bool OpenAddress(std::string_view address) = 0;
  virtual bool WinHelp(HWND owner, std::string_view helpFile, unsigned command,
                       std::uintptr_t data) = 0;
  virtual int ShowWaitCursor() = 0;  // returns a token for the cursor shown before
  virtual void RestoreCursor(int previous) = 0;
};

// The backend in use. The framework's main function installs the platform's own; tests may
// install another for the time of a test.
Backend& CurrentBackend();
void SetBackend(Backend* backend);

// Made by the backend library linked into the program (the Qt one on Linux). It gets the
// program name only: no command-line argument ever reaches the toolkit.
std::unique_ptr<Backend> CreatePlatformBackend(const char* programName);

}  // namespace framework
