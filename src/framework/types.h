// Plain types and numbers shared by the framework, its backends and the window code. The
// numbers are the platform's own, so that a Win32 backend passes them through unchanged.
#pragma once

#include <cstdint>

namespace framework {

struct PlatformWindow;         // a backend's own window record
using HWND = PlatformWindow*;  // nullptr: no window
struct IconResource;
using HICON = const IconResource*;  // shared, never released
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

struct Point {
  int x, y;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int cx, cy;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int left, top, right, bottom;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Messages
inline constexpr unsigned WM_PAINT = 0x000F;
inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_CANCELMODE = 0x001F;
inline constexpr unsigned WM_QUERYDRAGICON = 0x0037;
inline constexpr unsigned WM_HELP = 0x0053;
inline constexpr unsigned WM_INITDIALOG = 0x0110;
inline constexpr unsigned WM_COMMAND = 0x0111;
inline constexpr unsigned WM_SYSCOMMAND = 0x0112;
inline constexpr unsigned WM_ICONERASEBKGND = 0x0027;
inline constexpr unsigned WM_COMMANDHELP = 0x0365;  // the framework's help-context request

// Notification codes of a click
inline constexpr unsigned BN_CLICKED = 0;
inline constexpr unsigned STN_CLICKED = 0;

// Commands
inline constexpr unsigned IDOK = 1;
inline constexpr unsigned IDCANCEL = 2;
inline constexpr unsigned ID_HELP = 0xE146;  // 57670
inline constexpr unsigned kFirstApplicationCommand = 0x8000;
inline constexpr unsigned kLastApplicationCommand = 0xEFFF;

// System commands
inline constexpr unsigned SC_CLOSE = 0xF060;

// Button states
inline constexpr unsigned BST_UNCHECKED = 0;
inline constexpr unsigned BST_CHECKED = 1;

// Help
inline constexpr unsigned HELP_CONTEXT = 1;
inline constexpr std::uint32_t HID_BASE_RESOURCE = 0x20000;

// Message boxes
inline constexpr unsigned MB_OK = 0x0000;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x0030;
inline constexpr unsigned MB_SYSTEMMODAL = 0x1000;  // kept above all other windows
inline constexpr int IDOK_RESULT = 1;

// Icon sizes for WM_SETICON
inline constexpr int ICON_SMALL = 0;
inline constexpr int ICON_BIG = 1;

constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
  return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr unsigned LOWORD(WPARAM value) {
  return static_cast<unsigned>(value & 0xFFFFu);
}
constexpr unsigned HIWORD(WPARAM value) {
  return static_cast<unsigned>((value >> 16) & 0xFFFFu);
}

}  // namespace framework
