// The root of everything that takes commands: a message table and command routing.
#pragma once

#include "framework/message_map.h"

namespace framework {

class CCmdTarget {
 public:
  CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;
  virtual ~CCmdTarget() = default;

  virtual const MessageMap* GetMessageMap() const { return &kMessageMap; }

  // Runs the handler of command (or control notification) `id` with `code` when this
  // object's tables have one; true when one ran.
  virtual bool OnCmdMsg(unsigned id, unsigned code);

  static const MessageMap kMessageMap;
};

}  // namespace framework
