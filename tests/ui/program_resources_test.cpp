#include <gtest/gtest.h>

#include "ui/app_icon.h"
#include "ui/converter_template.h"
#include "ui/program_resources.h"

namespace fokuro {
namespace {

TEST(ProgramResourcesTest, HoldsTheMainWindowTemplateOnly) {
  const framework::ResourceTable table = ProgramResources();
  ASSERT_EQ(table.dialogs.size(), 1u);
  ASSERT_NE(table.dialogs[0], nullptr);
  EXPECT_EQ(table.dialogs[0], &ConverterDialogTemplate());
  EXPECT_EQ(table.dialogs[0]->id, 102u);
}

TEST(ProgramResourcesTest, HoldsTheAppIconOnly) {
  const framework::ResourceTable table = ProgramResources();
  ASSERT_EQ(table.icons.size(), 1u);
  ASSERT_NE(table.icons[0], nullptr);
  EXPECT_EQ(table.icons[0], &AppIcon());
  EXPECT_EQ(table.icons[0]->id, 128u);
}

}  // namespace
}  // namespace fokuro
