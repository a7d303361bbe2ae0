// The window as built by the Qt backend: every control's pixels, the client size, the frame
// and the font.
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstddef>

#include "framework/dialog_geometry.h"
#include "framework/qt/dialog_font.h"
#include "named_rows.h"
#include "ui/converter_dlg.h"
#include "ui/converter_template.h"
#include "ui/resource.h"
#include "window_fixture.h"
#include "window_input.h"

namespace fokuro::testing {
namespace {

using framework::BaseUnits;
using framework::ControlKind;
using framework::ControlTemplate;
using framework::IDC_STATIC;

const framework::DialogTemplate& Template() {
  return ConverterDialogTemplate();
}

// Measured apart from the backend: each letter's advance on its own, halves rounded up.
BaseUnits MeasuredBaseUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  int letters = 0;
  for (char16_t c = u'A'; c <= u'Z'; ++c) {
    letters += metrics.horizontalAdvance(QChar(c));
    letters += metrics.horizontalAdvance(QChar(static_cast<char16_t>(c - u'A' + u'a')));
  }
  return {.averageWidth = (letters + 26) / 52, .height = metrics.height()};
}

QRect ToQRect(const framework::Rect& r) {
  return {r.left, r.top, r.Width(), r.Height()};
}

QRect ExpectedPixels(const ControlTemplate& control, const BaseUnits& base) {
  return ToQRect(framework::ControlRectInPixels(control, base));
}

QString TextOf(const ControlTemplate& control) {
  return QString::fromUtf8(control.text.data(), static_cast<qsizetype>(control.text.size()));
}

bool IsOfKind(const QWidget* widget, ControlKind kind) {
  switch (kind) {
    case ControlKind::AutoRadioButton:
      return qobject_cast<const QRadioButton*>(widget) != nullptr;
    case ControlKind::PushButton:
      return qobject_cast<const QPushButton*>(widget) != nullptr;
    case ControlKind::Edit:
      return qobject_cast<const QLineEdit*>(widget) != nullptr;
    case ControlKind::GroupBox:
      return qobject_cast<const QGroupBox*>(widget) != nullptr;
    case ControlKind::Label:
    case ControlKind::IconPicture:
      return qobject_cast<const QLabel*>(widget) != nullptr;
  }
  return false;
}

QString WidgetText(const QWidget* widget) {
  if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
    return box->title();
  }
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    return label->text();
  }
  return {};
}

QList<QWidget*> ChildControls(const framework::CWnd& dialog) {
  return WindowOf(dialog)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

// The widgets that could be the template row: numbered ones by number, the unnumbered ones
// (two pairs of labels share their texts) by kind and text.
QList<QWidget*> CandidatesFor(const framework::CWnd& dialog, const ControlTemplate& control) {
  if (control.id != IDC_STATIC) {
    return {ControlOf(dialog, control.id)};
  }
  QList<QWidget*> found;
  for (QWidget* child : ChildControls(dialog)) {
    if (IsOfKind(child, control.kind) && WidgetText(child) == TextOf(control)) {
      found.push_back(child);
    }
  }
  return found;
}

using LayoutWindowTest = WindowTest;

// Every row of the template, named, so that a wrong place says which control it is.
struct ControlRow {
  const char* name;
  std::size_t index;  // in template order
};

void PrintTo(const ControlRow& row, std::ostream* out) {
  *out << row.name;
}

class ControlGeometryTest : public WindowTest, public ::testing::WithParamInterface<ControlRow> {};

TEST_P(ControlGeometryTest, SitsWhereTheTemplateSaysInTheFontsPixels) {
  const ControlTemplate& control = Template().controls[GetParam().index];
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    const BaseUnits base = framework::qt::BaseUnitsOf(WindowOf(dialog)->font());
    const QRect expected = ExpectedPixels(control, base);
    int matching = 0;
    for (QWidget* widget : CandidatesFor(dialog, control)) {
      ASSERT_NE(widget, nullptr);
      EXPECT_TRUE(IsOfKind(widget, control.kind)) << widget->metaObject()->className();
      EXPECT_EQ(widget->parentWidget(), WindowOf(dialog));
      EXPECT_TRUE(widget->isVisible());
      EXPECT_TRUE(widget->isEnabled());
      matching += widget->geometry() == expected ? 1 : 0;
      if (control.id != IDC_STATIC) {
        EXPECT_EQ(widget->geometry(), expected);
      }
    }
    EXPECT_EQ(matching, 1) << "no single widget at " << expected.x() << "," << expected.y() << " "
                           << expected.width() << "x" << expected.height();
  });
}

