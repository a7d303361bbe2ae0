#include "app/converter_app.h"

#include "ui/converter_dlg.h"

namespace fokuro {

using namespace framework;

const MessageEntry CConverterApp::kMessageEntries[] = {
    framework::OnCommand<&CConverterApp::OnHelp>(ID_HELP),
};
const MessageMap CConverterApp::kMessageMap{&CWinApp::kMessageMap, kMessageEntries};

BOOL CConverterApp::InitInstance() {
  Enable3dControlsStatic();
  {
    CConverterDlg dialog;
    m_pMainWnd = &dialog;
    // How the window ended changes nothing: the program ends either way.
    dialog.DoModal();
  }
  return FALSE;
}

}  // namespace fokuro
