// fokuro-render PATH: opens the main window offscreen, saves a picture of it to PATH (PNG),
// and closes it again. The offscreen platform draws no window frame, only the client area.
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#include "framework/qt/qt_backend.h"
#include "framework/resources.h"
#include "ui/converter_dlg.h"
#include "ui/program_resources.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fokuro-render PATH.png\n");
    return 2;
  }
  // Never on anybody's screen unless asked for.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  framework::qt::QtBackend backend(argv[0]);
  framework::SetBackend(&backend);
  framework::SetResources(fokuro::ProgramResources());

  const QString path = QString::fromLocal8Bit(argv[1]);
  bool saved = false;
  fokuro::CConverterDlg dialog;
  // Queued before the modal run, so it runs once the window has been initialised and shown.
  QTimer::singleShot(0, [&] {
    if (QWidget* window = framework::qt::QtBackend::WindowWidget(dialog.m_hWnd)) {
      saved = window->grab().save(path, "PNG");
    }
    dialog.EndDialog(framework::IDCANCEL);
  });
  dialog.DoModal();
  framework::SetBackend(nullptr);
  if (!saved) {
    std::fprintf(stderr, "fokuro-render: could not save %s\n", argv[1]);
    return 1;
  }
  return 0;
}
