#include "app/converter_app.h"
#include "framework/resources.h"
#include "ui/program_resources.h"

namespace {

fokuro::CConverterApp theApp;

}  // namespace

int main(int argc, char** argv) {
  framework::SetResources(fokuro::ProgramResources());
  return framework::AfxWinMain(argc, argv);
}
