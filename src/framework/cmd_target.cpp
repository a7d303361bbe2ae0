#include "framework/cmd_target.h"

namespace framework {

const MessageMap CCmdTarget::kMessageMap{nullptr, {}};

const MessageEntry* MessageMap::Find(unsigned message, unsigned id, unsigned code) const {
  for (const MessageMap* map = this; map != nullptr; map = map->base) {
    for (const MessageEntry& entry : map->entries) {
      if (entry.message == message && entry.id == id && entry.code == code) {
        return &entry;
      }
    }
  }
  return nullptr;
}

bool CCmdTarget::OnCmdMsg(unsigned id, unsigned code) {
  const MessageEntry* entry = GetMessageMap()->Find(WM_COMMAND, id, code);
  if (entry == nullptr) {
    return false;
  }
  entry->handler(*this, MAKEWPARAM(id, code), 0);
  return true;
}

}  // namespace framework
