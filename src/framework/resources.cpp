#include "framework/resources.h"

namespace framework {
namespace {

ResourceTable gResources;

}  // namespace

void SetResources(const ResourceTable& table) {
  gResources = table;
}

const DialogTemplate* FindDialogTemplate(unsigned id) {
  for (const DialogTemplate* dialog : gResources.dialogs) {
    if (dialog->id == id) {
      return dialog;
    }
  }
  return nullptr;
}

const IconResource* FindIcon(unsigned id) {
  for (const IconResource* icon : gResources.icons) {
    if (icon->id == id) {
      return icon;
    }
  }
  return nullptr;
}

}  // namespace framework
