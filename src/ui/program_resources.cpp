#include "ui/program_resources.h"

#include "ui/app_icon.h"
#include "ui/converter_template.h"

namespace fokuro {

framework::ResourceTable ProgramResources() {
  // Function-local so that the templates' own statics are ready before they are taken.
  static const framework::DialogTemplate* const dialogs[] = {&ConverterDialogTemplate()};
  static const framework::IconResource* const icons[] = {&AppIcon()};
  return framework::ResourceTable{.dialogs = dialogs, .icons = icons};
}

}  // namespace fokuro
