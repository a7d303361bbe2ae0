#include "behaviour_steps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QTest>

#include "framework/qt/qt_backend.h"
#include "ui/resource.h"

namespace fokuro::testing {

void Click(const framework::CWnd& window, int control) {
  QWidget* widget = ControlOf(window, control);
  if (widget == nullptr) {
    return;
  }
  // A radio button takes a click anywhere in its rectangle, as every other control does.
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void TypeInto(const framework::CWnd& window, int control, std::string_view text) {
  QLineEdit* edit = EditOf(window, control);
  if (edit == nullptr) {
    return;
  }
  QTest::mouseClick(edit, Qt::LeftButton);
  QTest::keyClick(edit, Qt::Key_End);
  QTest::keyClicks(edit, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void PressKey(const framework::CWnd& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QWidget* top = WindowOf(window);
  EXPECT_NE(top, nullptr) << "no window to press a key in";
  if (top == nullptr) {
    return;
  }
  QWidget* focus = top->focusWidget();
  QTest::keyClick(focus != nullptr ? focus : top, key, modifiers);
}

std::vector<int> CheckedClasses(const framework::CWnd& window) {
  std::vector<int> checked;
  for (int button = IDC_CROP_1_0; button <= IDC_CROP_1_7; ++button) {
    if (window.IsDlgButtonChecked(button) != framework::BST_UNCHECKED) {
      checked.push_back(button);
    }
  }
  return checked;
}

std::vector<QMessageBox*> VisibleMessageBoxes() {
  std::vector<QMessageBox*> boxes;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
      boxes.push_back(box);
    }
  }
  return boxes;
}

void ClickOk(QMessageBox& box) {
  QAbstractButton* ok = box.button(QMessageBox::Ok);
  EXPECT_NE(ok, nullptr) << "the box has no OK button";
  if (ok != nullptr) {
    QTest::mouseClick(ok, Qt::LeftButton);
  } else {
    box.done(QMessageBox::Ok);
  }
}

OpenedAddresses::OpenedAddresses() {
  for (const char* scheme : {"https", "http"}) {
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
  }
}

OpenedAddresses::~OpenedAddresses() {
  for (const char* scheme : {"https", "http"}) {
    QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
  }
}

void OpenedAddresses::Open(const QUrl& url) {
  addresses.push_back(url.toString().toStdString());
}

void AppWindowTest::SetUp() {
  app.SetProgramNames(Backend().ModuleFileName());
  Backend().SetHelpEngine(
      [this](framework::HWND, std::string_view file, unsigned command, std::uintptr_t data) {
        helpCalls.push_back({std::string(file), command, data});
        return helpStarts;
      });
}

void AppWindowTest::TearDown() {
  Backend().SetHelpEngine(&framework::qt::OpenHelpFileWithDesktopOpener);
  WindowTest::TearDown();
}

}  // namespace fokuro::testing
