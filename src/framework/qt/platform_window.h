// A dialog window as the Qt backend makes it: the top-level widget, its controls by number,
// and the road from Qt's events to the framework's messages.
#pragma once

#include <QObject>
#include <QWidget>

#include <exception>
#include <map>
#include <memory>

#include "framework/dialog_geometry.h"
#include "framework/dialog_template.h"
#include "framework/types.h"

class QEventLoop;

namespace framework {

class CWnd;

namespace qt {
class DialogWidget;
class KeyRouter;
}  // namespace qt

struct PlatformWindow {
  PlatformWindow(const DialogTemplate& dialogTemplate, CWnd& ownerWindow);
  ~PlatformWindow();
  PlatformWindow(const PlatformWindow&) = delete;
  PlatformWindow& operator=(const PlatformWindow&) = delete;

  // Hands a message to the window's CWnd. Nothing may leave a Qt event handler, so a
  // failure is kept and ends the modal loop, which then passes it on.
  void Deliver(unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);
  void DeliverClick(int control);

  QWidget* Control(int control) const;
  int ControlNumberOf(const QWidget* widget) const;

  const DialogTemplate& dialog;
  CWnd& owner;
  BaseUnits baseUnits{};
  std::unique_ptr<qt::DialogWidget> widget;
  std::unique_ptr<qt::KeyRouter> keyRouter;
  std::map<int, QWidget*> controls;
  QEventLoop* loop = nullptr;
  bool endRequested = false;
  int pendingFocus = 0;  // focus asked for while hidden; given when the window shows
  std::exception_ptr failure;
};

namespace qt {

// The top-level window: the close box becomes the system command, painting a message.
class DialogWidget final : public QWidget {
 public:
  explicit DialogWidget(PlatformWindow& window);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  PlatformWindow& m_window;
};

// Every key of the window goes through the dialog keyboard rules.
class KeyRouter final : public QObject {
 public:
  explicit KeyRouter(PlatformWindow& window) : m_window(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  PlatformWindow& m_window;
};

// Makes the template's controls as children of the window, in template order.
void BuildControls(PlatformWindow& window);

}  // namespace qt
}  // namespace framework
