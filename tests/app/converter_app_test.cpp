#include <QApplication>
#include <QTest>
#include <QTimer>

#include <array>
#include <functional>

#include "app/converter_app.h"
#include "framework/dialog.h"
#include "framework/message_map.h"
#include "framework/types.h"
#include "framework/win_app.h"
#include "ui/converter_dlg.h"
#include "ui/resource.h"
#include "window_fixture.h"

namespace fokuro::testing {
namespace {

using framework::MessageEntry;

TEST(ConverterAppCommandTable, HoldsOnlyTheHelpCommandAndLeansOnTheFrameworksTable) {
  const framework::MessageMap& table = CConverterApp::kMessageMap;
  EXPECT_EQ(table.base, &framework::CWinApp::kMessageMap);
  ASSERT_EQ(table.entries.size(), 1U);
  const MessageEntry& entry = table.entries.front();
  EXPECT_EQ(entry.message, framework::WM_COMMAND);
  EXPECT_EQ(entry.id, 57670U);
  EXPECT_EQ(entry.code, 0U);
  EXPECT_NE(entry.handler, nullptr);

  const CConverterApp app;
  EXPECT_EQ(app.GetMessageMap(), &CConverterApp::kMessageMap);
}

TEST(ConverterAppCommandTable, TakesTheHelpCommandAndNoOther) {
  CConverterApp app;
  // With no main window the help handler has nothing to ask, but the table takes it.
  EXPECT_TRUE(app.OnCmdMsg(framework::ID_HELP, 0));
  for (const unsigned other : {framework::IDOK, framework::IDCANCEL, framework::ID_HELP + 1,
                               framework::ID_HELP - 1, unsigned{IDC_CONVERT}}) {
    EXPECT_FALSE(app.OnCmdMsg(other, 0)) << other;
  }
  // A notification code other than a click is not the command.
  EXPECT_FALSE(app.OnCmdMsg(framework::ID_HELP, 1));
}

struct NamesRow {
  const char* path;
  const char* executableName;
  const char* helpFilePath;
};

class ConverterAppNames : public ::testing::TestWithParam<NamesRow> {};

// No name of its own is given to the framework, so the application name is the program's.
TEST_P(ConverterAppNames, ComeFromTheProgramsPath) {
  const NamesRow& row = GetParam();
  CConverterApp app;
  app.SetProgramNames(row.path);
  EXPECT_EQ(app.m_pszExeName, row.executableName);
  EXPECT_EQ(app.m_pszAppName, row.executableName);
  EXPECT_EQ(app.m_pszHelpFilePath, row.helpFilePath);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ConverterAppNames,
    ::testing::Values(NamesRow{"/usr/bin/fokuro.bin", "fokuro", "/usr/bin/fokuro.HLP"},
                      NamesRow{"C:\\Tools\\lens.calc.exe", "lens.calc", "C:\\Tools\\lens.calc.HLP"},
                      NamesRow{"C:\\Tools\\LENS.exe", "LENS", "C:\\Tools\\LENS.HLP"},
                      NamesRow{"/opt/fokuro-1/fokuro.Exe", "fokuro", "/opt/fokuro-1/fokuro.HLP"}));

// Runs `run` with `step` queued into the main window's modal loop once it shows. The step
// gets the main window; a watchdog ends a window that the step left open.
int RunWithQueuedStep(CConverterApp& app, const std::function<int()>& run,
                      const std::function<void(framework::CDialog&)>& step) {
  bool stepRan = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = dynamic_cast<framework::CDialog*>(app.m_pMainWnd);
    if (stepRan || dialog == nullptr || dialog->m_hWnd == nullptr) {
      return;
    }
    QWidget* window = WindowOf(*dialog);
    if (window == nullptr || !window->isVisible()) {
      return;
    }
    stepRan = true;
    step(*dialog);
  });
  poll.start(10);
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    if (auto* dialog = dynamic_cast<framework::CDialog*>(app.m_pMainWnd)) {
      ADD_FAILURE() << "the main window was still open when the watchdog fired";
      dialog->EndDialog(kLeftOpen);
    }
  });
  watchdog.start(10000);
  const int result = run();
  EXPECT_TRUE(stepRan) << "the main window never showed";
  return result;
}

using ConverterAppRun = WindowTest;

TEST_F(ConverterAppRun, InitInstanceRunsTheConverterWindowThenDeclinesTheLoop) {
  CConverterApp app;
  ASSERT_EQ(app.m_pMainWnd, nullptr);
  bool wasConverterWindow = false;
  const int result = RunWithQueuedStep(
      app, [&] { return app.InitInstance(); },
      [&](framework::CDialog& dialog) {
        wasConverterWindow = dynamic_cast<CConverterDlg*>(&dialog) != nullptr;
        QTest::keyClick(ControlOf(dialog, IDC_WIDE_MM), Qt::Key_Escape);
      });
  EXPECT_TRUE(wasConverterWindow) << "the main window is not a CConverterDlg";
  EXPECT_EQ(result, framework::FALSE);
  EXPECT_EQ(app.m_pMainWnd, nullptr) << "the main-window reference outlived its window";
}

struct CloseRow {
  const char* name;
  std::function<void(framework::CDialog&)> close;
};

class ConverterAppExit : public WindowTest, public ::testing::WithParamInterface<CloseRow> {};

// However the window ends (end code 1 or 2), the process ends with status 0.
TEST_P(ConverterAppExit, TheFrameworksMainReturnsZero) {
  CConverterApp app;
  std::array<char, 8> name{"fokuro"};
  std::array<char*, 2> argv{name.data(), nullptr};
  const int status = RunWithQueuedStep(
      app, [&] { return framework::AfxWinMain(1, argv.data()); }, GetParam().close);
  // The framework's main put its own backend in for the run; the tests go on with theirs.
  framework::SetBackend(&Backend());
  EXPECT_EQ(status, 0);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Closes, ConverterAppExit,
    ::testing::Values(CloseRow{"Escape",
                               [](framework::CDialog& dialog) {
                                 QTest::keyClick(ControlOf(dialog, IDC_WIDE_MM), Qt::Key_Escape);
                               }},
                      CloseRow{"EnterAfterTyping",
                               [](framework::CDialog& dialog) {
                                 QTest::keyClicks(ControlOf(dialog, IDC_WIDE_MM),
                                                  QStringLiteral("28"));
                                 QTest::keyClick(ControlOf(dialog, IDC_WIDE_MM), Qt::Key_Return);
                               }},
                      CloseRow{"ExitButton",
                               [](framework::CDialog& dialog) {
                                 QTest::mouseClick(ControlOf(dialog, IDC_EXIT), Qt::LeftButton);
                               }}),
    [](const ::testing::TestParamInfo<CloseRow>& row) { return row.param.name; });

}  // namespace
}  // namespace fokuro::testing