INSTANTIATE_TEST_SUITE_P(
    EveryControl, ControlGeometryTest,
    ::testing::Values(ControlRow{"radio_1001", 0}, ControlRow{"radio_1002", 1},
                      ControlRow{"radio_1003", 2}, ControlRow{"radio_1004", 3},
                      ControlRow{"radio_1005", 4}, ControlRow{"radio_1006", 5},
                      ControlRow{"radio_1007", 6}, ControlRow{"radio_1008", 7},
                      ControlRow{"crop_class_frame", 8}, ControlRow{"wide_input_3010", 9},
                      ControlRow{"tele_input_3011", 10}, ControlRow{"convert_2008", 11},
                      ControlRow{"clear_2010", 12}, ControlRow{"wide_result_4016", 13},
                      ControlRow{"tele_result_4017", 14}, ControlRow{"exit_2009", 15},
                      ControlRow{"author_web_2011", 16}, ControlRow{"icon_picture_2012", 17},
                      ControlRow{"lens_frame", 18}, ControlRow{"lens_wide_label", 19},
                      ControlRow{"lens_tele_label", 20}, ControlRow{"result_wide_label", 21},
                      ControlRow{"result_tele_label", 22}, ControlRow{"result_frame", 23}),
    RowName{});

TEST_F(LayoutWindowTest, TheTableAboveCoversTheWholeTemplateAndTheWindowHoldsNothingElse) {
  EXPECT_EQ(Template().controls.size(), 24U);
  CConverterDlg dialog;
  RunActive(dialog, [&] { EXPECT_EQ(ChildControls(dialog).size(), 24); });
}

// The base units of IPAGothic at 11 points on the offscreen screen (96 dpi), measured once;
// the rows below are worked out by hand from them (8 / 4 and 16 / 8: every dialog unit is two
// pixels either way), so they do not restate the code.
constexpr BaseUnits kIpaGothic11{.averageWidth = 8, .height = 16};

TEST_F(LayoutWindowTest, TheWindowsFontHasTheBaseUnitsTheHandWorkedRowsUse) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    const QFont font = WindowOf(dialog)->font();
    const BaseUnits measured = MeasuredBaseUnits(font);
    EXPECT_EQ(measured.averageWidth, kIpaGothic11.averageWidth);
    EXPECT_EQ(measured.height, kIpaGothic11.height);
    // The backend counts its dialog units in the font the window really shows.
    const BaseUnits backend =
        framework::qt::BaseUnitsOf(framework::qt::DialogFont(Template().font));
    EXPECT_EQ(backend.averageWidth, measured.averageWidth);
    EXPECT_EQ(backend.height, measured.height);
  });
}

struct PixelRow {
  const char* name;
  int control;
  QRect pixels;
};

void PrintTo(const PixelRow& row, std::ostream* out) {
  *out << row.name;
}

class HandWorkedPixelsTest : public WindowTest, public ::testing::WithParamInterface<PixelRow> {};

