// Prints where the main window's numbered controls lie, in client pixels, as the program
// itself lays them out on the display this runs on (the font, and so the dialog units,
// depend on the display):
//   client <width> <height>
//   <control number> <left> <top> <right> <bottom>
#include <QApplication>

#include <cstdio>

#include "framework/dialog_geometry.h"
#include "framework/qt/dialog_font.h"
#include "ui/converter_template.h"

int main(int argc, char** argv) {
  const QApplication application(argc, argv);
  const framework::DialogTemplate& dialog = fokuro::ConverterDialogTemplate();
  const framework::BaseUnits base =
      framework::qt::BaseUnitsOf(framework::qt::DialogFont(dialog.font));
  std::printf("client %d %d\n", framework::HorizontalPixels(dialog.clientWidth, base),
              framework::VerticalPixels(dialog.clientHeight, base));
  for (const framework::ControlTemplate& control : dialog.controls) {
    if (control.id == framework::IDC_STATIC) {
      continue;
    }
    const framework::Rect rect = framework::ControlRectInPixels(control, base);
    std::printf("%d %d %d %d %d\n", control.id, rect.left, rect.top, rect.right, rect.bottom);
  }
  return 0;
}
