#include "framework/win_app.h"

#include "framework/backend.h"
#include "framework/program_names.h"
#include "framework/wnd.h"

namespace framework {
namespace {

CWinApp* gApp = nullptr;

// Restores a flag however the scope is left.
class FlagWhileAlive {
 public:
  explicit FlagWhileAlive(bool& flag) : m_flag(flag) { m_flag = true; }
  ~FlagWhileAlive() { m_flag = false; }
  FlagWhileAlive(const FlagWhileAlive&) = delete;
  FlagWhileAlive& operator=(const FlagWhileAlive&) = delete;

 private:
  bool& m_flag;
};

}  // namespace

const MessageMap CWinApp::kMessageMap{&CCmdTarget::kMessageMap, {}};

CWinApp::CWinApp() {
  gApp = this;
}

CWinApp::~CWinApp() {
  if (gApp == this) {
    gApp = nullptr;
  }
}

CWinApp* AfxGetApp() {
  return gApp;
}

int CWinApp::Run() {
  return ExitInstance();
}

void CWinApp::SetProgramNames(std::string_view programPath) {
  ProgramNames names = DeriveProgramNames(programPath, CurrentBackend().SystemCodePage());
  m_pszExeName = std::move(names.executableName);
  m_pszAppName = std::move(names.applicationName);
  m_pszHelpFilePath = std::move(names.helpFilePath);
}

void CWinApp::OnHelp() {
  if (m_helpFailureShowing || m_pMainWnd == nullptr) {
    return;
  }
  // The focused control, the capture and any popup all lead up to the main window, and only
  // the main window knows a help context: its answer runs WinHelp with its help number.
  m_pMainWnd->SendMessage(WM_COMMANDHELP);
}

void CWinApp::WinHelp(std::uintptr_t data, unsigned command) {
  Backend& backend = CurrentBackend();
  const int previousCursor = backend.ShowWaitCursor();
  HWND mainWindow = nullptr;
  if (m_pMainWnd != nullptr) {
    m_pMainWnd->SendMessage(WM_CANCELMODE);
    mainWindow = m_pMainWnd->m_hWnd;
  }
  if (!backend.WinHelp(mainWindow, m_pszHelpFilePath, command, data)) {
    const FlagWhileAlive showing(m_helpFailureShowing);
    AfxMessageBox(kFailedToLaunchHelp, MB_OK | MB_ICONEXCLAMATION);
  }
  backend.RestoreCursor(previousCursor);
}

int AfxMessageBox(std::string_view text, unsigned style) {
  CWinApp* app = AfxGetApp();
  const HWND owner =
      app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->m_hWnd : nullptr;
  const std::string_view caption = app != nullptr ? std::string_view(app->m_pszAppName) : "";
  return CurrentBackend().MessageBox(owner, text, caption, style);
}

int AfxWinMain(int argc, char** argv) {
  const char* programName = argc > 0 && argv[0] != nullptr ? argv[0] : "fokuro";
  const std::unique_ptr<Backend> backend = CreatePlatformBackend(programName);
  SetBackend(backend.get());
  int status = 0;
  if (CWinApp* app = AfxGetApp()) {
    app->SetProgramNames(backend->ModuleFileName());
    status = app->InitInstance() ? app->Run() : app->ExitInstance();
  }
  SetBackend(nullptr);
  return status;
}

}  // namespace framework
