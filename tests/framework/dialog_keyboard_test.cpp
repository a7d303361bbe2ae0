#include "framework/dialog_keyboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <set>

#include "named_rows.h"

namespace framework {

void PrintTo(const KeyDecision& decision, std::ostream* out) {
  *out << "{kind " << static_cast<int>(decision.kind) << ", control " << decision.control
       << ", selectAll " << decision.selectAll << "}";
}

namespace {

using Kind = KeyDecision::Kind;

// The main window's controls with their kinds, numbers and keyboard styles; texts are
// placeholders, so that these tests depend on nothing but the keyboard rules.
constexpr ControlStyle kRadioFirst = kGroupStart;
constexpr ControlStyle kInput = kBorder | kTabStop | kAutoHScroll | kLeftAligned;
constexpr ControlStyle kResult = kBorder | kReadOnly | kAutoHScroll | kLeftAligned;

constexpr std::array kMainControls{
    ControlTemplate{1001, ControlKind::AutoRadioButton, "1.0", 13, 19, 179, 8, kRadioFirst},
    ControlTemplate{1002, ControlKind::AutoRadioButton, "1.1", 13, 29, 179, 8, kNoStyle},
    ControlTemplate{1003, ControlKind::AutoRadioButton, "1.2", 13, 39, 179, 8, kNoStyle},
    ControlTemplate{1004, ControlKind::AutoRadioButton, "1.3", 13, 49, 179, 8, kNoStyle},
    ControlTemplate{1005, ControlKind::AutoRadioButton, "1.4", 13, 59, 179, 8, kNoStyle},
    ControlTemplate{1006, ControlKind::AutoRadioButton, "1.5", 13, 69, 179, 8, kNoStyle},
    ControlTemplate{1007, ControlKind::AutoRadioButton, "1.6", 13, 79, 179, 8, kNoStyle},
    ControlTemplate{1008, ControlKind::AutoRadioButton, "1.7", 13, 89, 179, 8, kNoStyle},
    ControlTemplate{IDC_STATIC, ControlKind::GroupBox, "crop", 7, 7, 201, 97, kGroupStart},
    ControlTemplate{3010, ControlKind::Edit, "", 13, 131, 81, 14, kInput},
    ControlTemplate{3011, ControlKind::Edit, "", 112, 131, 81, 14, kInput},
    ControlTemplate{2008, ControlKind::PushButton, "convert", 67, 194, 73, 17, kTabStop},
    ControlTemplate{2010, ControlKind::PushButton, "clear", 141, 194, 39, 17, kTabStop},
    ControlTemplate{4016, ControlKind::Edit, "", 13, 173, 81, 14, kResult},
    ControlTemplate{4017, ControlKind::Edit, "", 112, 173, 81, 14, kResult},
    ControlTemplate{2009, ControlKind::PushButton, "exit", 181, 194, 27, 17, kNoStyle},
    ControlTemplate{2011, ControlKind::PushButton, "web", 25, 194, 41, 17, kMultiLine},
    ControlTemplate{2012, ControlKind::IconPicture, "", 7, 194, 20, 20, kNotify, 128},
    ControlTemplate{IDC_STATIC, ControlKind::GroupBox, "lens", 7, 108, 201, 42, kNoStyle},
    ControlTemplate{IDC_STATIC, ControlKind::Label, "wide", 13, 117, 78, 8,
                    kGroupStart | kLeftAligned},
    ControlTemplate{IDC_STATIC, ControlKind::Label, "tele", 112, 117, 78, 8,
                    kGroupStart | kLeftAligned},
    ControlTemplate{IDC_STATIC, ControlKind::Label, "wide", 13, 159, 78, 8,
                    kGroupStart | kLeftAligned},
    ControlTemplate{IDC_STATIC, ControlKind::Label, "tele", 112, 159, 78, 8,
                    kGroupStart | kLeftAligned},
    ControlTemplate{IDC_STATIC, ControlKind::GroupBox, "dslr", 7, 150, 201, 42, kNoStyle},
};
static_assert(kMainControls.size() == 24);

const DialogTemplate kMain{102, "main", {"gothic", 11}, 217, 218, {}, kMainControls};

// Every control the focus can be on, by a click or by the keyboard.
constexpr std::array kFocusable{1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008,
                                3010, 3011, 4016, 4017, 2008, 2010, 2009, 2011};

constexpr KeyModifiers kNone{};
constexpr KeyModifiers kShift{.shift = true};
constexpr KeyModifiers kCtrl{.control = true};
constexpr KeyModifiers kAlt{.alt = true};

KeyDecision Press(int focus, Key key, KeyModifiers modifiers = kNone) {
  return DecideDialogKey(kMain, focus, key, modifiers);
}

// --- Tab and Shift+Tab ---

struct TabRow {
  const char* name;
  int focus;
  KeyDecision tab;
  KeyDecision shiftTab;
};

void PrintTo(const TabRow& row, std::ostream* out) {
  *out << row.name;
}

constexpr KeyDecision IntoEdit(int id) {
  return {Kind::MoveFocus, id, true};
}
constexpr KeyDecision OntoButton(int id) {
  return {Kind::MoveFocus, id, false};
}

class TabTest : public ::testing::TestWithParam<TabRow> {};

TEST_P(TabTest, MovesToTheNextTabStop) {
  EXPECT_EQ(Press(GetParam().focus, Key::Tab), GetParam().tab);
}

TEST_P(TabTest, ShiftMovesToThePreviousTabStop) {
  EXPECT_EQ(Press(GetParam().focus, Key::Tab, kShift), GetParam().shiftTab);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, TabTest,
    ::testing::Values(TabRow{"wide_input", 3010, IntoEdit(3011), OntoButton(2010)},
                      TabRow{"tele_input", 3011, OntoButton(2008), IntoEdit(3010)},
                      TabRow{"convert", 2008, OntoButton(2010), IntoEdit(3011)},
                      TabRow{"clear_wraps", 2010, IntoEdit(3010), OntoButton(2008)},
                      TabRow{"no_focus", 0, IntoEdit(3010), OntoButton(2010)},
                      TabRow{"unknown_focus", 9999, IntoEdit(3010), OntoButton(2010)},
                      TabRow{"radio_1_0", 1001, IntoEdit(3010), OntoButton(2010)},
                      TabRow{"radio_1_1", 1002, IntoEdit(3010), OntoButton(2010)},
                      TabRow{"radio_1_2", 1003, IntoEdit(3010), OntoButton(2010)},
                      TabRow{"radio_1_3", 1004, IntoEdit(3010), OntoButton(2010)},
                      TabRow{"radio_1_4", 1005, IntoEdit(3010), OntoButton(2010)},
                      TabRow{"radio_1_5", 1006, IntoEdit(3010), OntoButton(2010)},
                      TabRow{"radio_1_6", 1007, IntoEdit(3010), OntoButton(2010)},
                      TabRow{"radio_1_7", 1008, IntoEdit(3010), OntoButton(2010)},
                      TabRow{"wide_result", 4016, IntoEdit(3010), OntoButton(2010)},
                      TabRow{"tele_result", 4017, IntoEdit(3010), OntoButton(2010)},
                      TabRow{"exit", 2009, IntoEdit(3010), OntoButton(2010)},
                      TabRow{"author_web", 2011, IntoEdit(3010), OntoButton(2010)}),
    fokuro::testing::RowName{});

TEST(TabRunTest, NeverLandsOffTheFourTabStops) {
  const std::set<int> tabStops{3010, 3011, 2008, 2010};
  std::array<int, kFocusable.size() + 1> starts{};
  std::copy(kFocusable.begin(), kFocusable.end(), starts.begin());  // last start: no focus
  for (const KeyModifiers modifiers : {kNone, kShift}) {
    for (const int start : starts) {
      int focus = start;
      for (int press = 1; press <= 12; ++press) {
        const KeyDecision decision = Press(focus, Key::Tab, modifiers);
        SCOPED_TRACE(::testing::Message()
                     << "start " << start << ", shift " << modifiers.shift << ", press " << press);
        ASSERT_EQ(decision.kind, Kind::MoveFocus);
        ASSERT_TRUE(tabStops.contains(decision.control)) << decision.control;
        focus = decision.control;
      }
    }
  }
}

TEST(TabRunTest, TabWithCtrlOrAltDoesNothing) {
  for (const KeyModifiers modifiers : {kCtrl, kAlt, KeyModifiers{.shift = true, .control = true},
                                       KeyModifiers{.shift = true, .alt = true}}) {
    EXPECT_EQ(Press(3010, Key::Tab, modifiers).kind, Kind::Nothing);
    EXPECT_EQ(Press(1003, Key::Tab, modifiers).kind, Kind::Nothing);
  }
}

TEST(FirstTabStopTest, IsTheWideInput) {
  EXPECT_EQ(FirstTabStop(kMain), 3010);
}

// --- Arrows ---

struct ArrowRow {
  const char* name;
  int focus;
  Key key;
  KeyModifiers modifiers;
  KeyDecision expected;
};

void PrintTo(const ArrowRow& row, std::ostream* out) {
  *out << row.name;
}

constexpr KeyDecision CheckRadio(int id) {
  return {Kind::MoveFocusAndCheck, id, false};
}
constexpr KeyDecision kPass{Kind::PassToControl, 0, false};

class ArrowTest : public ::testing::TestWithParam<ArrowRow> {};

TEST_P(ArrowTest, Decides) {
  const ArrowRow& row = GetParam();
  EXPECT_EQ(Press(row.focus, row.key, row.modifiers), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, ArrowTest,
    ::testing::Values(ArrowRow{"down_1_2_to_1_3", 1003, Key::Down, kNone, CheckRadio(1004)},
                      ArrowRow{"right_1_2_to_1_3", 1003, Key::Right, kNone, CheckRadio(1004)},
                      ArrowRow{"up_1_2_to_1_1", 1003, Key::Up, kNone, CheckRadio(1002)},
                      ArrowRow{"left_1_2_to_1_1", 1003, Key::Left, kNone, CheckRadio(1002)},
                      ArrowRow{"up_1_0_wraps", 1001, Key::Up, kNone, CheckRadio(1008)},
                      ArrowRow{"left_1_0_wraps", 1001, Key::Left, kNone, CheckRadio(1008)},
                      ArrowRow{"down_1_7_wraps", 1008, Key::Down, kNone, CheckRadio(1001)},
                      ArrowRow{"right_1_7_wraps", 1008, Key::Right, kNone, CheckRadio(1001)},
                      ArrowRow{"down_1_0", 1001, Key::Down, kNone, CheckRadio(1002)},
                      ArrowRow{"up_1_7", 1008, Key::Up, kNone, CheckRadio(1007)},
                      ArrowRow{"shift_down", 1005, Key::Down, kShift, CheckRadio(1006)},
                      ArrowRow{"ctrl_up", 1005, Key::Up, kCtrl, CheckRadio(1004)},
                      ArrowRow{"alt_down_is_the_controls", 1005, Key::Down, kAlt, kPass},
                      ArrowRow{"down_on_wide_input", 3010, Key::Down, kNone, kPass},
                      ArrowRow{"up_on_wide_input", 3010, Key::Up, kNone, kPass},
                      ArrowRow{"left_on_tele_input", 3011, Key::Left, kNone, kPass},
                      ArrowRow{"right_on_tele_input", 3011, Key::Right, kNone, kPass},
                      ArrowRow{"down_on_result", 4016, Key::Down, kNone, kPass},
                      ArrowRow{"right_on_convert", 2008, Key::Right, kNone, kPass},
                      ArrowRow{"up_on_clear", 2010, Key::Up, kNone, kPass},
                      ArrowRow{"down_without_focus", 0, Key::Down, kNone, kPass}),
    fokuro::testing::RowName{});

// Radio groups that the main window does not have: radios before the first group start, two
// groups side by side, and a non-radio inside a group.
constexpr std::array kGroupedControls{
    ControlTemplate{11, ControlKind::AutoRadioButton, "", 0, 0, 1, 1, kNoStyle},
    ControlTemplate{12, ControlKind::AutoRadioButton, "", 0, 0, 1, 1, kNoStyle},
    ControlTemplate{21, ControlKind::AutoRadioButton, "", 0, 0, 1, 1, kGroupStart},
    ControlTemplate{22, ControlKind::Edit, "", 0, 0, 1, 1, kTabStop},
    ControlTemplate{23, ControlKind::AutoRadioButton, "", 0, 0, 1, 1, kNoStyle},
    ControlTemplate{31, ControlKind::AutoRadioButton, "", 0, 0, 1, 1, kGroupStart},
    ControlTemplate{32, ControlKind::AutoRadioButton, "", 0, 0, 1, 1, kNoStyle},
    ControlTemplate{41, ControlKind::AutoRadioButton, "", 0, 0, 1, 1, kGroupStart},
    ControlTemplate{IDC_STATIC, ControlKind::Label, "", 0, 0, 1, 1, kGroupStart},
};
const DialogTemplate kGrouped{1, "grouped", {"gothic", 11}, 100, 100, {}, kGroupedControls};

struct GroupRow {
  const char* name;
  int focus;
  Key key;
  int expected;
};

void PrintTo(const GroupRow& row, std::ostream* out) {
  *out << row.name;
}

class RadioGroupTest : public ::testing::TestWithParam<GroupRow> {};

TEST_P(RadioGroupTest, StaysInTheGroup) {
  const GroupRow& row = GetParam();
  EXPECT_EQ(DecideDialogKey(kGrouped, row.focus, row.key, kNone), CheckRadio(row.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RadioGroupTest,
    ::testing::Values(GroupRow{"before_first_start_wraps_forward", 12, Key::Down, 11},
                      GroupRow{"before_first_start_wraps_back", 11, Key::Up, 12},
                      GroupRow{"skips_the_edit_forward", 21, Key::Down, 23},
                      GroupRow{"skips_the_edit_back", 23, Key::Up, 21},
                      GroupRow{"group_end_wraps_to_its_start", 23, Key::Right, 21},
                      GroupRow{"group_start_wraps_to_its_end", 31, Key::Left, 32},
                      GroupRow{"second_group_forward", 31, Key::Down, 32},
                      GroupRow{"second_group_wraps", 32, Key::Down, 31},
                      GroupRow{"lone_radio_stays", 41, Key::Down, 41}),
    fokuro::testing::RowName{});

// --- Enter, Escape, F1, F4, Space ---

struct EnterRow {
  const char* name;
  int focus;
  KeyDecision expected;
};

void PrintTo(const EnterRow& row, std::ostream* out) {
  *out << row.name;
}

constexpr KeyDecision kOk{Kind::Command, 1, false};
constexpr KeyDecision Click(int id) {
  return {Kind::Click, id, false};
}

class EnterTest : public ::testing::TestWithParam<EnterRow> {};

TEST_P(EnterTest, Decides) {
  EXPECT_EQ(Press(GetParam().focus, Key::Enter), GetParam().expected);
}

TEST_P(EnterTest, ShiftOrCtrlChangeNothing) {
  EXPECT_EQ(Press(GetParam().focus, Key::Enter, kShift), GetParam().expected);
  EXPECT_EQ(Press(GetParam().focus, Key::Enter, kCtrl), GetParam().expected);
}

TEST_P(EnterTest, AltEnterDoesNothing) {
  EXPECT_EQ(Press(GetParam().focus, Key::Enter, kAlt).kind, Kind::Nothing);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, EnterTest,
    ::testing::Values(EnterRow{"wide_input", 3010, kOk}, EnterRow{"tele_input", 3011, kOk},
                      EnterRow{"wide_result", 4016, kOk}, EnterRow{"tele_result", 4017, kOk},
                      EnterRow{"radio_1_0", 1001, kOk}, EnterRow{"radio_1_6", 1007, kOk},
                      EnterRow{"no_focus", 0, kOk},
                      // a picture's number among the buttons' is no button
                      EnterRow{"icon_picture", 2012, kOk}, EnterRow{"convert", 2008, Click(2008)},
                      EnterRow{"exit", 2009, Click(2009)}, EnterRow{"clear", 2010, Click(2010)},
                      EnterRow{"author_web", 2011, Click(2011)}),
    fokuro::testing::RowName{});

TEST(KeysFromEveryFocusTest, EscapeCancels) {
  constexpr KeyDecision cancel{Kind::Command, 2, false};
  for (const int focus : kFocusable) {
    EXPECT_EQ(Press(focus, Key::Escape), cancel) << focus;
  }
  EXPECT_EQ(Press(0, Key::Escape), cancel);
}

TEST(KeysFromEveryFocusTest, F1AsksForHelp) {
  for (const int focus : kFocusable) {
    EXPECT_EQ(Press(focus, Key::F1).kind, Kind::Help) << focus;
  }
  EXPECT_EQ(Press(0, Key::F1).kind, Kind::Help);
}

TEST(KeysFromEveryFocusTest, F1WithAModifierDoesNothing) {
  for (const KeyModifiers modifiers :
       {kShift, kCtrl, kAlt, KeyModifiers{.shift = true, .control = true, .alt = true}}) {
    for (const int focus : kFocusable) {
      EXPECT_EQ(Press(focus, Key::F1, modifiers).kind, Kind::Nothing)
          << focus << " shift " << modifiers.shift << " ctrl " << modifiers.control << " alt "
          << modifiers.alt;
    }
  }
}

TEST(KeysFromEveryFocusTest, AltF4ClosesTheWindow) {
  for (const int focus : kFocusable) {
    EXPECT_EQ(Press(focus, Key::F4, kAlt).kind, Kind::SystemClose) << focus;
  }
  EXPECT_EQ(Press(0, Key::F4, kAlt).kind, Kind::SystemClose);
}

TEST(KeysFromEveryFocusTest, F4WithoutAltIsTheControls) {
  for (const KeyModifiers modifiers : {kNone, kShift, kCtrl}) {
    EXPECT_EQ(Press(3010, Key::F4, modifiers), kPass);
    EXPECT_EQ(Press(2008, Key::F4, modifiers), kPass);
  }
}

TEST(KeysFromEveryFocusTest, SpaceAndOtherKeysAreTheControls) {
  for (const int focus : kFocusable) {
    EXPECT_EQ(Press(focus, Key::Space), kPass) << focus;
    EXPECT_EQ(Press(focus, Key::Other), kPass) << focus;
  }
}

// --- Controls that must never take the focus, whatever their styles ---

constexpr std::array kStaticsWithTabStops{
    ControlTemplate{IDC_STATIC, ControlKind::Label, "", 0, 0, 1, 1, kTabStop | kGroupStart},
    ControlTemplate{IDC_STATIC, ControlKind::GroupBox, "", 0, 0, 1, 1, kTabStop},
    ControlTemplate{5, ControlKind::IconPicture, "", 0, 0, 1, 1, kTabStop | kNotify},
    ControlTemplate{6, ControlKind::PushButton, "", 0, 0, 1, 1, kTabStop},
    ControlTemplate{7, ControlKind::Label, "", 0, 0, 1, 1, kTabStop},
    ControlTemplate{8, ControlKind::Edit, "", 0, 0, 1, 1, kTabStop},
};
const DialogTemplate kStatics{1, "statics", {"gothic", 11}, 100, 100, {}, kStaticsWithTabStops};

TEST(NoFocusOnStaticsTest, FirstTabStopPassesThemOver) {
  EXPECT_EQ(FirstTabStop(kStatics), 6);
}

TEST(NoFocusOnStaticsTest, TabPassesThemOver) {
  EXPECT_EQ(DecideDialogKey(kStatics, 6, Key::Tab, kNone), IntoEdit(8));
  EXPECT_EQ(DecideDialogKey(kStatics, 8, Key::Tab, kNone), OntoButton(6));
  EXPECT_EQ(DecideDialogKey(kStatics, 6, Key::Tab, kShift), IntoEdit(8));
  EXPECT_EQ(DecideDialogKey(kStatics, 0, Key::Tab, kShift), IntoEdit(8));
}

constexpr std::array kNoTabStopControls{
    ControlTemplate{1, ControlKind::AutoRadioButton, "", 0, 0, 1, 1, kGroupStart},
    ControlTemplate{IDC_STATIC, ControlKind::Label, "", 0, 0, 1, 1, kNoStyle},
};
const DialogTemplate kNoTabStops{1, "none", {"gothic", 11}, 100, 100, {}, kNoTabStopControls};

// Tab stops at both ends of the order, which the main window does not have.
constexpr std::array kTabStopsAtTheEnds{
    ControlTemplate{1, ControlKind::Edit, "", 0, 0, 1, 1, kTabStop},
    ControlTemplate{2, ControlKind::PushButton, "", 0, 0, 1, 1, kTabStop},
    ControlTemplate{IDC_STATIC, ControlKind::Label, "", 0, 0, 1, 1, kNoStyle},
    ControlTemplate{3, ControlKind::PushButton, "", 0, 0, 1, 1, kTabStop},
};
const DialogTemplate kEnds{1, "ends", {"gothic", 11}, 100, 100, {}, kTabStopsAtTheEnds};

TEST(TabStopsAtTheEndsTest, WithoutFocusTabTakesTheFirstAndShiftTabTheLast) {
  EXPECT_EQ(DecideDialogKey(kEnds, 0, Key::Tab, kNone), IntoEdit(1));
  EXPECT_EQ(DecideDialogKey(kEnds, 0, Key::Tab, kShift), OntoButton(3));
}

// Labels share the number IDC_STATIC, so it names no control and means no focus.
TEST(TabStopsAtTheEndsTest, TheStaticNumberIsNoFocus) {
  EXPECT_EQ(DecideDialogKey(kEnds, IDC_STATIC, Key::Tab, kNone), IntoEdit(1));
  EXPECT_EQ(DecideDialogKey(kEnds, IDC_STATIC, Key::Tab, kShift), OntoButton(3));
}

TEST(TabStopsAtTheEndsTest, WrapsAtBothEnds) {
  EXPECT_EQ(DecideDialogKey(kEnds, 3, Key::Tab, kNone), IntoEdit(1));
  EXPECT_EQ(DecideDialogKey(kEnds, 1, Key::Tab, kShift), OntoButton(3));
}

TEST(NoTabStopsTest, TabDoesNothingAndThereIsNoFirst) {
  EXPECT_EQ(FirstTabStop(kNoTabStops), 0);
  EXPECT_EQ(DecideDialogKey(kNoTabStops, 1, Key::Tab, kNone).kind, Kind::Nothing);
  EXPECT_EQ(DecideDialogKey(kNoTabStops, 0, Key::Tab, kShift).kind, Kind::Nothing);
}

}  // namespace
}  // namespace framework
