#include "framework/dialog.h"

#include "framework/backend.h"
#include "framework/dialog_geometry.h"
#include "framework/dialog_keyboard.h"
#include "framework/resources.h"
#include "framework/win_app.h"

namespace framework {

const MessageEntry CDialog::kMessageEntries[] = {
    framework::OnMessage<&CDialog::HandleInitDialog>(WM_INITDIALOG),
    framework::OnCommand<&CDialog::OnOK>(IDOK),
    framework::OnCommand<&CDialog::OnCancel>(IDCANCEL),
    framework::OnMessage<&CDialog::OnCommandHelp>(WM_COMMANDHELP),
};
const MessageMap CDialog::kMessageMap{&CWnd::kMessageMap, kMessageEntries};

CDialog::CDialog(unsigned templateId, CWnd* parent)
    : m_nIDHelp(templateId), m_templateId(templateId), m_pParentWnd(parent) {}

LRESULT CDialog::DoModal() {
  const DialogTemplate* dialog = FindDialogTemplate(m_templateId);
  if (dialog == nullptr) {
    return -1;
  }
  m_nModalResult = -1;
  m_ended = false;
  try {
    Backend& backend = CurrentBackend();
    m_hWnd = backend.CreateDialogWindow(*dialog, *this);
    if (m_hWnd == nullptr) {
      return -1;
    }
    if (SendMessage(WM_INITDIALOG) != FALSE) {
      if (const int first = FirstTabStop(*dialog); first != 0) {
        backend.SetFocus(m_hWnd, first);
      }
    }
    if (!m_ended) {
      const Rect outer = backend.WindowRect(m_hWnd);
      backend.MoveWindow(
          m_hWnd, CenterInWorkArea({outer.Width(), outer.Height()}, backend.WorkArea(m_hWnd)));
      backend.ShowWindow(m_hWnd, true);
      if (!backend.RunModalLoop(m_hWnd)) {
        m_nModalResult = -1;
      }
    }
  } catch (...) {
    // A failure of the window system, not of a handler: the run ends with -1.
    m_nModalResult = -1;
  }
  if (m_hWnd != nullptr) {
    Backend& backend = CurrentBackend();
    backend.ShowWindow(m_hWnd, false);
    backend.DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
  }
  if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == this) {
    app->m_pMainWnd = nullptr;
  }
  return m_nModalResult;
}

void CDialog::EndDialog(int result) {
  m_nModalResult = result;
  m_ended = true;
  if (m_hWnd != nullptr) {
    CurrentBackend().ShowWindow(m_hWnd, false);
    CurrentBackend().EndModalLoop(m_hWnd);
  }
}

LRESULT CDialog::HandleInitDialog() {
  return OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(TRUE)) {
    EndDialog(IDOK);
  }
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(saveAndValidate != FALSE);
  DoDataExchange(&dx);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange* /*dx*/) {}

LRESULT CDialog::OnCommandHelp() {
  if (CWinApp* app = AfxGetApp()) {
    app->WinHelp(HID_BASE_RESOURCE + m_nIDHelp, HELP_CONTEXT);
  }
  return TRUE;
}

LRESULT CDialog::DefWindowProc(unsigned message, WPARAM wParam, LPARAM lParam) {
  // A dialog answers the close request with the cancel command.
  if (message == WM_CLOSE) {
    return SendMessage(WM_COMMAND, IDCANCEL);
  }
  return CWnd::DefWindowProc(message, wParam, lParam);
}

}  // namespace framework
