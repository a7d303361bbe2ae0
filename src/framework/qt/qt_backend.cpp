#include "framework/qt/qt_backend.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QDesktopServices>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QStyleFactory>
#include <QUrl>

#include <unistd.h>

#include <array>

#include "framework/qt/icon_pixmap.h"
#include "framework/qt/platform_window.h"

namespace framework::qt {
namespace {

QString FromBytes(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToBytes(const QString& text) {
  return text.toUtf8().toStdString();
}

// QApplication keeps a reference to its argument count and vector for its whole life.
int gArgumentCount = 1;
std::array<char*, 2> gArguments{};

}  // namespace

QtBackend::QtBackend(const char* programName) {
  if (QApplication::instance() == nullptr) {
    static std::string name;
    name = programName;
    gArguments = {name.data(), nullptr};
    gArgumentCount = 1;
    m_ownApplication = std::make_unique<QApplication>(gArgumentCount, gArguments.data());
  }
  // The classic three-dimensional look, whatever the desktop's theme.
  if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
    QApplication::setStyle(classic);
    QApplication::setPalette(classic->standardPalette());
  }
  // The program ends when its window's modal run ends, not when Qt sees no window.
  QApplication::setQuitOnLastWindowClosed(false);
}

QtBackend::~QtBackend() = default;

std::string QtBackend::ModuleFileName() const {
  std::array<char, 4096> path{};
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) {
    return ToBytes(QCoreApplication::applicationFilePath());
  }
  return std::string(path.data(), static_cast<std::size_t>(length));
}

HWND QtBackend::CreateDialogWindow(const DialogTemplate& dialog, CWnd& owner) {
  return new PlatformWindow(dialog, owner);
}

void QtBackend::DestroyWindow(HWND window) {
  delete window;
}

void QtBackend::ShowWindow(HWND window, bool visible) {
  QWidget* widget = window->widget.get();
  if (!visible) {
    widget->hide();
    return;
  }
  widget->show();
  widget->raise();
  widget->activateWindow();
  if (window->pendingFocus != 0) {
    SetFocus(window, window->pendingFocus);
    window->pendingFocus = 0;
  }
}

Rect QtBackend::WindowRect(HWND window) const {
  const QRect frame = window->widget->frameGeometry();
  return {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
}

Rect QtBackend::WorkArea(HWND window) const {
  const QScreen* screen = window->widget->screen();
  if (screen == nullptr) {
    screen = QGuiApplication::primaryScreen();
  }
  if (screen == nullptr) {
    return WindowRect(window);
  }
  const QRect area = screen->availableGeometry();
  return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

void QtBackend::MoveWindow(HWND window, Point topLeft) {
  window->widget->move(topLeft.x, topLeft.y);
}

Rect QtBackend::ClientRect(HWND window) const {
  return {0, 0, window->widget->width(), window->widget->height()};
}

bool QtBackend::IsIconic(HWND window) const {
  return window->widget->isMinimized();
}

void QtBackend::SetIcon(HWND window, int /*which*/, HICON icon) {
  // One 32 x 32 picture serves both sizes; the desktop scales it for the small one.
  if (icon != nullptr) {
    window->widget->setWindowIcon(QIcon(IconPixmap(*icon)));
  }
}

void QtBackend::CancelMode(HWND /*window*/) {
  if (QWidget* popup = QApplication::activePopupWidget()) {
    popup->close();
  }
  if (QWidget* grabber = QWidget::mouseGrabber()) {
    grabber->releaseMouse();
  }
}

void QtBackend::DrawIcon(HWND window, Point topLeft, HICON icon) {
  if (icon != nullptr) {
    QPainter painter(window->widget.get());
    painter.drawPixmap(topLeft.x, topLeft.y, IconPixmap(*icon));
  }
}

bool QtBackend::RunModalLoop(HWND window) {
  if (!window->endRequested) {
    QEventLoop loop;
    window->loop = &loop;
    loop.exec(QEventLoop::DialogExec);
    window->loop = nullptr;
  }
  if (window->failure) {
    std::rethrow_exception(std::exchange(window->failure, nullptr));
  }
  // The loop also ends when the application is told to quit; that is no end of the dialog.
  return window->endRequested;
}

void QtBackend::EndModalLoop(HWND window) {
  window->endRequested = true;
  if (window->loop != nullptr) {
    window->loop->exit();
  }
}

std::string QtBackend::ControlText(HWND window, int control) const {
  QWidget* widget = window->Control(control);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    return ToBytes(edit->text());
  }
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    // A multi-line button shows its text in a wrapping label of its own.
    const auto* wrapped = button->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    return ToBytes(wrapped != nullptr ? wrapped->text() : button->text());
  }
  return {};
}

