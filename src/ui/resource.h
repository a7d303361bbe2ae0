// Numbers of the program's own resources and of the main window's controls. The window
// code reaches every control by these numbers, so they never change.
#pragma once

namespace fokuro {

// Resources
inline constexpr unsigned IDD_CONVERTER_DIALOG = 102;
inline constexpr unsigned IDI_APP_ICON = 128;

// Crop-class radio buttons: consecutive and rising with the factor, so a class is found by
// its offset from IDC_CROP_1_0.
inline constexpr int IDC_CROP_1_0 = 1001;
inline constexpr int IDC_CROP_1_1 = 1002;
inline constexpr int IDC_CROP_1_2 = 1003;
inline constexpr int IDC_CROP_1_3 = 1004;
inline constexpr int IDC_CROP_1_4 = 1005;
inline constexpr int IDC_CROP_1_5 = 1006;
inline constexpr int IDC_CROP_1_6 = 1007;
inline constexpr int IDC_CROP_1_7 = 1008;

// Push buttons and the icon picture, all handled as clicks by number
inline constexpr int IDC_CONVERT = 2008;
inline constexpr int IDC_EXIT = 2009;
inline constexpr int IDC_CLEAR = 2010;
inline constexpr int IDC_AUTHOR_WEB = 2011;
inline constexpr int IDC_AUTHOR_ICON = 2012;

// The two typed focal lengths
inline constexpr int IDC_WIDE_MM = 3010;
inline constexpr int IDC_TELE_MM = 3011;

// The two read-only results
inline constexpr int IDC_WIDE_RESULT = 4016;
inline constexpr int IDC_TELE_RESULT = 4017;

}  // namespace fokuro
