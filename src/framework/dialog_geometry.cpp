#include "framework/dialog_geometry.h"

#include <cstdint>

namespace framework {
namespace {

// value * numerator / denominator rounded to nearest, halves away from zero, as Win32's
// MulDiv does; the product is taken in 64 bits so that it cannot overflow first.
int MulDiv(int value, int numerator, int denominator) {
  const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
  const std::int64_t magnitude = product < 0 ? -product : product;
  const std::int64_t rounded = (magnitude + denominator / 2) / denominator;
  return static_cast<int>(product < 0 ? -rounded : rounded);
}

// Icon pictures show the icon at its own size, not the template's.
constexpr int kIconPixels = 32;

}  // namespace

int HorizontalPixels(int dialogUnits, const BaseUnits& base) {
  return MulDiv(dialogUnits, base.averageWidth, 4);
}

int VerticalPixels(int dialogUnits, const BaseUnits& base) {
  return MulDiv(dialogUnits, base.height, 8);
}

Rect ControlRectInPixels(const ControlTemplate& control, const BaseUnits& base) {
  // Position and size are converted apart, as the dialog manager does, so the right edge is
  // not the conversion of x + width.
  const int left = HorizontalPixels(control.x, base);
  const int top = VerticalPixels(control.y, base);
  if (control.kind == ControlKind::IconPicture) {
    return Rect{left, top, left + kIconPixels, top + kIconPixels};
  }
  return Rect{left, top, left + HorizontalPixels(control.width, base),
              top + VerticalPixels(control.height, base)};
}

Point CenterInWorkArea(Size outer, const Rect& workArea) {
  int left = (workArea.left + workArea.right) / 2 - outer.cx / 2;
  int top = (workArea.top + workArea.bottom) / 2 - outer.cy / 2;
  if (left < workArea.left) {
    left = workArea.left;
  } else if (left + outer.cx > workArea.right) {
    left = workArea.right - outer.cx;
  }
  if (top < workArea.top) {
    top = workArea.top;
  } else if (top + outer.cy > workArea.bottom) {
    top = workArea.bottom - outer.cy;
  }
  return Point{left, top};
}

}  // namespace framework
