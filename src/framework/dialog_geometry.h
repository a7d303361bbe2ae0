// Arithmetic of a dialog's geometry, free of any toolkit.
#pragma once

#include "framework/dialog_template.h"
#include "framework/types.h"

namespace framework {

// A font's base values in pixels: the average width of the 52 letters A-Z a-z (rounded to
// the nearest pixel) and the character height.
struct BaseUnits {
  int averageWidth;
  int height;
};

// Dialog units to pixels, each rounded to the nearest pixel (halves away from zero):
// horizontal values times averageWidth / 4, vertical values times height / 8.
int HorizontalPixels(int dialogUnits, const BaseUnits& base);
int VerticalPixels(int dialogUnits, const BaseUnits& base);

// A control's rectangle in client pixels. An icon picture takes the icon's own 32 x 32.
Rect ControlRectInPixels(const ControlTemplate& control, const BaseUnits& base);

// Where a window of the given outer size first shows: centred on the work area (each half
// dropping its remainder), then pushed back inside the left/top edge, or else the right/
// bottom edge, when it would pass one.
Point CenterInWorkArea(Size outer, const Rect& workArea);

}  // namespace framework
