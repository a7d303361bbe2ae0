// What a mouse click reaches: the picture and the push buttons report clicks with their
// numbers; labels and group boxes reach nothing.
#include <QPoint>

#include <vector>

#include "framework/dialog_geometry.h"
#include "framework/dialog_template.h"
#include "framework/qt/dialog_font.h"
#include "named_rows.h"
#include "ui/converter_template.h"
#include "ui/resource.h"
#include "window_fixture.h"
#include "window_input.h"

namespace fokuro::testing {
namespace {

using Command = RecordingDialog::Command;

Command ClickOf(int control) {
  return {static_cast<unsigned>(control), framework::BN_CLICKED, true};
}

using ClickWindowTest = WindowTest;

TEST_F(ClickWindowTest, AClickOnTheIconPictureReachesTheWindowAsAClickOf2012) {
  RecordingDialog dialog;
  RunActive(dialog, [&] {
    QWidget* picture = ControlOf(dialog, IDC_AUTHOR_ICON);
    Click(picture);
    EXPECT_EQ(dialog.commands, std::vector{ClickOf(IDC_AUTHOR_ICON)});
    EXPECT_EQ(dialog.clicks, std::vector{IDC_AUTHOR_ICON});
    // The picture's corners count too, and every click is one more.
    ClickAt(picture, QPoint(0, 0));
    ClickAt(picture, QPoint(31, 31));
    EXPECT_EQ(dialog.clicks, (std::vector{IDC_AUTHOR_ICON, IDC_AUTHOR_ICON, IDC_AUTHOR_ICON}));
    // A picture takes no focus.
    EXPECT_EQ(FocusedControl(dialog), IDC_WIDE_MM);
  });
}

struct ButtonRow {
  const char* name;
  int button;
};

void PrintTo(const ButtonRow& row, std::ostream* out) {
  *out << row.name;
}

class PushButtonClickTest : public WindowTest, public ::testing::WithParamInterface<ButtonRow> {};

TEST_P(PushButtonClickTest, AClickAndThenSpaceEachReachTheWindowAsAClickOfTheButton) {
  RecordingDialog dialog;
  RunActive(dialog, [&] {
    const int button = GetParam().button;
    Click(ControlOf(dialog, button));
    EXPECT_EQ(dialog.commands, std::vector{ClickOf(button)});
    ASSERT_EQ(FocusedControl(dialog), button);
    Press(Qt::Key_Space);
    EXPECT_EQ(dialog.commands, (std::vector{ClickOf(button), ClickOf(button)}));
    EXPECT_EQ(dialog.clicks, (std::vector{button, button}));
  });
}

INSTANTIATE_TEST_SUITE_P(Rows, PushButtonClickTest,
                         ::testing::Values(ButtonRow{"convert_2008", IDC_CONVERT},
                                           ButtonRow{"exit_2009", IDC_EXIT},
                                           ButtonRow{"clear_2010", IDC_CLEAR},
                                           ButtonRow{"author_web_2011", IDC_AUTHOR_WEB}),
                         RowName{});

// Where on an unnumbered control to click: a spot no other control covers.
enum class Spot { Middle, LeftEdge, Caption };

struct StaticRow {
  const char* name;
  std::size_t index;  // in template order
  Spot spot;
};

void PrintTo(const StaticRow& row, std::ostream* out) {
  *out << row.name;
}

class StaticClickTest : public WindowTest, public ::testing::WithParamInterface<StaticRow> {};

QRect TemplateRectInWindow(const framework::ControlTemplate& control, const QWidget& window) {
  const framework::Rect r =
      framework::ControlRectInPixels(control, framework::qt::BaseUnitsOf(window.font()));
  return {r.left, r.top, r.Width(), r.Height()};
}

TEST_P(StaticClickTest, ReachesNothing) {
  const framework::ControlTemplate& control = ConverterDialogTemplate().controls[GetParam().index];
  ASSERT_EQ(control.id, framework::IDC_STATIC);
  RecordingDialog dialog;
  RunActive(dialog, [&] {
    QWidget* window = WindowOf(dialog);
    const QRect rect = TemplateRectInWindow(control, *window);
    QPoint at = rect.center();
    if (GetParam().spot == Spot::LeftEdge) {
      at = QPoint(rect.left() + 2, rect.center().y());
    } else if (GetParam().spot == Spot::Caption) {
      at = QPoint(rect.left() + 20, rect.top() + 3);
    }
    // The spot must be on this control alone, or the test would click something else.
    for (const framework::ControlTemplate& other : ConverterDialogTemplate().controls) {
      if (&other != &control && other.kind != framework::ControlKind::GroupBox) {
        ASSERT_FALSE(TemplateRectInWindow(other, *window).contains(at))
            << "covered by " << other.id;
      }
    }
    ASSERT_TRUE(rect.contains(at));
    dialog.CheckRadioButton(IDC_CROP_1_0, IDC_CROP_1_7, IDC_CROP_1_3);
    ClickAt(window, at);
    EXPECT_TRUE(dialog.commands.empty()) << dialog.commands.size() << " commands arrived";
    EXPECT_TRUE(dialog.clicks.empty());
    EXPECT_EQ(FocusedControl(dialog), IDC_WIDE_MM);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_CROP_1_3), framework::BST_CHECKED);
  });
}

INSTANTIATE_TEST_SUITE_P(Rows, StaticClickTest,
                         ::testing::Values(StaticRow{"crop_class_frame_edge", 8, Spot::LeftEdge},
                                           StaticRow{"crop_class_frame_caption", 8, Spot::Caption},
                                           StaticRow{"lens_frame_edge", 18, Spot::LeftEdge},
                                           StaticRow{"lens_frame_caption", 18, Spot::Caption},
                                           StaticRow{"lens_wide_label", 19, Spot::Middle},
                                           StaticRow{"lens_tele_label", 20, Spot::Middle},
                                           StaticRow{"result_wide_label", 21, Spot::Middle},
                                           StaticRow{"result_tele_label", 22, Spot::Middle},
                                           StaticRow{"result_frame_edge", 23, Spot::LeftEdge},
                                           StaticRow{"result_frame_caption", 23, Spot::Caption}),
                         RowName{});

}  // namespace
}  // namespace fokuro::testing
