// The program's own resources, found by number as a program file's resources are.
#pragma once

#include <span>

#include "framework/dialog_template.h"

namespace framework {

// A 32 x 32 picture kept as the lines of an XPM text pixel map.
struct IconResource {
  unsigned id;
  std::span<const char* const> xpm;
};

struct ResourceTable {
  std::span<const DialogTemplate* const> dialogs;
  std::span<const IconResource* const> icons;
};

// The program hands its table over once, before the framework's main function runs.
void SetResources(const ResourceTable& table);

const DialogTemplate* FindDialogTemplate(unsigned id);  // nullptr when missing
const IconResource* FindIcon(unsigned id);              // nullptr when missing

}  // namespace framework
