#include "ui/converter_template.h"

#include "ui/resource.h"

namespace fokuro {
namespace {

using framework::IDC_STATIC;
using enum framework::ControlKind;
using enum framework::ControlStyle;

constexpr int kAppIcon = static_cast<int>(IDI_APP_ICON);

// Template order is creation order and Tab order; the group starts cut the keyboard groups,
// so the group box after the radio buttons is what closes their group.
// clang-format off
constexpr framework::ControlTemplate kControls[] = {
    // number, kind, text, x, y, width, height, style, icon
    {IDC_CROP_1_0, AutoRadioButton, "1.0倍相当 = 1Ds N_DIGITAL 14n", 13, 19, 179, 8, kGroupStart, 0},
    {IDC_CROP_1_1, AutoRadioButton, "1.1倍相当", 13, 29, 179, 8, kNoStyle, 0},
    {IDC_CROP_1_2, AutoRadioButton, "1.2倍相当", 13, 39, 179, 8, kNoStyle, 0},
    {IDC_CROP_1_3, AutoRadioButton, "1.3倍相当 = EOS-D1", 13, 49, 179, 8, kNoStyle, 0},
    {IDC_CROP_1_4, AutoRadioButton, "1.4倍相当", 13, 59, 179, 8, kNoStyle, 0},
    {IDC_CROP_1_5, AutoRadioButton, "1.5倍相当 = Nikon-D1 D1X D1H D100 S1Pro S2Pro", 13, 69, 179, 8, kNoStyle, 0},
    {IDC_CROP_1_6, AutoRadioButton, "1.6倍相当 = 10D D60 D30 istD", 13, 79, 179, 8, kNoStyle, 0},
    {IDC_CROP_1_7, AutoRadioButton, "1.7倍相当 = SD-9", 13, 89, 179, 8, kNoStyle, 0},
    {IDC_STATIC, GroupBox, "レンズ表記の何倍相当", 7, 7, 201, 97, kGroupStart, 0},
    {IDC_WIDE_MM, Edit, "", 13, 131, 81, 14, kTabStop | kBorder | kAutoHScroll | kLeftAligned, 0},
    {IDC_TELE_MM, Edit, "", 112, 131, 81, 14, kTabStop | kBorder | kAutoHScroll | kLeftAligned, 0},
    {IDC_CONVERT, PushButton, "ｍｍ変換", 67, 194, 73, 17, kTabStop, 0},
    {IDC_CLEAR, PushButton, "入力消去", 141, 194, 39, 17, kTabStop, 0},
    {IDC_WIDE_RESULT, Edit, "", 13, 173, 81, 14, kReadOnly | kBorder | kAutoHScroll | kLeftAligned, 0},
    {IDC_TELE_RESULT, Edit, "", 112, 173, 81, 14, kReadOnly | kBorder | kAutoHScroll | kLeftAligned, 0},
    {IDC_EXIT, PushButton, "終了", 181, 194, 27, 17, kNoStyle, 0},
    {IDC_AUTHOR_WEB, PushButton, "作者Webへ", 25, 194, 41, 17, kMultiLine, 0},
    {IDC_AUTHOR_ICON, IconPicture, "", 7, 194, 20, 20, kNotify, kAppIcon},
    {IDC_STATIC, GroupBox, "レンズのｍｍ", 7, 108, 201, 42, kNoStyle, 0},
    {IDC_STATIC, Label, "広角側（単焦点）", 13, 117, 78, 8, kGroupStart | kLeftAligned, 0},
    {IDC_STATIC, Label, "望遠側", 112, 117, 78, 8, kGroupStart | kLeftAligned, 0},
    {IDC_STATIC, Label, "広角側（単焦点）", 13, 159, 78, 8, kGroupStart | kLeftAligned, 0},
    {IDC_STATIC, Label, "望遠側", 112, 159, 78, 8, kGroupStart | kLeftAligned, 0},
    {IDC_STATIC, GroupBox, "デジタル一眼レフのｍｍ", 7, 150, 201, 42, kNoStyle, 0},
};
// clang-format on

// No minimize or maximize box and a fixed frame: the layout is drawn for one size only.
constexpr framework::DialogTemplate kConverterDialog{
    .id = IDD_CONVERTER_DIALOG,
    .title = "Fokuro（デジタル一眼レフなら何ミリ？）",
    .font = {.face = "ＭＳ ゴシック", .pointSize = 11},
    .clientWidth = 217,
    .clientHeight = 218,
    .frame = {.systemMenu = true,
              .minimizeBox = false,
              .maximizeBox = false,
              .contextHelp = false,
              .resizable = false,
              .taskBarButton = true},
    .controls = kControls,
};

}  // namespace

const framework::DialogTemplate& ConverterDialogTemplate() {
  return kConverterDialog;
}

}  // namespace fokuro
