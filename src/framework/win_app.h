// The single application object: the program's names, its main window and the help road.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/cmd_target.h"
#include "framework/framework_strings.h"
#include "framework/types.h"

namespace framework {

class CWnd;

class CWinApp : public CCmdTarget {
 public:
  // Registers the object as the process's application; there is exactly one.
  CWinApp();
  ~CWinApp() override;

  const MessageMap* GetMessageMap() const override { return &kMessageMap; }

  virtual BOOL InitInstance() { return FALSE; }
  // The application's own message loop; the framework runs it only when InitInstance
  // returns TRUE.
  virtual int Run();
  virtual int ExitInstance() { return 0; }

  // Derives the names from the program file's path.
  void SetProgramNames(std::string_view programPath);

  // Asks the help engine for topic `data` of the help file; reports a failure in a box.
  void WinHelp(std::uintptr_t data, unsigned command = HELP_CONTEXT);

  // Three-dimensional controls are the platform's look already; nothing to do.
  BOOL Enable3dControlsStatic() { return TRUE; }

  CWnd* m_pMainWnd = nullptr;  // not owned
  std::string m_pszExeName;
  std::string m_pszAppName;
  std::string m_pszHelpFilePath;

  static const MessageMap kMessageMap;

 protected:
  // The framework's handler of ID_HELP: the help number of the main window's context.
  void OnHelp();

 private:
  bool m_helpFailureShowing = false;
};

CWinApp* AfxGetApp();

// A framework message box: the application name as caption, owned by the main window.
int AfxMessageBox(std::string_view text, unsigned style);

// The framework's main function: makes the platform's backend, derives the names, runs
// InitInstance (and the application's loop when it asks for one) and the exit step. Only
// argv[0] is used; no other argument is looked at.
int AfxWinMain(int argc, char** argv);

}  // namespace framework
