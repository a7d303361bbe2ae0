#include "framework/wnd.h"

#include <new>

#include "framework/backend.h"
#include "framework/win_app.h"

namespace framework {

const MessageEntry CWnd::kMessageEntries[] = {
    framework::OnMessage<&CWnd::OnHelpInfo>(WM_HELP),
};
const MessageMap CWnd::kMessageMap{&CCmdTarget::kMessageMap, kMessageEntries};

CWnd::~CWnd() {
  if (m_hWnd != nullptr) {
    CurrentBackend().DestroyWindow(m_hWnd);
  }
}

LRESULT CWnd::SendMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
  const CurrentMessage outer = m_current;
  m_current = {message, wParam, lParam};
  LRESULT result = 0;
  try {
    result = WindowProc(message, wParam, lParam);
  } catch (const std::bad_alloc&) {
    m_current = outer;
    AfxMessageBox(kFailedMemoryAlloc, MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL);
    return 0;
  }
  m_current = outer;
  return result;
}

LRESULT CWnd::WindowProc(unsigned message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    return OnCommand(wParam, lParam) ? 0 : DefWindowProc(message, wParam, lParam);
  }
  if (const MessageEntry* entry = GetMessageMap()->Find(message, 0, 0)) {
    return entry->handler(*this, wParam, lParam);
  }
  return DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const unsigned id = LOWORD(wParam);
  const unsigned code = HIWORD(wParam);
  if (OnCmdMsg(id, code)) {
    return TRUE;
  }
  // A command (not a control's notification) in the application's range that the window
  // does not handle goes on to the application object.
  const bool fromControl = lParam != 0;
  if (!fromControl && id >= kFirstApplicationCommand && id <= kLastApplicationCommand) {
    if (CWinApp* app = AfxGetApp()) {
      return app->OnCmdMsg(id, code) ? TRUE : FALSE;
    }
  }
  return FALSE;
}

LRESULT CWnd::DefWindowProc(unsigned message, WPARAM wParam, LPARAM /*lParam*/) {
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
    return SendMessage(WM_CLOSE);
  }
  if (message == WM_CANCELMODE && m_hWnd != nullptr) {
    CurrentBackend().CancelMode(m_hWnd);
  }
  // Painting, moving and the rest are the window system's own.
  return 0;
}

LRESULT CWnd::Default() {
  return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

void CWnd::OnSysCommand(unsigned /*id*/, LPARAM /*lParam*/) {
  Default();
}

void CWnd::OnPaint() {
  Default();
}

void CWnd::OnHelpInfo() {
  if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd != nullptr) {
    app->m_pMainWnd->SendMessage(WM_COMMAND, ID_HELP);
  }
}

std::string CWnd::GetDlgItemText(int control) const {
  return CurrentBackend().ControlText(m_hWnd, control);
}

void CWnd::SetDlgItemText(int control, std::string_view text) {
  CurrentBackend().SetControlText(m_hWnd, control, text);
}

unsigned CWnd::IsDlgButtonChecked(int control) const {
  return CurrentBackend().ButtonState(m_hWnd, control);
}

void CWnd::CheckDlgButton(int control, unsigned state) {
  CurrentBackend().SetButtonState(m_hWnd, control, state);
}

void CWnd::CheckRadioButton(int first, int last, int check) {
  for (int control = first; control <= last; ++control) {
    CheckDlgButton(control, control == check ? BST_CHECKED : BST_UNCHECKED);
  }
}

void CWnd::GotoDlgCtrl(int control) {
  CurrentBackend().SetFocus(m_hWnd, control);
}

HICON CWnd::SetIcon(HICON icon, bool bigIcon) {
  CurrentBackend().SetIcon(m_hWnd, bigIcon ? ICON_BIG : ICON_SMALL, icon);
  return nullptr;
}

bool CWnd::IsIconic() const {
  return CurrentBackend().IsIconic(m_hWnd);
}

Rect CWnd::GetClientRect() const {
  return CurrentBackend().ClientRect(m_hWnd);
}

}  // namespace framework