void QtBackend::SetControlText(HWND window, int control, std::string_view text) {
  QWidget* widget = window->Control(control);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(FromBytes(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    if (auto* wrapped = button->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
      wrapped->setText(FromBytes(text));
    } else {
      button->setText(FromBytes(text));
    }
  }
}

unsigned QtBackend::ButtonState(HWND window, int control) const {
  auto* button = qobject_cast<QAbstractButton*>(window->Control(control));
  return button != nullptr && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void QtBackend::SetButtonState(HWND window, int control, unsigned state) {
  auto* button = qobject_cast<QAbstractButton*>(window->Control(control));
  if (button == nullptr || !button->isCheckable()) {
    return;
  }
  const bool checked = state == BST_CHECKED;
  // An exclusive group refuses to clear its checked button; the program may.
  QButtonGroup* group = button->group();
  if (!checked && group != nullptr && group->exclusive()) {
    group->setExclusive(false);
    button->setChecked(false);
    group->setExclusive(true);
  } else {
    button->setChecked(checked);
  }
}

void QtBackend::SetFocus(HWND window, int control) {
  if (!window->widget->isVisible()) {
    window->pendingFocus = control;
    return;
  }
  if (QWidget* widget = window->Control(control)) {
    widget->setFocus(Qt::OtherFocusReason);
  }
}

int QtBackend::FocusedControl(HWND window) const {
  if (!window->widget->isVisible() && window->pendingFocus != 0) {
    return window->pendingFocus;
  }
  return window->ControlNumberOf(window->widget->focusWidget());
}

int QtBackend::MessageBox(HWND owner, std::string_view text, std::string_view caption,
                          unsigned style) {
  QWidget* parent = owner != nullptr ? owner->widget.get() : nullptr;
  QMessageBox box(QMessageBox::Warning, FromBytes(caption), FromBytes(text), QMessageBox::Ok,
                  parent);
  if ((style & MB_ICONEXCLAMATION) != MB_ICONEXCLAMATION) {
    box.setIcon(QMessageBox::NoIcon);
  }
  if ((style & MB_SYSTEMMODAL) != 0) {
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
  }
  // Ctrl+C copies the whole box as the system's message box does on Windows, so that the
  // user can paste what it said; Qt's own box copies nothing outside Windows.
  const QShortcut copy(QKeySequence::Copy, &box);
  QObject::connect(&copy, &QShortcut::activated, &box, [&box] {
    const QString rule = QStringLiteral("---------------------------\n");
    QString buttons;
    for (const QAbstractButton* button : box.buttons()) {
      buttons += QString(button->text()).remove(QLatin1Char('&')) + QStringLiteral("   ");
    }
    QGuiApplication::clipboard()->setText(rule + box.windowTitle() + QLatin1Char('\n') + rule +
                                          box.text() + QLatin1Char('\n') + rule + buttons +
                                          QLatin1Char('\n') + rule);
  });
  box.exec();
  return IDOK_RESULT;
}

bool QtBackend::OpenAddress(std::string_view address) {
  return QDesktopServices::openUrl(QUrl(FromBytes(address)));
}

bool QtBackend::WinHelp(HWND owner, std::string_view helpFile, unsigned command,
                        std::uintptr_t data) {
  return m_helpEngine && m_helpEngine(owner, helpFile, command, data);
}

int QtBackend::ShowWaitCursor() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  return ++m_waitCursors;
}

void QtBackend::RestoreCursor(int /*previous*/) {
  if (m_waitCursors > 0) {
    --m_waitCursors;
    QApplication::restoreOverrideCursor();
  }
}

QWidget* QtBackend::WindowWidget(HWND window) {
  return window != nullptr ? window->widget.get() : nullptr;
}

QWidget* QtBackend::ControlWidget(HWND window, int control) {
  return window != nullptr ? window->Control(control) : nullptr;
}

}  // namespace framework::qt

namespace framework {

std::unique_ptr<Backend> CreatePlatformBackend(const char* programName) {
  return std::make_unique<qt::QtBackend>(programName);
}

}  // namespace framework
