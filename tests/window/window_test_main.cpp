// The window tests' main: one offscreen Qt backend and the program's resources for all.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/qt/qt_backend.h"
#include "framework/resources.h"
#include "ui/program_resources.h"
#include "window_fixture.h"

namespace fokuro::testing {
namespace {

framework::qt::QtBackend* gBackend = nullptr;

}  // namespace

framework::qt::QtBackend& Backend() {
  return *gBackend;
}

}  // namespace fokuro::testing

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Real windows, but never on anybody's screen.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  framework::qt::QtBackend backend(argv[0]);
  fokuro::testing::gBackend = &backend;
  framework::SetBackend(&backend);
  framework::SetResources(fokuro::ProgramResources());
  const int result = RUN_ALL_TESTS();
  framework::SetBackend(nullptr);
  return result;
}
