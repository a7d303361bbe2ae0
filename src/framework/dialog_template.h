// A window's description as data: what a dialog template resource holds.
//
// Geometry is in dialog units of the window's font (a quarter of its average character
// width across, an eighth of its height down), from the client area's top-left corner.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace framework {

// Control number of labels and group boxes, which nothing reaches by number.
inline constexpr int IDC_STATIC = -1;

enum class ControlKind : std::uint8_t {
  AutoRadioButton,
  PushButton,
  Edit,
  Label,
  GroupBox,
  IconPicture,
};

// Styles as the behaviour they give; any combination may be set.
enum ControlStyle : std::uint16_t {
  kNoStyle = 0,
  kGroupStart = 1 << 0,   // opens a group that runs up to the next control so marked
  kTabStop = 1 << 1,      // Tab and Shift+Tab can bring the focus here
  kReadOnly = 1 << 2,     // caret, selection and copy, but no typing, paste, cut or delete
  kBorder = 1 << 3,       // thin sunken frame
  kAutoHScroll = 1 << 4,  // text scrolls as the caret passes the right edge; no length limit
  kMultiLine = 1 << 5,    // a button's text wraps onto further lines, centred
  kNotify = 1 << 6,       // a picture reports clicks as a click with its number
  kLeftAligned = 1 << 7,
};

constexpr ControlStyle operator|(ControlStyle a, ControlStyle b) {
  return static_cast<ControlStyle>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

struct ControlTemplate {
  int id;  // IDC_STATIC when the control has no number
  ControlKind kind;
  std::string_view text;  // UTF-8 bytes, exactly as shown
  int x, y, width, height;
  ControlStyle style;
  int iconResource = 0;  // the icon an IconPicture shows

  bool Has(ControlStyle s) const { return (style & s) != 0; }
};

struct DialogFont {
  std::string_view face;  // UTF-8
  int pointSize;
};

// The frame a dialog asks for. Everything here is fixed for the window's life.
struct DialogFrame {
  bool systemMenu;  // window menu and close box on the title bar
  bool minimizeBox;
  bool maximizeBox;
  bool contextHelp;
  bool resizable;
  bool taskBarButton;
};

struct DialogTemplate {
  unsigned id;
  std::string_view title;  // UTF-8
  DialogFont font;
  int clientWidth, clientHeight;  // dialog units
  DialogFrame frame;
  std::span<const ControlTemplate> controls;  // in creation (and Tab) order

  const ControlTemplate* FindControl(int controlId) const {
    for (const ControlTemplate& control : controls) {
      if (control.id == controlId && controlId != IDC_STATIC) {
        return &control;
      }
    }
    return nullptr;
  }
};

}  // namespace framework
