#include <QProcess>
#include <QString>
#include <QStringList>

#include "framework/qt/qt_backend.h"

namespace framework::qt {
namespace {

// Long enough for an opener that fails at once to say so; a viewer that starts stays open.
constexpr int kOpenerAnswerMilliseconds = 1500;

}  // namespace

bool OpenHelpFileWithDesktopOpener(HWND /*owner*/, std::string_view helpFile, unsigned /*command*/,
                                   std::uintptr_t /*data*/) {
  // An argument vector, never a shell: the path is one argument whatever it holds.
  auto* opener = new QProcess;
  opener->setProgram(QStringLiteral("xdg-open"));
  opener->setArguments(
      {QString::fromUtf8(helpFile.data(), static_cast<qsizetype>(helpFile.size()))});
  opener->setStandardInputFile(QProcess::nullDevice());
  opener->setStandardOutputFile(QProcess::nullDevice());
  opener->start();
  if (!opener->waitForStarted()) {
    delete opener;
    return false;
  }
  if (opener->waitForFinished(kOpenerAnswerMilliseconds)) {
    const bool opened = opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
    delete opener;
    return opened;
  }
  // Still running: the viewer took the file. Let it go on by itself.
  QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
  return true;
}

}  // namespace framework::qt
