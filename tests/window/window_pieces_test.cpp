// The minimized icon's place, the drag icon, and a template that is not there.
#include <QApplication>

#include "framework/dialog.h"
#include "framework/resources.h"
#include "named_rows.h"
#include "ui/converter_dlg.h"
#include "ui/minimized_icon.h"
#include "ui/resource.h"
#include "window_fixture.h"

namespace fokuro::testing {
namespace {

struct PlacementRow {
  const char* name;
  framework::Size client;
  framework::Point topLeft;
};

void PrintTo(const PlacementRow& row, std::ostream* out) {
  *out << row.name;
}

class MinimizedIconPositionTest : public ::testing::TestWithParam<PlacementRow> {};

TEST_P(MinimizedIconPositionTest, CentresTheStandardIcon) {
  const PlacementRow& row = GetParam();
  const framework::Point at = MinimizedIconPosition(row.client, {32, 32});
  EXPECT_EQ(at.x, row.topLeft.x);
  EXPECT_EQ(at.y, row.topLeft.y);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MinimizedIconPositionTest,
    ::testing::Values(PlacementRow{"client_36_by_37", {36, 37}, {2, 3}},
                      PlacementRow{
                          "smaller_than_the_icon_truncates_toward_zero", {20, 20}, {-5, -5}},
                      PlacementRow{"one_short_truncates_toward_zero", {30, 29}, {0, -1}},
                      PlacementRow{"icon_size", {32, 32}, {0, 0}},
                      PlacementRow{"one_more_rounds_up", {33, 33}, {1, 1}},
                      PlacementRow{"empty_client", {0, 0}, {-15, -15}}),
    RowName{});

using WindowPiecesTest = WindowTest;

TEST_F(WindowPiecesTest, TheDragIconIsTheProgramIcon) {
  const framework::IconResource* icon = framework::FindIcon(IDI_APP_ICON);
  ASSERT_NE(icon, nullptr);
  CConverterDlg dialog;
  const auto endCode = RunModal(dialog, [&] {
    EXPECT_EQ(dialog.SendMessage(framework::WM_QUERYDRAGICON),
              reinterpret_cast<framework::LRESULT>(icon));
    dialog.EndDialog(framework::IDOK);
  });
  EXPECT_EQ(endCode, framework::IDOK);
}

TEST_F(WindowPiecesTest, AMissingTemplateEndsAtOnceWithMinusOneAndShowsNothing) {
  const auto windowsBefore = QApplication::topLevelWidgets().size();
  framework::CDialog dialog(999);
  // Called directly: no step may be left queued for a loop that never runs.
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
}

}  // namespace
}  // namespace fokuro::testing
