// The author's button and the icon picture hand their pages to the desktop, every click.
#include <QTest>

#include <string>
#include <vector>

#include "behaviour_steps.h"
#include "named_rows.h"
#include "ui/converter_dlg.h"
#include "ui/resource.h"
#include "ui/web_pages.h"
#include "window_fixture.h"

namespace fokuro::testing {
namespace {

struct PageRow {
  const char* name;
  int control;
  int clicks;
  std::string_view address;
};

void PrintTo(const PageRow& row, std::ostream* out) {
  *out << row.name;
}

class WebPageTest : public WindowTest, public ::testing::WithParamInterface<PageRow> {};

TEST_P(WebPageTest, EveryClickOpensThePageAndTheWindowKeepsItsState) {
  const PageRow& row = GetParam();
  OpenedAddresses opened;
  CConverterDlg dialog;
  const auto endCode = RunModal(dialog, [&] {
    TypeInto(dialog, IDC_WIDE_MM, "18");
    TypeInto(dialog, IDC_TELE_MM, "55");
    Click(dialog, IDC_CONVERT);
    ASSERT_EQ(TextOf(dialog, IDC_TELE_RESULT), "88.");

    for (int click = 0; click < row.clicks; ++click) {
      Click(dialog, row.control);
    }

    EXPECT_EQ(opened.addresses, std::vector<std::string>(static_cast<std::size_t>(row.clicks),
                                                         std::string(row.address)));
    EXPECT_TRUE(WindowOf(dialog)->isVisible());
    EXPECT_EQ(TextOf(dialog, IDC_WIDE_MM), "18");
    EXPECT_EQ(TextOf(dialog, IDC_TELE_MM), "55");
    EXPECT_EQ(TextOf(dialog, IDC_WIDE_RESULT), "28.8");
    EXPECT_EQ(TextOf(dialog, IDC_TELE_RESULT), "88.");
    EXPECT_EQ(CheckedClasses(dialog), std::vector<int>{IDC_CROP_1_6});
    PressKey(dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(endCode, framework::IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WebPageTest,
    ::testing::Values(PageRow{"author_button_once", IDC_AUTHOR_WEB, 1, kAuthorPageAddress},
                      PageRow{"author_button_twice", IDC_AUTHOR_WEB, 2, kAuthorPageAddress},
                      PageRow{"icon_once", IDC_AUTHOR_ICON, 1, kSecondPageAddress},
                      PageRow{"icon_twice", IDC_AUTHOR_ICON, 2, kSecondPageAddress}),
    RowName{});

}  // namespace
}  // namespace fokuro::testing
