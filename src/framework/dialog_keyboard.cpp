#include "framework/dialog_keyboard.h"

#include <cstddef>
#include <optional>

#include "framework/types.h"

// Modifier choices where the rules leave room, following what the Win32 dialog manager does:
// - Enter with Shift or Ctrl acts as plain Enter; Alt+Enter is a system key and does nothing.
// - Arrows ignore Shift and Ctrl; with Alt they are system keys and go to the control.
// - Escape cancels whatever modifiers are held.
// - Alt+F4 closes whatever else is held; F4 without Alt belongs to the control.

namespace framework {
namespace {

using Kind = KeyDecision::Kind;
using Controls = std::span<const ControlTemplate>;

// Labels, group boxes and pictures never take the focus, whatever their styles say.
bool CanTakeFocus(const ControlTemplate& control) {
  switch (control.kind) {
    case ControlKind::AutoRadioButton:
    case ControlKind::PushButton:
    case ControlKind::Edit:
      return true;
    case ControlKind::Label:
    case ControlKind::GroupBox:
    case ControlKind::IconPicture:
      return false;
  }
  return false;
}

bool IsTabStop(const ControlTemplate& control) {
  return control.Has(kTabStop) && CanTakeFocus(control);
}

std::optional<std::size_t> IndexOf(Controls controls, int controlId) {
  if (controlId == 0 || controlId == IDC_STATIC) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].id == controlId) {
      return i;
    }
  }
  return std::nullopt;
}

// Steps one place at a time, wrapping, and stops at the first match; a start outside the
// controls (no focus) begins just before the first or just after the last.
template <class Predicate>
std::optional<std::size_t> Step(Controls controls, std::optional<std::size_t> from, bool forward,
                                std::size_t first, std::size_t end, Predicate matches) {
  const std::size_t count = end - first;
  if (count == 0) {
    return std::nullopt;
  }
  std::size_t offset;  // of the start, relative to first
  if (from) {
    offset = *from - first;
  } else {
    offset = forward ? count - 1 : 0;
  }
  for (std::size_t step = 1; step <= count; ++step) {
    const std::size_t position =
        forward ? (offset + step) % count : (offset + count - step % count) % count;
    if (matches(controls[first + position])) {
      return first + position;
    }
  }
  return std::nullopt;
}

KeyDecision Decision(Kind kind, int control = 0, bool selectAll = false) {
  return KeyDecision{kind, control, selectAll};
}

KeyDecision DecideTab(Controls controls, std::optional<std::size_t> focus, bool backward) {
  const std::optional<std::size_t> target =
      Step(controls, focus, !backward, 0, controls.size(), IsTabStop);
  if (!target) {
    return Decision(Kind::Nothing);
  }
  const ControlTemplate& control = controls[*target];
  return Decision(Kind::MoveFocus, control.id, control.kind == ControlKind::Edit);
}

// The group holding `index`: from the nearest group start at or before it up to the next one.
// Controls before the first group start form a group of their own.
struct GroupBounds {
  std::size_t first, end;
};

GroupBounds GroupOf(Controls controls, std::size_t index) {
  std::size_t first = index;
  while (first > 0 && !controls[first].Has(kGroupStart)) {
    --first;
  }
  std::size_t end = index + 1;
  while (end < controls.size() && !controls[end].Has(kGroupStart)) {
    ++end;
  }
  return {first, end};
}

KeyDecision DecideArrow(Controls controls, std::optional<std::size_t> focus, bool forward,
                        KeyModifiers modifiers) {
  if (modifiers.alt || !focus || controls[*focus].kind != ControlKind::AutoRadioButton) {
    return Decision(Kind::PassToControl);
  }
  const GroupBounds group = GroupOf(controls, *focus);
  const std::optional<std::size_t> target = Step(
      controls, focus, forward, group.first, group.end,
      [](const ControlTemplate& control) { return control.kind == ControlKind::AutoRadioButton; });
  // The focused radio button is itself a match, so the search cannot come back empty.
  return Decision(Kind::MoveFocusAndCheck, controls[*target].id);
}

KeyDecision DecideEnter(Controls controls, std::optional<std::size_t> focus) {
  if (focus && controls[*focus].kind == ControlKind::PushButton) {
    return Decision(Kind::Click, controls[*focus].id);
  }
  return Decision(Kind::Command, static_cast<int>(IDOK));
}

}  // namespace

KeyDecision DecideDialogKey(const DialogTemplate& dialog, int focusedControl, Key key,
                            KeyModifiers modifiers) {
  const Controls controls = dialog.controls;
  const std::optional<std::size_t> focus = IndexOf(controls, focusedControl);
  switch (key) {
    case Key::Tab:
      if (modifiers.control || modifiers.alt) {
        return Decision(Kind::Nothing);
      }
      return DecideTab(controls, focus, modifiers.shift);
    case Key::Up:
    case Key::Left:
      return DecideArrow(controls, focus, false, modifiers);
    case Key::Down:
    case Key::Right:
      return DecideArrow(controls, focus, true, modifiers);
    case Key::Enter:
      if (modifiers.alt) {
        return Decision(Kind::Nothing);
      }
      return DecideEnter(controls, focus);
    case Key::Escape:
      return Decision(Kind::Command, static_cast<int>(IDCANCEL));
    case Key::F1:
      if (modifiers.shift || modifiers.control || modifiers.alt) {
        return Decision(Kind::Nothing);
      }
      return Decision(Kind::Help);
    case Key::F4:
      if (modifiers.alt) {
        return Decision(Kind::SystemClose);
      }
      return Decision(Kind::PassToControl);
    case Key::Space:
    case Key::Other:
      return Decision(Kind::PassToControl);
  }
  return Decision(Kind::PassToControl);
}

int FirstTabStop(const DialogTemplate& dialog) {
  for (const ControlTemplate& control : dialog.controls) {
    if (IsTabStop(control)) {
      return control.id;
    }
  }
  return 0;
}

}  // namespace framework
