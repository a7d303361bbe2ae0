#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

#include "framework/qt/icon_pixmap.h"
#include "framework/qt/platform_window.h"
#include "framework/resources.h"

namespace framework::qt {
namespace {

QString TextOf(const ControlTemplate& control) {
  return QString::fromUtf8(control.text.data(), static_cast<qsizetype>(control.text.size()));
}

// A picture that, when it notifies, reports a click with its number; otherwise it lets the
// click fall through to nothing, as a label does.
class IconPicture final : public QLabel {
 public:
  IconPicture(PlatformWindow& window, int control) : m_window(window), m_control(control) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      m_window.DeliverClick(m_control);
    }
  }

 private:
  PlatformWindow& m_window;
  int m_control;
};

// Qt's radio button reacts only to its mark and its text; the control's whole rectangle must,
// as the short texts leave most of the 179-unit width empty.
class RadioButton final : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// A read-only field still shows its caret while it has the focus, so the user sees where a
// keyboard selection starts; Qt's own read-only line edit draws none.
class ReadOnlyField final : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLineEdit::paintEvent(event);
    if (hasFocus() && !hasSelectedText()) {
      QPainter painter(this);
      const QRect caret = cursorRect();
      const int x = caret.center().x();
      painter.setPen(palette().color(QPalette::Text));
      painter.drawLine(x, caret.top(), x, caret.bottom());
    }
  }
};

QWidget* MakePushButton(PlatformWindow& window, const ControlTemplate& control) {
  auto* button = new QPushButton(window.widget.get());
  // Enter is the dialog's to decide: no button is ever the default.
  button->setAutoDefault(false);
  button->setDefault(false);
  if (control.Has(kMultiLine)) {
    auto* label = new QLabel(TextOf(control), button);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QHBoxLayout(button);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(label);
  } else {
    button->setText(TextOf(control));
  }
  const int number = control.id;
  QObject::connect(button, &QPushButton::clicked, button,
                   [&window, number] { window.DeliverClick(number); });
  return button;
}

QWidget* MakeRadioButton(PlatformWindow& window, const ControlTemplate& control,
                         QButtonGroup*& group) {
  auto* radio = new RadioButton(TextOf(control), window.widget.get());
  if (group == nullptr || control.Has(kGroupStart)) {
    group = new QButtonGroup(window.widget.get());
    group->setExclusive(true);
  }
  radio->setAutoExclusive(false);
  group->addButton(radio);
  const int number = control.id;
  QObject::connect(radio, &QRadioButton::clicked, radio,
                   [&window, number] { window.DeliverClick(number); });
  return radio;
}

QWidget* MakeEdit(PlatformWindow& window, const ControlTemplate& control) {
  QLineEdit* edit = control.Has(kReadOnly) ? new ReadOnlyField(TextOf(control), window.widget.get())
                                           : new QLineEdit(TextOf(control), window.widget.get());
  // No limit and no filter: any text of any length.
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setFrame(control.Has(kBorder));
  edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  if (control.Has(kReadOnly)) {
    edit->setReadOnly(true);
    // Read-only fields sit on the window's face colour.
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
  }
  return edit;
}

QWidget* MakeIconPicture(PlatformWindow& window, const ControlTemplate& control) {
  auto* picture = new IconPicture(window, control.id);
  picture->setParent(window.widget.get());
  if (const IconResource* icon = FindIcon(static_cast<unsigned>(control.iconResource))) {
    picture->setPixmap(IconPixmap(*icon));
  }
  if (!control.Has(kNotify)) {
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  return picture;
}

QWidget* MakeStatic(PlatformWindow& window, const ControlTemplate& control) {
  QWidget* made = nullptr;
  if (control.kind == ControlKind::GroupBox) {
    made = new QGroupBox(TextOf(control), window.widget.get());
  } else {
    auto* label = new QLabel(TextOf(control), window.widget.get());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    made = label;
  }
  // Labels and frames take no input: a click on them reaches nothing.
  made->setAttribute(Qt::WA_TransparentForMouseEvents);
  return made;
}

Qt::FocusPolicy FocusPolicyOf(const ControlTemplate& control) {
  switch (control.kind) {
    case ControlKind::Label:
    case ControlKind::GroupBox:
    case ControlKind::IconPicture:
      return Qt::NoFocus;
    default:
      // Tab is decided by the dialog rules, never by Qt's focus chain.
      return Qt::ClickFocus;
  }
}

}  // namespace

void BuildControls(PlatformWindow& window) {
  QButtonGroup* radioGroup = nullptr;
  std::vector<QWidget*> groupBoxes;
  for (const ControlTemplate& control : window.dialog.controls) {
    QWidget* made = nullptr;
    switch (control.kind) {
      case ControlKind::PushButton:
        made = MakePushButton(window, control);
        break;
      case ControlKind::AutoRadioButton:
        made = MakeRadioButton(window, control, radioGroup);
        break;
      case ControlKind::Edit:
        made = MakeEdit(window, control);
        break;
      case ControlKind::IconPicture:
        made = MakeIconPicture(window, control);
        break;
      case ControlKind::Label:
      case ControlKind::GroupBox:
        made = MakeStatic(window, control);
        break;
    }
    if (control.kind != ControlKind::AutoRadioButton && control.Has(kGroupStart)) {
      radioGroup = nullptr;
    }
    if (control.kind == ControlKind::GroupBox) {
      groupBoxes.push_back(made);
    }
    const Rect pixels = ControlRectInPixels(control, window.baseUnits);
    made->setGeometry(pixels.left, pixels.top, pixels.Width(), pixels.Height());
    made->setFocusPolicy(FocusPolicyOf(control));
    made->setProperty("controlId", control.id);
    made->setObjectName(QStringLiteral("control-%1").arg(control.id));
    if (control.id != IDC_STATIC) {
      window.controls[control.id] = made;
    }
  }
  // A group box draws only its frame: it stays beneath the controls it frames.
  for (QWidget* box : groupBoxes) {
    box->lower();
  }
}

}  // namespace framework::qt