TEST_P(HandWorkedPixelsTest, ControlIsAtTheseExactPixels) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    EXPECT_EQ(ControlOf(dialog, GetParam().control)->geometry(), GetParam().pixels);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HandWorkedPixelsTest,
    ::testing::Values(PixelRow{"radio_1001", IDC_CROP_1_0, QRect(26, 38, 358, 16)},
                      PixelRow{"radio_1008", IDC_CROP_1_7, QRect(26, 178, 358, 16)},
                      PixelRow{"wide_input_3010", IDC_WIDE_MM, QRect(26, 262, 162, 28)},
                      PixelRow{"tele_result_4017", IDC_TELE_RESULT, QRect(224, 346, 162, 28)},
                      PixelRow{"author_web_2011", IDC_AUTHOR_WEB, QRect(50, 388, 82, 34)},
                      PixelRow{"convert_2008", IDC_CONVERT, QRect(134, 388, 146, 34)},
                      PixelRow{"exit_2009_ends_at_208", IDC_EXIT, QRect(362, 388, 54, 34)},
                      PixelRow{"icon_picture_2012", IDC_AUTHOR_ICON, QRect(14, 388, 32, 32)}),
    RowName{});

TEST_F(LayoutWindowTest, ClientAreaIs217By218DialogUnits) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    QWidget* window = WindowOf(dialog);
    const BaseUnits base = framework::qt::BaseUnitsOf(window->font());
    EXPECT_EQ(window->size(),
              QSize(framework::HorizontalPixels(217, base), framework::VerticalPixels(218, base)));
    EXPECT_EQ(window->size(), QSize(434, 436));  // by hand from kIpaGothic11
  });
}

TEST_F(LayoutWindowTest, IconPictureIsExactly32By32WithTheIconAtItsOwnSize) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    auto* picture = qobject_cast<QLabel*>(ControlOf(dialog, IDC_AUTHOR_ICON));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), QSize(32, 32));
    const QPixmap shown = picture->pixmap();
    EXPECT_EQ(shown.size(), QSize(32, 32));
  });
}

TEST_F(LayoutWindowTest, WindowCannotBeResized) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    QWidget* window = WindowOf(dialog);
    const QSize size = window->size();
    EXPECT_EQ(window->minimumSize(), size);
    EXPECT_EQ(window->maximumSize(), size);
    window->resize(size + QSize(120, 80));
    EXPECT_EQ(window->size(), size);
    window->resize(size - QSize(50, 50));
    EXPECT_EQ(window->size(), size);
  });
}

TEST_F(LayoutWindowTest, TitleBarHasCloseBoxAndWindowMenuButNoMinimizeMaximizeOrHelpButton) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    QWidget* window = WindowOf(dialog);
    const Qt::WindowFlags flags = window->windowFlags();
    // A plain top-level window: a task-bar button of its own, no owner.
    EXPECT_EQ(window->windowType(), Qt::Window);
    EXPECT_EQ(window->parentWidget(), nullptr);
    // Without the customize hint the window system adds its default buttons.
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Fokuro（デジタル一眼レフなら何ミリ？）"));
  });
}

TEST_F(LayoutWindowTest, EveryControlShowsIpaGothicAt11PointsWithOneWidthForHalfWidthCharacters) {
  CConverterDlg dialog;
  RunActive(dialog, [&] {
    QList<QWidget*> widgets = ChildControls(dialog);
    widgets.push_front(WindowOf(dialog));
    for (QWidget* widget : widgets) {
      const QFontInfo info(widget->font());
      SCOPED_TRACE(widget->objectName().toStdString());
      EXPECT_EQ(info.family(), QStringLiteral("IPAGothic"));
      EXPECT_EQ(info.pointSize(), 11);
      EXPECT_EQ(info.weight(), QFont::Normal);
      EXPECT_EQ(info.style(), QFont::StyleNormal);
    }
    const QFontMetrics metrics(WindowOf(dialog)->font());
    const int narrow = metrics.horizontalAdvance(QLatin1Char('i'));
    for (const QChar c : QStringLiteral("W0.m -")) {
      EXPECT_EQ(metrics.horizontalAdvance(c), narrow) << static_cast<int>(c.unicode());
    }
    EXPECT_EQ(metrics.horizontalAdvance(QString::fromUtf8("ｱ")), narrow);
  });
}

}  // namespace
}  // namespace fokuro::testing
