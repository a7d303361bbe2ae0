#include "framework/qt/platform_window.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include "framework/dialog_keyboard.h"
#include "framework/qt/dialog_font.h"
#include "framework/wnd.h"

namespace framework {

PlatformWindow::PlatformWindow(const DialogTemplate& dialogTemplate, CWnd& ownerWindow)
    : dialog(dialogTemplate), owner(ownerWindow) {
  widget = std::make_unique<qt::DialogWidget>(*this);
  const QFont font = qt::DialogFont(dialog.font);
  widget->setFont(font);
  baseUnits = qt::BaseUnitsOf(font);

  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (dialog.frame.systemMenu) {
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  }
  if (dialog.frame.minimizeBox) {
    flags |= Qt::WindowMinimizeButtonHint;
  }
  if (dialog.frame.maximizeBox) {
    flags |= Qt::WindowMaximizeButtonHint;
  }
  if (dialog.frame.contextHelp) {
    flags |= Qt::WindowContextHelpButtonHint;
  }
  widget->setWindowFlags(flags);
  widget->setWindowTitle(
      QString::fromUtf8(dialog.title.data(), static_cast<qsizetype>(dialog.title.size())));
  const QSize client(HorizontalPixels(dialog.clientWidth, baseUnits),
                     VerticalPixels(dialog.clientHeight, baseUnits));
  if (dialog.frame.resizable) {
    widget->resize(client);
  } else {
    widget->setFixedSize(client);
  }

  keyRouter = std::make_unique<qt::KeyRouter>(*this);
  qt::BuildControls(*this);
  widget->installEventFilter(keyRouter.get());
  for (const auto& [number, control] : controls) {
    control->installEventFilter(keyRouter.get());
  }
}

PlatformWindow::~PlatformWindow() {
  // The controls go with the widget; the router must not see their last events.
  for (const auto& [number, control] : controls) {
    control->removeEventFilter(keyRouter.get());
  }
  widget->removeEventFilter(keyRouter.get());
}

void PlatformWindow::Deliver(unsigned message, WPARAM wParam, LPARAM lParam) {
  if (failure) {
    return;
  }
  try {
    owner.SendMessage(message, wParam, lParam);
  } catch (...) {
    failure = std::current_exception();
    if (loop != nullptr) {
      loop->exit();
    }
  }
}

void PlatformWindow::DeliverClick(int control) {
  // A non-zero last argument tells a control's notification from a command.
  Deliver(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(control), BN_CLICKED), 1);
}

QWidget* PlatformWindow::Control(int control) const {
  const auto found = controls.find(control);
  return found == controls.end() ? nullptr : found->second;
}

int PlatformWindow::ControlNumberOf(const QWidget* child) const {
  for (const auto& [number, control] : controls) {
    if (control == child || control->isAncestorOf(child)) {
      return number;
    }
  }
  return 0;
}

namespace qt {
namespace {

Key KeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return Key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::Enter;
    case Qt::Key_Escape:
      return Key::Escape;
    case Qt::Key_F1:
      return Key::F1;
    case Qt::Key_F4:
      return Key::F4;
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Right:
      return Key::Right;
    case Qt::Key_Space:
      return Key::Space;
    default:
      return Key::Other;
  }
}

KeyModifiers ModifiersOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers held = event.modifiers();
  return {.shift = held.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab,
          .control = held.testFlag(Qt::ControlModifier),
          .alt = held.testFlag(Qt::AltModifier)};
}

}  // namespace

DialogWidget::DialogWidget(PlatformWindow& window) : m_window(window) {
  setAttribute(Qt::WA_DeleteOnClose, false);
}

void DialogWidget::closeEvent(QCloseEvent* event) {
  // The close box and the window menu's Close: the window decides, through its messages.
  event->ignore();
  m_window.Deliver(WM_SYSCOMMAND, SC_CLOSE);
}

void DialogWidget::paintEvent(QPaintEvent* event) {
  m_window.Deliver(WM_PAINT);
  QWidget::paintEvent(event);
}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) {
    return QObject::eventFilter(watched, event);
  }
  const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
  const Key key = KeyOf(keyEvent.key());
  const int focused = m_window.ControlNumberOf(m_window.widget->focusWidget());
  const KeyDecision decision =
      DecideDialogKey(m_window.dialog, focused, key, ModifiersOf(keyEvent));

  switch (decision.kind) {
    case KeyDecision::Kind::PassToControl:
      return false;
    case KeyDecision::Kind::Nothing:
      return true;
    case KeyDecision::Kind::MoveFocus:
      if (QWidget* target = m_window.Control(decision.control)) {
        target->setFocus(keyEvent.modifiers().testFlag(Qt::ShiftModifier) ? Qt::BacktabFocusReason
                                                                          : Qt::TabFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(target); edit != nullptr && decision.selectAll) {
          edit->selectAll();
        }
      }
      return true;
    case KeyDecision::Kind::MoveFocusAndCheck:
      if (auto* radio = qobject_cast<QRadioButton*>(m_window.Control(decision.control))) {
        radio->setFocus(Qt::OtherFocusReason);
        radio->setChecked(true);
        m_window.DeliverClick(decision.control);
      }
      return true;
    case KeyDecision::Kind::Click:
      m_window.DeliverClick(decision.control);
      return true;
    case KeyDecision::Kind::Command:
      m_window.Deliver(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(decision.control), 0), 0);
      return true;
    case KeyDecision::Kind::Help:
      m_window.Deliver(WM_HELP);
      return true;
    case KeyDecision::Kind::SystemClose:
      m_window.Deliver(WM_SYSCOMMAND, SC_CLOSE);
      return true;
  }
  return false;
}

}  // namespace qt
}  // namespace framework
