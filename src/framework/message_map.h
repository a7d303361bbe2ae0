// Message tables as data. A class's table lists its entries and names its base class's
// table; lookups walk from the most derived table to the root, so a derived entry wins.
//
//   const framework::MessageEntry CMyDlg::kMessageEntries[] = {
//       framework::OnClicked<&CMyDlg::OnConvert>(IDC_CONVERT),
//       framework::OnMessage<&CMyDlg::OnPaint>(framework::WM_PAINT),
//   };
//   const framework::MessageMap CMyDlg::kMessageMap{&CDialog::kMessageMap, kMessageEntries};
#pragma once

#include <span>
#include <type_traits>

#include "framework/types.h"

namespace framework {

class CCmdTarget;

using MessageHandler = LRESULT (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);

struct MessageEntry {
  unsigned message;  // WM_COMMAND for commands and control notifications
  unsigned code;     // notification code; 0 is a click
  unsigned id;       // control or command number; 0 for other messages
  MessageHandler handler;
};

struct MessageMap {
  const MessageMap* base;
  std::span<const MessageEntry> entries;

  // The first entry for the message (and for WM_COMMAND, the number and code), most derived
  // table first; nullptr when no table has one.
  const MessageEntry* Find(unsigned message, unsigned id, unsigned code) const;
};

namespace detail {

template <class Method>
struct MemberOf;
template <class C, class R, class... Args>
struct MemberOf<R (C::*)(Args...)> {
  using Class = C;
};

// Adapts a handler's own signature to the one every entry stores.
template <auto Method>
LRESULT Invoke(CCmdTarget& target, WPARAM wParam, LPARAM lParam) {
  using Class = typename MemberOf<decltype(Method)>::Class;
  auto& self = static_cast<Class&>(target);
  if constexpr (std::is_invocable_v<decltype(Method), Class&>) {
    using Result = std::invoke_result_t<decltype(Method), Class&>;
    if constexpr (std::is_void_v<Result>) {
      (self.*Method)();
      return 0;
    } else if constexpr (std::is_pointer_v<Result>) {
      return reinterpret_cast<LRESULT>((self.*Method)());
    } else {
      return static_cast<LRESULT>((self.*Method)());
    }
  } else if constexpr (std::is_invocable_v<decltype(Method), Class&, unsigned, LPARAM>) {
    (self.*Method)(static_cast<unsigned>(wParam), lParam);
    return 0;
  } else {
    return (self.*Method)(wParam, lParam);
  }
}

}  // namespace detail

// A click of control `id` (BN_CLICKED and STN_CLICKED are both 0) or a command `id`.
template <auto Method>
constexpr MessageEntry OnCommand(unsigned id) {
  return {WM_COMMAND, 0, id, &detail::Invoke<Method>};
}

template <auto Method>
constexpr MessageEntry OnClicked(unsigned id) {
  return OnCommand<Method>(id);
}

// Any other message. Handlers take nothing, (unsigned, LPARAM) like OnSysCommand, or
// (WPARAM, LPARAM); they return nothing, an icon, or an LRESULT.
template <auto Method>
constexpr MessageEntry OnMessage(unsigned message) {
  return {message, 0, 0, &detail::Invoke<Method>};
}

}  // namespace framework
